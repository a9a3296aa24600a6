#include "core/format/single_line.h"

#include <cstddef>

namespace tagforge {

std::string OnOneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        line.push_back(c == '\r' || c == '\n' ? ' ' : c);
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            ++pos;
        }
    }
    return line;
}

}  // namespace tagforge
