#include "core/store/autostart_entries.h"

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "core/format/cp1251.h"
#include "core/platform/path_text.h"
#include "core/store/atomic_file.h"

namespace tagforge {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kGroupHeader = "[Desktop Entry]";
constexpr std::string_view kExtension = ".desktop";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A name becomes a file name in the folder; it must not leave it or name the folder itself.
bool IsUsableName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// Field codes start with "%", so a literal one is doubled everywhere in Exec.
std::string DoublePercents(std::string_view text) {
    std::string doubled;
    doubled.reserve(text.size());
    for (const char c : text) {
        doubled += c;
        if (c == '%') {
            doubled += '%';
        }
    }
    return doubled;
}

std::string UndoublePercents(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        plain += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
        }
    }
    return plain;
}

// Inside a double-quoted Exec argument these four need a backslash in front.
bool NeedsBackslashInQuotes(char c) {
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

// The command line is Windows-shaped: a leading double-quoted program path with nothing escaped
// inside, then arguments. The path becomes a properly quoted Exec argument; the rest only has its
// percent signs doubled. Without a closed leading quote the whole line is treated as the rest.
std::string EncodeExec(std::string_view command) {
    if (command.starts_with('"')) {
        const std::size_t close = command.find('"', 1);
        if (close != std::string_view::npos) {
            std::string exec = "\"";
            for (const char c : command.substr(1, close - 1)) {
                if (NeedsBackslashInQuotes(c)) {
                    exec += '\\';
                }
                exec += c;
                if (c == '%') {
                    exec += '%';
                }
            }
            exec += '"';
            exec += DoublePercents(command.substr(close + 1));
            return exec;
        }
    }
    return DoublePercents(command);
}

// The program a command line starts: its leading quoted path, else its first word.
std::string_view ProgramOf(std::string_view command) {
    if (command.starts_with('"')) {
        const std::size_t close = command.find('"', 1);
        if (close != std::string_view::npos) {
            return command.substr(1, close - 1);
        }
    }
    return command.substr(0, command.find_first_of(" \t\r\n"));
}

std::string DecodeExec(std::string_view exec) {
    if (exec.starts_with('"')) {
        std::string path;
        for (std::size_t i = 1; i < exec.size(); ++i) {
            const char c = exec[i];
            if (c == '"') {
                return "\"" + path + "\"" + UndoublePercents(exec.substr(i + 1));
            }
            const bool backslashPair = c == '\\' && i + 1 < exec.size();
            const bool percentPair = c == '%' && i + 1 < exec.size() && exec[i + 1] == '%';
            if (backslashPair || percentPair) {
                ++i;
                path += exec[i];
            } else {
                path += c;
            }
        }
    }
    return UndoublePercents(exec);
}

// The escapes of a desktop entry string value. Spaces at either end are written as "\s" because
// readers drop white space around the "=".
std::string EscapeString(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case ' ':
                escaped += (first == std::string_view::npos || i < first || i > last) ? "\\s" : " ";
                break;
            default:
                escaped += text[i];
                break;
        }
    }
    return escaped;
}

std::string UnescapeString(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        switch (text[i + 1]) {
            case 's':
                plain += ' ';
                break;
            case 'n':
                plain += '\n';
                break;
            case 't':
                plain += '\t';
                break;
            case 'r':
                plain += '\r';
                break;
            case '\\':
                plain += '\\';
                break;
            default:
                // Not an escape: the backslash stays, the next character is read on its own.
                plain += '\\';
                continue;
        }
        ++i;
    }
    return plain;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct Entry {
    std::string name;  // Windows-1251
    fs::path path;
};

// The desktop entries of the folder, in directory order; nothing when the folder cannot be read.
std::optional<std::vector<Entry>> ListEntries(const fs::path& folder) {
    std::error_code error;
    fs::directory_iterator iterator(folder, error);
    if (error) {
        return std::nullopt;
    }
    std::vector<Entry> entries;
    for (; iterator != fs::directory_iterator(); iterator.increment(error)) {
        if (error) {
            break;
        }
        const std::string fileName = PathUtf8(iterator->path().filename());
        if (fileName.size() <= kExtension.size() || !fileName.ends_with(kExtension)) {
            continue;
        }
        std::error_code statusError;
        if (!fs::is_regular_file(iterator->status(statusError))) {
            continue;
        }
        // A name that is not UTF-8 was not written by us and could not be addressed anyway.
        std::optional<std::string> name =
            Utf8ToCp1251(std::string_view(fileName).substr(0, fileName.size() - kExtension.size()));
        if (name) {
            entries.push_back({std::move(*name), iterator->path()});
        }
    }
    return entries;
}

