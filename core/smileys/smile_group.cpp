#include "core/smileys/smile_group.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/format/cp1251.h"
#include "core/platform/path_text.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "core/store/ini_file.h"
#include "core/store/tag_list.h"

namespace tagforge {

namespace {

constexpr char kCountSeparator = '|';
constexpr char kImageExtension[] = ".gif";

int UseCountOf(std::string_view entry) {
    const std::size_t separator = entry.find(kCountSeparator);
    if (separator == std::string_view::npos) {
        return 0;
    }
    // AtolWin32 saturates at 32 bits, so the count always fits.
    const long count = AtolWin32(entry.substr(separator + 1));
    return count < 0 ? 0 : static_cast<int>(count);
}

int CompareByUse(std::string_view a, std::string_view b) {
    const int usesA = UseCountOf(a);
    const int usesB = UseCountOf(b);
    if (usesA == usesB) {
        // std::string_view compares as unsigned bytes, the shorter of two prefixes first.
        const int order = a.compare(b);
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    // Both are non-negative 32-bit counts, so the difference cannot overflow.
    return usesB - usesA;
}

}  // namespace

SmileGroupReadError::SmileGroupReadError(const std::filesystem::path& path)
    : std::runtime_error("Cannot open file \"" + PathUtf8(path) + "\".") {}

std::string_view SmileEntryName(std::string_view entry) {
    return entry.substr(0, entry.find(kCountSeparator));
}

int GetSmileUseCount(const SmileEntries& entries, std::size_t index) {
    return UseCountOf(entries.at(index));
}

int CompareSmileUse(const SmileEntries& entries, std::size_t i, std::size_t j) {
    return CompareByUse(entries.at(i), entries.at(j));
}

void OrderSmileEntries(SmileEntries& entries, bool byUse) {
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const std::string& a, const std::string& b) { return CompareNoCaseCp1251(a, b) < 0; });
    if (!byUse) {
        return;
    }
    // The comparison decides every pair of different lines, so this order alone counts.
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const std::string& a, const std::string& b) { return CompareByUse(a, b) < 0; });
}

std::vector<std::string> SmileNames(const SmileEntries& entries) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const std::string& entry : entries) {
        names.emplace_back(SmileEntryName(entry));
    }
    return names;
}

bool AddSmileUse(SmileEntries& entries, std::string_view baseName) {
    const std::string wanted = std::string(baseName) + kImageExtension;
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
        return SmileEntryName(entry) == wanted;
    });
    if (found == entries.end()) {
        return false;
    }
    const std::int64_t uses = std::int64_t{UseCountOf(*found)} + 1;
    *found = wanted + kCountSeparator + std::to_string(uses);
    return true;
}

std::filesystem::path SmileGroupPath(const std::filesystem::path& programFolder,
                                     std::string_view groupName) {
    return DataFilePath(programFolder, kSmileGroupsFolder,
                        std::string(groupName) + kSmileGroupExtension);
}

SmileEntries ReadSmileGroup(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw SmileGroupReadError(file);
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        throw SmileGroupReadError(file);
    }
    const std::string text{std::istreambuf_iterator<char>(stream),
                           std::istreambuf_iterator<char>()};
    return SplitLines(text);
}

std::string SmileGroupText(const SmileEntries& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text.append(entry).append("\r\n");
    }
    return text;
}

void WriteSmileGroup(const std::filesystem::path& file, const SmileEntries& entries) {
    WriteFileAtomically(file, SmileGroupText(entries));
}

}  // namespace tagforge
