#include "src/tracking/SettingsChanges.h"

#include <limits>
#include <string>

#include "src/platform/SettingsStore.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Failure.h"

namespace pwk {

std::int64_t SettingsChanges::Read(SettingsStore& store) {
    const std::string text = store.GetSetting(AppName, Section, Key, "0");
    try {
        return TextToInteger<std::int64_t>(text);
    } catch (const Failure&) {
        // A count damaged by hand starts again: the next save writes 1, still a change.
        return 0;
    }
}

std::int64_t SettingsChanges::Raise(SettingsStore& store) {
    const std::int64_t count = Read(store);
    const std::int64_t next = count == std::numeric_limits<std::int64_t>::max() ? 1 : count + 1;
    store.SaveSetting(AppName, Section, Key, std::to_string(next));
    return next;
}

std::int64_t SettingsChanges::RaiseIfChanged(SettingsStore& store) {
    return store.BatchChanges() ? Raise(store) : Read(store);
}

}  // namespace pwk
