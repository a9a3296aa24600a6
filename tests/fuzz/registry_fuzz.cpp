// The settings store on any file: reading never fails, the text of the keys reads back as the
// same keys, and a batch of changes leaves on disk what the store holds in memory.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/store/registry_file.h"
#include "fuzz_support.h"

namespace {

using tagforge::RegistryChange;
using tagforge::RegistryFile;
using tagforge::fuzz::Check;

bool SameKeys(const std::vector<RegistryFile::Key>& a, const std::vector<RegistryFile::Key>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].path != b[k].path || a[k].values.size() != b[k].values.size()) {
            return false;
        }
        for (std::size_t v = 0; v < a[k].values.size(); ++v) {
            if (a[k].values[v].name != b[k].values[v].name ||
                a[k].values[v].data != b[k].values[v].data) {
                return false;
            }
        }
    }
    return true;
}

std::string Part(FuzzedDataProvider& data) {
    static constexpr const char* kParts[] = {"A", "a", "B\\C", "\\", "", "%", "=", "[x]", "\r\n"};
    return data.PickValueInArray(kParts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string text = data.ConsumeRandomLengthString(4096);
    const std::vector<RegistryFile::Key> keys = tagforge::ParseRegistryKeys(text);
    Check(SameKeys(tagforge::ParseRegistryKeys(tagforge::SerializeRegistryKeys(keys)), keys),
          "keys survive their own text");

    const std::filesystem::path file = tagforge::fuzz::ScratchFile("store.registry", text);
    RegistryFile store(file);
    std::vector<RegistryChange> changes;
    while (data.remaining_bytes() > 0 && changes.size() < 16) {
        const auto kind = data.PickValueInArray(
            {RegistryChange::Kind::CreateKey, RegistryChange::Kind::WriteValue,
             RegistryChange::Kind::DeleteValue, RegistryChange::Kind::DeleteKey});
        std::string path = Part(data);
        std::string name = Part(data);
        changes.push_back({kind, tagforge::RegistryRoot::LocalMachine, std::move(path),
                           std::move(name), data.ConsumeRandomLengthString(16)});
    }
    if (store.Apply(changes)) {
        const RegistryFile reread(file);
        for (const RegistryChange& change : changes) {
            Check(reread.ReadValue(change.path, change.name) ==
                      store.ReadValue(change.path, change.name),
                  "disk and memory agree");
            Check(reread.ValueNames(change.path) == store.ValueNames(change.path),
                  "disk and memory list the same names");
        }
    }
    return 0;
}
