#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/registry.h"

namespace tagforge::test {

// A store that hands every single change to another one; a test derives from it to watch or
// reshape the batch calls while the values still land in a real store.
class ForwardingRegistry : public Registry {
  public:
    explicit ForwardingRegistry(Registry& inner) : inner_(inner) {}

    bool KeyExists(RegistryRoot r, std::string_view p) const override {
        return inner_.KeyExists(r, p);
    }
    bool CreateKey(RegistryRoot r, std::string_view p) override { return inner_.CreateKey(r, p); }
    std::optional<std::string> ReadValue(RegistryRoot r, std::string_view p,
                                         std::string_view n) const override {
        return inner_.ReadValue(r, p, n);
    }
    bool WriteValue(RegistryRoot r, std::string_view p, std::string_view n,
                    std::string_view d) override {
        return inner_.WriteValue(r, p, n, d);
    }
    bool DeleteValue(RegistryRoot r, std::string_view p, std::string_view n) override {
        return inner_.DeleteValue(r, p, n);
    }
    bool DeleteKey(RegistryRoot r, std::string_view p) override { return inner_.DeleteKey(r, p); }
    std::optional<std::vector<std::string>> ValueNames(RegistryRoot r,
                                                       std::string_view p) const override {
        return inner_.ValueNames(r, p);
    }

  protected:
    Registry& inner() { return inner_; }

  private:
    Registry& inner_;
};

}  // namespace tagforge::test
