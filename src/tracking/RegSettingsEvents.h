#pragma once

namespace pwk {

// Events of RegSettings.
class RegSettingsEvents {
  public:
    virtual ~RegSettingsEvents() = default;
    // The content was replaced (by ReadReg or UpdateFrom); raised after every property has its
    // new value, before the call that raised it returns.
    virtual void Updated() {}
};

}  // namespace pwk
