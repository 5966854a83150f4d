#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pwk::settingstool {

// A value the administrator may set with `set`: the add-in's options and the log location
// kept for start-up (SettingsLayout), each in its section and in the text form the add-in
// reads.
class SettingKey {
  public:
    enum class Kind { Switch, Number, Text };

    // The key of that name, in any letter case; nothing when there is none.
    static std::optional<SettingKey> Find(const std::string& name);
    // Every settable key, in the order help lists them: switches, numbers, texts.
    static std::vector<SettingKey> All();

    // The text to store for what the administrator typed; refuses a value of the wrong kind.
    std::string StoredText(const std::string& value) const;

    const char* Section;
    const char* Key;
    Kind kind;
};

}  // namespace pwk::settingstool
