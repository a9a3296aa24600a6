#include "core/store/registry.h"

#include <cstddef>

namespace tagforge {

std::string JoinedKeyPath(std::string_view path) {
    std::string joined;
    std::size_t begin = 0;
    while (begin < path.size()) {
        std::size_t end = path.find('\\', begin);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > begin) {
            if (!joined.empty()) {
                joined += '\\';
            }
            joined.append(path.substr(begin, end - begin));
        }
        begin = end + 1;
    }
    return joined;
}

bool Registry::ApplyOne(const RegistryChange& change) {
    switch (change.kind) {
        case RegistryChange::Kind::CreateKey:
            return CreateKey(change.root, change.path);
        case RegistryChange::Kind::WriteValue:
            return WriteValue(change.root, change.path, change.name, change.data);
        case RegistryChange::Kind::DeleteValue:
            return DeleteValue(change.root, change.path, change.name);
        case RegistryChange::Kind::DeleteKey:
            return DeleteKey(change.root, change.path);
    }
    return false;
}

std::vector<bool> Registry::Apply(const std::vector<RegistryChange>& changes) {
    std::vector<bool> stored;
    stored.reserve(changes.size());
    for (const RegistryChange& change : changes) {
        stored.push_back(ApplyOne(change));
    }
    return stored;
}

}  // namespace tagforge
