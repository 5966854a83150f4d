#include "tools/settings/SettingKey.h"

#include <array>
#include <cstdint>

#include "src/util/Failure.h"
#include "src/tracking/TextConversion.h"
#include "store/SectionPath.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

namespace {

constexpr std::array<SettingKey, 8> kKeys = {{
    {"Tracking", "TrackUnlinkedEmail", SettingKey::Kind::Switch},
    {"Tracking", "JournalEmails", SettingKey::Kind::Switch},
    {"Tracking", "SaveLinksByRef", SettingKey::Kind::Switch},
    {"Tracking", "TrackAppointments", SettingKey::Kind::Switch},
    {"Tracking", "UseSentMailFolder", SettingKey::Kind::Switch},
    {"Logging", "LogLevel", SettingKey::Kind::Number},
    {"Logging", "LogPath", SettingKey::Kind::Text},
    {"Logging", "LogFilename", SettingKey::Kind::Text},
}};

}  // namespace

const SettingKey* SettingKey::Find(const std::string& name) {
    const std::string folded = SectionPath::Fold(name);
    for (const SettingKey& key : kKeys) {
        if (SectionPath::Fold(key.Key) == folded) {
            return &key;
        }
    }
    return nullptr;
}

std::vector<std::string> SettingKey::Names() {
    std::vector<std::string> names;
    for (const SettingKey& key : kKeys) {
        names.emplace_back(key.Key);
    }
    return names;
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
