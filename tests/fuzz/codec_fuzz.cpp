// The Windows-1251 / UTF-8 codec: every byte string survives a trip through UTF-8, and valid
// UTF-8 always converts; restoring character references never changes the stored bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/format/cp1251.h"
#include "fuzz_support.h"

using tagforge::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const std::string utf8 = tagforge::Cp1251ToUtf8(input);
    const auto back = tagforge::Utf8ToCp1251(utf8);
    Check(back.has_value() && *back == input, "Windows-1251 survives a trip through UTF-8");
    Check(tagforge::Utf8ToCp1251(tagforge::Cp1251ToUtf8RestoringReferences(input)) == input,
          "stored text shown with its characters restored is stored as the same bytes");

    const auto converted = tagforge::Utf8ToCp1251(input);
    if (converted) {
        // Whatever converts, converts back to UTF-8 that converts to the same bytes again.
        Check(tagforge::Utf8ToCp1251(tagforge::Cp1251ToUtf8(*converted)) == converted,
              "converted text is stable");
    }
    Check(tagforge::ToLowerCp1251(input).size() == input.size(), "case mapping keeps length");
    Check(tagforge::EqualsNoCaseCp1251(tagforge::ToLowerCp1251(input), input),
          "a text equals its lower case without regard to case");
    return 0;
}
