#include "core/store/registry.h"

namespace tagforge {

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
