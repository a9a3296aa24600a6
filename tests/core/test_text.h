#pragma once

#include <cstdint>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/format/cp1251.h"
#include "core/format/random_source.h"

namespace tagforge::test {

// Test sources are UTF-8; the core works on Windows-1251 bytes.
inline std::string W(std::string_view utf8) {
    auto converted = Utf8ToCp1251(utf8);
    if (!converted) {
        throw std::invalid_argument("test text is not UTF-8");
    }
    return *converted;
}

inline std::string U(std::string_view cp1251) {
    return Cp1251ToUtf8(cp1251);
}

// The colour codes of a result's colour tags, in order.
inline std::vector<std::string> TagCodes(const std::string& text) {
    static const std::regex kTag("<font color=([0-9A-F]{6})>");
    std::vector<std::string> codes;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kTag);
         it != std::sregex_iterator(); ++it) {
        codes.push_back((*it)[1]);
    }
    return codes;
}

// The CR LF-terminated lines of a page. Text after the last CR LF comes back as one more line
// marked as unterminated, so a comparison with the expected lines fails on it.
inline std::vector<std::string> CrLfLines(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end = page.find("\r\n"); end != std::string::npos;
         end = page.find("\r\n", begin)) {
        lines.push_back(page.substr(begin, end - begin));
        begin = end + 2;
    }
    if (begin != page.size()) {
        lines.push_back("<no CR LF after: " + page.substr(begin) + ">");
    }
    return lines;
}

// Hands out the numbers a test lists, in order, then repeats the last one.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<std::uint32_t> numbers) : numbers_(std::move(numbers)) {}
    std::uint32_t Next() override {
        ++draws_;
        if (next_ < numbers_.size()) {
            return numbers_[next_++];
        }
        return numbers_.empty() ? 0 : numbers_.back();
    }
    void Seed(std::uint32_t seed) override { seeds_.push_back(seed); }

    int draws() const { return draws_; }
    const std::vector<std::uint32_t>& seeds() const { return seeds_; }

  private:
    std::vector<std::uint32_t> numbers_;
    std::size_t next_ = 0;
    int draws_ = 0;
    std::vector<std::uint32_t> seeds_;
};

}  // namespace tagforge::test
