#pragma once

namespace pwk {

// Base of every external component object the platform creates by ProgID; callers cast it
// to the interface they expect and treat a mismatch as a failure to create.
class AutomationObject {
  public:
    virtual ~AutomationObject() = default;
};

}  // namespace pwk
