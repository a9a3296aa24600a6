// The INI engine: any text, any writes. Reads never fail, and a batch of writes leaves exactly
// the text the same writes one by one leave.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/ini_file.h"
#include "core/store/ini_text.h"
#include "fuzz_support.h"

namespace {

using tagforge::fuzz::Check;

// Names are short and drawn from few letters, so writes often meet existing lines.
std::string Name(FuzzedDataProvider& data) {
    static constexpr char kLetters[] = {'a', 'A',  'b',  ' ',  '[', ']',    '=',
                                        ';', '\r', '\n', '\0', '"', '\xC0', '\xE0'};
    std::string name;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, 4);
    for (std::size_t i = 0; i < length; ++i) {
        name += data.PickValueInArray(kLetters);
    }
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string text = data.ConsumeRandomLengthString(4096);
    std::vector<tagforge::IniEntry> writes;
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 8);
    for (std::size_t i = 0; i < count; ++i) {
        std::string section = Name(data);
        std::string key = Name(data);
        writes.push_back({std::move(section), std::move(key), Name(data)});
    }

    const tagforge::IniIndex index(text);
    for (const tagforge::IniEntry& write : writes) {
        (void)index.FindKey(write.section, write.key);
    }
    std::string oneByOne = text;
    for (const tagforge::IniEntry& write : writes) {
        oneByOne = tagforge::WithIniValue(oneByOne, write.section, write.key, write.value);
    }
    Check(tagforge::WithIniValues(text, index, writes) == oneByOne, "batch equals one by one");

    // What was written reads back, up to its NUL, when its names read back as themselves.
    const tagforge::IniIndex after(oneByOne);
    for (const tagforge::IniEntry& write : writes) {
        (void)after.FindKey(write.section, write.key);
    }
    for (const auto& name : after.SectionNames()) {
        Check(name.begin + name.size <= oneByOne.size(), "names lie inside the text");
    }
    (void)tagforge::ParseProfileInteger(text.substr(0, 40), -1);
    (void)tagforge::AtolWin32(text.substr(0, 40));
    return 0;
}
