#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/registry.h"
#include "core/store/settings.h"

namespace tagforge {

// One save of setting values and name lists as a single batch of registry changes, so each
// store file takes all of them in one replacement; each value or list is one part, reported on
// its own when it could not be stored.
class SettingsBatch {
  public:
    // Makes the value's key, then writes the text, or deletes the value when the text is empty:
    // an empty text is never stored, so it reads back as its default.
    void AddText(const SettingValue& value, std::string_view text);
    // Replaces a name list whole: the key is deleted and made anew with one empty value per name.
    void AddNameList(std::string_view keyPath, const std::vector<std::string>& names);

    const std::vector<RegistryChange>& changes() const { return changes_; }

    // The key path of each part that was not stored in full, in the order of the parts;
    // `stored` holds one flag per change, as Registry::Apply gives them.
    std::vector<std::string_view> FailedKeys(const std::vector<bool>& stored) const;

  private:
    struct Part {
        std::string_view keyPath;
        std::size_t end;  // one past its last change
    };

    std::vector<RegistryChange> changes_;
    std::vector<Part> parts_;
};

}  // namespace tagforge
