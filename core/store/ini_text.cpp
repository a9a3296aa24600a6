#include "core/store/ini_text.h"

#include <algorithm>
#include <utility>

#include "core/format/cp1251.h"

namespace tagforge {

namespace {

using Line = IniIndex::Line;
using Span = IniIndex::Span;

constexpr std::string_view kLineBreak = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

Line LineAt(std::string_view text, std::size_t begin) {
    const std::size_t breakAt = text.find_first_of("\r\n", begin);
    if (breakAt == std::string_view::npos) {
        return {begin, text.size(), text.size()};
    }
    std::size_t end = breakAt + 1;
    if (text[breakAt] == '\r' && end < text.size() && text[end] == '\n') {
        ++end;
    }
    return {begin, breakAt, end};
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key, trimmed
    std::string_view value;  // trimmed, quotes still on
};

// `line` is what the functions see of a physical line: it ends at a NUL byte.
ParsedLine ParseLine(std::string_view line) {
    const std::string_view text = Trim(UpToNul(line));
    if (text.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (text.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            return {LineKind::Section, Trim(text.substr(1, close - 1)), {}};
        }
        // An unclosed bracket is no header; the line is read like any other.
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

template <typename Visitor>
void ForEachLine(std::string_view text, Visitor&& visit) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Line span = LineAt(text, pos);
        pos = span.end;
        if (!visit(span, ParseLine(text.substr(span.begin, span.contentEnd - span.begin)))) {
            return;
        }
    }
}

Span SpanOf(std::string_view text, std::string_view part) {
    return {static_cast<std::size_t>(part.data() - text.data()), part.size()};
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 1);
    line.append(key).append("=").append(value);
    return line;
}

// Where a key of the first section with the given name lies, by a scan from the top.
struct KeyLookup {
    std::optional<Line> header;
    std::optional<Line> keyLine;      // the first line holding the key
    std::optional<Line> lastKeyLine;  // the last key line seen before the search ended
    ParsedLine key;
};

KeyLookup ScanForKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyLookup found;
    ForEachLine(text, [&](const Line& span, const ParsedLine& line) {
        if (line.kind == LineKind::Section) {
            if (found.header) {
                return false;
            }
            if (EqualsNoCaseCp1251(line.name, section)) {
                found.header = span;
            }
            return true;
        }
        if (!found.header || line.kind != LineKind::Key) {
            return true;
        }
        found.lastKeyLine = span;
        if (EqualsNoCaseCp1251(line.name, key)) {
            found.keyLine = span;
            found.key = line;
            return false;
        }
        return true;
    });
    return found;
}

std::string Spliced(std::string_view text, std::size_t from, std::size_t to,
                    std::string_view insert) {
    std::string result;
    result.reserve(text.size() - (to - from) + insert.size());
    result.append(text.substr(0, from)).append(insert).append(text.substr(to));
    return result;
}

bool EndsWithLineBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\r' || text.back() == '\n');
}

// A line this write adds reads back as the same section or key, so later writes of the same
// batch can find it without reading the text again.
bool ReadsBackAsSection(std::string_view section) {
    const std::string header = "[" + std::string(section) + "]";
    const ParsedLine line = ParseLine(header);
    return section.find_first_of("\r\n") == std::string_view::npos &&
           line.kind == LineKind::Section && line.name == section;
}