std::optional<std::string> ReadWholeFile(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::string DesktopEntryText(std::string_view name, std::string_view command) {
    std::string text(kGroupHeader);
    text += "\nType=Application\nName=";
    text += EscapeString(name);
    text += "\nExec=";
    text += EscapeString(EncodeExec(command));
    // The desktop skips an entry whose program is gone (a removed package, a deleted portable
    // copy) instead of failing to start it at every login.
    if (const std::string_view program = ProgramOf(command); !program.empty()) {
        text += "\nTryExec=";
        text += EscapeString(program);
    }
    text += "\nX-GNOME-Autostart-enabled=true\n";
    // Desktop entries are UTF-8; the frame is ASCII, so this converts the name and the command.
    return Cp1251ToUtf8(text);
}

namespace {

// The raw value of `key` in the [Desktop Entry] group, leading blanks removed; the first line
// holding the key counts.
std::optional<std::string_view> EntryValue(std::string_view entryText, std::string_view key) {
    if (entryText.starts_with(kByteOrderMark)) {
        entryText.remove_prefix(kByteOrderMark.size());
    }
    bool inGroup = false;
    std::size_t begin = 0;
    while (begin < entryText.size()) {
        std::size_t end = entryText.find('\n', begin);
        if (end == std::string_view::npos) {
            end = entryText.size();
        }
        std::string_view line = entryText.substr(begin, end - begin);
        begin = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::string_view trimmed = TrimBlanks(line);
        if (trimmed.starts_with('[')) {
            inGroup = trimmed == kGroupHeader;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGroup || trimmed.starts_with('#') || equals == std::string_view::npos ||
            TrimBlanks(line.substr(0, equals)) != key) {
            continue;
        }
        std::string_view value = line.substr(equals + 1);
        value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
        return value;
    }
    return std::nullopt;
}

// The user turns an entry off in the desktop's settings without deleting it.
bool IsTurnedOff(std::string_view entryText) {
    const auto hidden = EntryValue(entryText, "Hidden");
    const auto enabled = EntryValue(entryText, "X-GNOME-Autostart-enabled");
    return (hidden && TrimBlanks(*hidden) == "true") ||
           (enabled && TrimBlanks(*enabled) == "false");
}

}  // namespace

std::optional<std::string> DesktopEntryCommand(std::string_view entryText) {
    const auto value = EntryValue(entryText, "Exec");
    if (!value || IsTurnedOff(entryText)) {
        return std::nullopt;
    }
    const std::string utf8 = UnescapeString(*value);
    // A hand-made entry in some other encoding still gives its bytes back.
    return DecodeExec(Utf8ToCp1251(utf8).value_or(utf8));
}

AutostartEntries::AutostartEntries(std::filesystem::path folder) : folder_(std::move(folder)) {}

// An entry written with another letter case is the same value, as registry value names are.
std::filesystem::path AutostartEntries::EntryPath(std::string_view name) const {
    fs::path exact = folder_ / PathFromUtf8(Cp1251ToUtf8(name) + std::string(kExtension));
    std::error_code error;
    if (fs::exists(fs::symlink_status(exact, error))) {
        return exact;
    }
    if (const auto entries = ListEntries(folder_)) {
        for (const Entry& entry : *entries) {
            if (EqualsNoCaseCp1251(entry.name, name)) {
                return entry.path;
            }
        }
    }
    return exact;
}

std::optional<std::string> AutostartEntries::ReadValue(std::string_view name) const {
    if (!IsUsableName(name) || folder_.empty()) {
        return std::nullopt;
    }
    const std::optional<std::string> text = ReadWholeFile(EntryPath(name));
    if (!text) {
        return std::nullopt;
    }
    return DesktopEntryCommand(*text);
}

bool AutostartEntries::WriteValue(std::string_view name, std::string_view command) {
    if (!IsUsableName(name) || folder_.empty()) {
        return false;
    }
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) {
        return false;
    }
    const fs::path entry = EntryPath(name);
    const std::string text = DesktopEntryText(name, command);
    if (ReadWholeFile(entry) == text) {
        return true;
    }
    try {
        WriteFileAtomically(entry, text);
    } catch (const FileWriteError&) {
        return false;
    }
    return true;
}

bool AutostartEntries::DeleteValue(std::string_view name) {
    if (!IsUsableName(name) || folder_.empty()) {
        return true;
    }
    const fs::path entry = EntryPath(name);
    // Turned off already: the user's entry may hide a system-wide one, which removing it would
    // bring back to life.
    if (const auto text = ReadWholeFile(entry); text && IsTurnedOff(*text)) {
        return true;
    }
    std::error_code error;
    fs::remove(entry, error);
    std::error_code statusError;
    return !fs::exists(fs::symlink_status(entry, statusError));
}

std::optional<std::vector<std::string>> AutostartEntries::ValueNames() const {
    if (folder_.empty()) {
        return std::nullopt;
    }
    const auto entries = ListEntries(folder_);
    if (!entries) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(entries->size());
    for (const Entry& entry : *entries) {
        names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = CompareNoCaseCp1251(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

}  // namespace tagforge
