#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "src/platform/SettingsStore.h"

namespace pwk::settingstool {

// The settings store the tool works on, with the one thing the add-in's store interface does
// not offer: a listing of everything an application holds ("section|key=value" lines,
// sorted), which both store backends have.
class StoreAccess {
  public:
    template <class Store>
    static StoreAccess Of(Store& store, std::string name) {
        return StoreAccess(store, std::move(name),
                           [&store](const std::string& appName) { return store.Dump(appName); });
    }

    using Dumper = std::function<std::vector<std::string>(const std::string&)>;
    StoreAccess(SettingsStore& store, std::string name, Dumper dump)
        : store_(store), name_(std::move(name)), dump_(std::move(dump)) {}

    SettingsStore& Settings() const { return store_; }
    std::vector<std::string> Dump(const std::string& appName) const { return dump_(appName); }
    // How the administrator knows this store: the file's path.
    const std::string& Name() const { return name_; }

  private:
    SettingsStore& store_;
    std::string name_;
    Dumper dump_;
};

}  // namespace pwk::settingstool
