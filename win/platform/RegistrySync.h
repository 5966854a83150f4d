#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/platform/RegistryKey.h"

namespace pwk::win {

class RegistryTree;

// The writes that make one registry tree hold exactly what another holds, planned by comparing
// the two, so that only what differs is written: a value missing or different is set, a value or
// key the source lacks is removed, and a name spelled otherwise is written again in the
// source's spelling. Applying the plan can be repeated after a crash half way and ends the same.
// A plan can be kept as values of a key and read back, to be applied by another process.
class RegistrySync {
  public:
    // The plan for `target` (created when missing) from `source`, both below `root`; the status
    // of a failed read in `status`.
    static RegistrySync Plan(HKEY root, const std::wstring& source, const std::wstring& target,
                             LONG& status);
    // The plan that makes the key `target` hold what `wanted` holds, `held` being what it holds
    // now (null when it does not exist).
    static RegistrySync Plan(const RegistryTree& wanted, const RegistryTree* held,
                             const std::wstring& target);
    // The plan that removes `target` with everything below it.
    static RegistrySync Removal(const std::wstring& target);

    // Adds the other plan's steps after these.
    void Append(const RegistrySync& other);
    bool Empty() const { return steps_.empty(); }
    LONG Apply(HKEY root) const;
    // Whether a step writes at or below the key `path` / makes `tree`, read from that key, hold
    // what applying the plan would leave there, without writing to the registry.
    bool Touches(const std::wstring& path) const;
    void Overlay(RegistryTree& tree, const std::wstring& path) const;

    // Writes the steps as binary values of `key` / reads back those written so.
    LONG Keep(const RegistryKey& key) const;
    static RegistrySync Kept(const RegistryKey& key, LONG& status);

  private:
    struct Step {
        enum class Kind : DWORD { Create, Set, RemoveValue, RemoveTree };
        Kind What = Kind::Set;
        std::wstring Key;
        RegistryKey::RawValue Value;  // its name only, to remove one
    };

    void PlanKey(const RegistryTree& from, const RegistryTree* to, const std::wstring& target);

    std::vector<Step> steps_;
};

}  // namespace pwk::win
