#include "tools/settings/SettingKey.h"

#include <algorithm>
#include <cstdint>

#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Failure.h"
#include "store/SectionPath.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

std::vector<SettingKey> SettingKey::All() {
    using Role = SettingsLayout::Role;
    std::vector<SettingKey> keys;
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.role == Role::Kept) {
            keys.push_back({entry.Section, entry.Key, Kind::Text});
        } else if (entry.role == Role::Option) {
            // FirstRun and Version record the add-in's own saves; the foldersets have commands.
            keys.push_back(
                {entry.Section, entry.Key, entry.IsSwitch() ? Kind::Switch : Kind::Number});
        }
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const SettingKey& a, const SettingKey& b) { return a.kind < b.kind; });
    return keys;
}

std::optional<SettingKey> SettingKey::Find(const std::string& name) {
    const std::string folded = SectionPath::Fold(name);
    for (const SettingKey& key : All()) {
        if (SectionPath::Fold(key.Key) == folded) {
            return key;
        }
    }
    return std::nullopt;
}

std::string SettingKey::StoredText(const std::string& value) const {
    switch (kind) {
        case Kind::Switch: {
            // Only the words: the add-in would also take numbers, but "set X 2" is more
            // likely a slip than a wish.
            const std::string folded = SectionPath::Fold(value);
            if (folded != "true" && folded != "false") {
                throw ToolError(std::string(Key) + " takes true or false, not \"" + value + "\"");
            }
            return BooleanText(folded == "true");
        }
        case Kind::Number:
            try {
                return std::to_string(TextToInteger<std::int32_t>(value));
            } catch (const Failure&) {
                throw ToolError(std::string(Key) +
                                " takes a whole number from -2147483648 to 2147483647, not \"" +
                                value + "\"");
            }
        case Kind::Text:
            if (value.find_first_of("\r\n") != std::string::npos) {
                throw ToolError(std::string(Key) + " takes one line of text");
            }
            break;
    }
    return value;
}

}  // namespace pwk::settingstool
