#pragma once

#include <cstdint>

namespace pwk {

class SettingsStore;

// How many saves the settings have had, by the add-in and the settings tool alike, so that a
// program about to save can tell whether another one saved since it last read. The count lies
// under an application name of its own: no reader of the settings' layout meets it, and the
// add-in's save, which clears everything under the product title, leaves it.
class SettingsChanges {
  public:
    static constexpr const char* AppName = "Parleywick Changes";
    static constexpr const char* Section = "Saves";
    static constexpr const char* Key = "Count";

    // The count; 0 when none is stored (no program counted yet) or it is not a count.
    static std::int64_t Read(SettingsStore& store);
    // Raises the count by one and gives the new count. Called inside the batch of the save it
    // counts, so that the two land together or not at all.
    static std::int64_t Raise(SettingsStore& store);
    // The same when the running batch changed the store; else the count as it stands. A save
    // that writes back what was stored (every start's) is nothing another program must notice.
    static std::int64_t RaiseIfChanged(SettingsStore& store);
};

}  // namespace pwk
