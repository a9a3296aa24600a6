#include "core/store/settings_batch.h"

namespace tagforge {

namespace {

using Kind = RegistryChange::Kind;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;

}  // namespace

void SettingsBatch::AddText(const SettingValue& value, std::string_view text) {
    const std::string path(value.keyPath);
    changes_.push_back({Kind::CreateKey, value.root, path, {}, {}});
    if (text.empty()) {
        changes_.push_back({Kind::DeleteValue, value.root, path, std::string(value.name), {}});
    } else {
        changes_.push_back(
            {Kind::WriteValue, value.root, path, std::string(value.name), std::string(text)});
    }
    parts_.push_back({value.keyPath, changes_.size()});
}

void SettingsBatch::AddNameList(std::string_view keyPath, const std::vector<std::string>& names) {
    const std::string path(keyPath);
    changes_.reserve(changes_.size() + names.size() + 2);
    changes_.push_back({Kind::DeleteKey, kMachine, path, {}, {}});
    changes_.push_back({Kind::CreateKey, kMachine, path, {}, {}});
    for (const std::string& name : names) {
        changes_.push_back({Kind::WriteValue, kMachine, path, name, {}});
    }
    parts_.push_back({keyPath, changes_.size()});
}

std::vector<std::string_view> SettingsBatch::FailedKeys(const std::vector<bool>& stored) const {
    std::vector<std::string_view> failed;
    std::size_t begin = 0;
    for (const Part& part : parts_) {
        bool whole = part.end <= stored.size();
        for (std::size_t i = begin; whole && i < part.end; ++i) {
            whole = stored[i];
        }
        if (!whole) {
            failed.push_back(part.keyPath);
        }
        begin = part.end;
    }
    return failed;
}

}  // namespace tagforge
