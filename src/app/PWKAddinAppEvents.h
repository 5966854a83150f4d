#pragma once

namespace pwk {

// Events of the application object.
class PWKAddinAppEvents {
  public:
    virtual ~PWKAddinAppEvents() = default;
    // Raised once, at the end of AskedToQuit: everything of the host has been released.
    virtual void Quit() {}
};

}  // namespace pwk
