#pragma once

#include <windows.h>

#include <string>

#include "src/platform/ObjectFactories.h"

namespace pwk::bridge {

// Offers a component by ProgID to this process while it lives, as if it were installed: a
// class object registered with COM under a new class identifier, and the ProgID's keys under
// HKEY_CLASSES_ROOT (Wine does not read the current user's classes there), so that
// CLSIDFromProgID and CoCreateInstance in the component under test find it. Needs COM
// initialised on this thread; the keys and the class object go with it.
class ClassRegistration {
  public:
    ClassRegistration(const std::string& progId, ObjectFactories::Factory factory);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;

    // Whether both the keys and the class object are in place.
    bool Registered() const { return registered_; }

  private:
    std::wstring progId_;
    std::wstring clsidText_;
    DWORD cookie_ = 0;
    bool registered_ = false;
};

}  // namespace pwk::bridge
