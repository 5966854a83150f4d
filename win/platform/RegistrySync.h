#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/platform/RegistryKey.h"

namespace pwk::win {

// The writes that make one registry tree hold exactly what another holds, planned by reading
// both, so that only what differs is written: a value missing or different is set, a value or
// key the source lacks is removed, and a name spelled otherwise is written again in the
// source's spelling. Applying the plan can be repeated after a crash half way and ends the same.
class RegistrySync {
  public:
    // The plan for `target` (created when missing) from `source`, both below `root`; the status
    // of a failed read in `status`.
    static RegistrySync Plan(HKEY root, const std::wstring& source, const std::wstring& target,
                             LONG& status);

    bool Empty() const { return steps_.empty(); }
    LONG Apply(HKEY root) const;

  private:
    struct Step {
        enum class Kind { Create, Set, RemoveValue, RemoveTree };
        Kind What = Kind::Set;
        std::wstring Key;
        RegistryKey::RawValue Value;  // its name only, to remove one
    };

    void PlanKey(const RegistryKey& from, const RegistryKey* to, const std::wstring& target,
                 LONG& status);

    std::vector<Step> steps_;
};

}  // namespace pwk::win