bool ReadsBackAsKey(std::string_view key, std::string_view value) {
    if (key.find_first_of("\r\n") != std::string_view::npos ||
        value.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    const std::string written = KeyLine(key, value);
    const ParsedLine line = ParseLine(written);
    return line.kind == LineKind::Key && line.name == key;
}

// Key lines a batch adds to one section, in the order they are added.
struct AddedKeys {
    std::vector<std::pair<std::string, std::string>> lines;
    std::unordered_map<std::string, std::size_t> byName;

    void Set(std::string_view key, std::string_view value) {
        const auto [place, added] = byName.try_emplace(ToLowerCp1251(key), lines.size());
        if (added) {
            lines.emplace_back(key, value);
        } else {
            lines[place->second].second = value;
        }
    }
    void AppendTo(std::string& out) const {
        for (const auto& [key, value] : lines) {
            out.append(key).append("=").append(value).append(kLineBreak);
        }
    }
};

// The changes of a batch over one unchanged text, put together in one pass at the end.
class WritePlan {
  public:
    WritePlan(std::string_view text, const IniIndex& index) : text_(text), index_(index) {}

    // False when the write cannot be planned without reading the text again.
    bool Add(std::string_view section, std::string_view key, std::string_view value) {
        if (const IniIndex::Section* found = index_.FindSection(section)) {
            return AddToExisting(*found, key, value);
        }
        if (!ReadsBackAsSection(section) || !ReadsBackAsKey(key, value)) {
            return false;
        }
        const auto [place, added] =
            appendedByName_.try_emplace(ToLowerCp1251(section), appended_.size());
        if (added) {
            appended_.push_back({std::string(section), {}});
        }
        appended_[place->second].keys.Set(key, value);
        return true;
    }

    std::string Result() const {
        std::vector<const Edit*> edits;
        edits.reserve(replaced_.size() + inserted_.size());
        for (const auto& entry : replaced_) {
            edits.push_back(&entry.second);
        }
        for (const auto& entry : inserted_) {
            edits.push_back(&entry.second.edit);
        }
        // An insertion at a line's start goes before a replacement of that line.
        std::sort(edits.begin(), edits.end(), [](const Edit* a, const Edit* b) {
            return a->from != b->from ? a->from < b->from : a->to < b->to;
        });
        std::string out;
        out.reserve(text_.size() + 64 * (edits.size() + appended_.size()));
        std::size_t copied = 0;
        for (const Edit* edit : edits) {
            out.append(text_.substr(copied, edit->from - copied));
            if (edit->added != nullptr) {
                if (edit->breakFirst) {
                    out.append(kLineBreak);
                }
                edit->added->AppendTo(out);
            } else {
                out.append(edit->replacement);
            }
            copied = edit->to;
        }
        out.append(text_.substr(copied));
        if (!appended_.empty() && !out.empty() && !EndsWithLineBreak(out)) {
            out.append(kLineBreak);
        }
        for (const NewSection& section : appended_) {
            out.append("[").append(section.name).append("]").append(kLineBreak);
            section.keys.AppendTo(out);
        }
        return out;
    }

  private:
    struct Edit {
        std::size_t from = 0;
        std::size_t to = 0;
        std::string replacement;
        const AddedKeys* added = nullptr;  // set for insertions
        bool breakFirst = false;
    };
    struct Insertion {
        Edit edit;
        AddedKeys keys;
    };
    struct NewSection {
        std::string name;
        AddedKeys keys;
    };

    bool AddToExisting(const IniIndex::Section& section, std::string_view key,
                       std::string_view value) {
        const std::string folded = ToLowerCp1251(key);
        if (const auto existing = section.keys.find(folded); existing != section.keys.end()) {
            const IniIndex::Key& found = existing->second;
            const std::string_view spelt = found.name.In(text_);
            if (!ReadsBackAsKey(spelt, value)) {
                return false;
            }
            Edit& edit = replaced_[found.line.begin];
            edit.from = found.line.begin;
            edit.to = found.line.contentEnd;
            edit.replacement = KeyLine(spelt, value);
            return true;
        }
        if (!ReadsBackAsKey(key, value)) {
            return false;
        }
        const Line after = section.lastKeyLine.value_or(section.header);
        const auto [place, added] = inserted_.try_emplace(&section);
        Insertion& insertion = place->second;
        if (added) {
            insertion.edit.from = after.end;
            insertion.edit.to = after.end;
            insertion.edit.breakFirst = !after.HasLineBreak();
        }
        insertion.keys.Set(key, value);
        insertion.edit.added = &insertion.keys;
        return true;
    }

    std::string_view text_;
    const IniIndex& index_;
    std::unordered_map<std::size_t, Edit> replaced_;  // by the line's start
    std::unordered_map<const IniIndex::Section*, Insertion> inserted_;
    std::vector<NewSection> appended_;
    std::unordered_map<std::string, std::size_t> appendedByName_;
};

}  // namespace

IniIndex::IniIndex(std::string_view text) {
    Section* current = nullptr;
    ForEachLine(text, [&](const Line& span, const ParsedLine& line) {
        if (line.kind == LineKind::Section) {
            names_.push_back(SpanOf(text, line.name));
            const auto [place, added] = sections_.try_emplace(ToLowerCp1251(line.name));
            // Keys of a later section of the same name cannot be found.
            current = added ? &place->second : nullptr;
            if (current != nullptr) {
                current->header = span;
            }
        } else if (line.kind == LineKind::Key && current != nullptr) {
            current->lastKeyLine = span;
            current->keys.try_emplace(ToLowerCp1251(line.name),
                                      Key{span, SpanOf(text, line.name), SpanOf(text, line.value)});
        }
        return true;
    });
}

const IniIndex::Section* IniIndex::FindSection(std::string_view name) const {
    const auto found = sections_.find(ToLowerCp1251(name));
    return found == sections_.end() ? nullptr : &found->second;
}

const IniIndex::Key* IniIndex::FindKey(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return nullptr;
    }
    const auto keyFound = found->keys.find(ToLowerCp1251(key));
    return keyFound == found->keys.end() ? nullptr : &keyFound->second;
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    section = UpToNul(section);
    key = UpToNul(key);
    value = UpToNul(value);
    const KeyLookup found = ScanForKey(text, section, key);
    if (found.keyLine) {
        return Spliced(text, found.keyLine->begin, found.keyLine->contentEnd,
                       KeyLine(found.key.name, value));
    }
    std::string insert;
    if (!found.header) {
        std::string result(text);
        if (!result.empty() && !EndsWithLineBreak(result)) {
            result.append(kLineBreak);
        }
        result.append("[").append(section).append("]").append(kLineBreak);
        result.append(KeyLine(key, value)).append(kLineBreak);
        return result;
    }
    const Line after = found.lastKeyLine.value_or(*found.header);
    if (!after.HasLineBreak()) {
        insert.append(kLineBreak);
    }
    insert.append(KeyLine(key, value)).append(kLineBreak);
    return Spliced(text, after.end, after.end, insert);
}

std::string WithIniValues(std::string_view text, const IniIndex& index,
                          const std::vector<IniEntry>& writes) {
    std::string current;  // the text once a write had to be made the slow way
    std::optional<IniIndex> currentIndex;
    std::optional<WritePlan> plan(std::in_place, text, index);
    for (const IniEntry& write : writes) {
        const std::string_view section = UpToNul(write.section);
        const std::string_view key = UpToNul(write.key);
        const std::string_view value = UpToNul(write.value);
        if (plan->Add(section, key, value)) {
            continue;
        }
        // A name that does not read back as itself: apply it on the text as it is by now.
        current = WithIniValue(plan->Result(), section, key, value);
        plan.reset();
        currentIndex.emplace(current);
        plan.emplace(current, *currentIndex);
    }
    return plan->Result();
}

}  // namespace tagforge
