#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win/platform/RegistryKey.h"

namespace pwk::win {

class RegistryReadCache;

// A registry key and everything below it, held in memory: read from the registry in one walk
// (each key opened once, its values listed with their data), changed here, and compared with
// another such tree to write only what differs. Names compare as the registry compares them;
// a name keeps the spelling it was first stored with.
class RegistryTree {
  public:
    using Value = RegistryKey::RawValue;

    // The key at `path` below `root`, read whole; nothing when it does not exist (`status` then
    // ERROR_FILE_NOT_FOUND) or when a read fails (its status). With a cache, each key whose
    // state is the one kept is taken from it instead of being listed.
    static std::optional<RegistryTree> Load(HKEY root, const std::wstring& path, LONG& status,
                                            RegistryReadCache* cache = nullptr);

    // A name as the registry compares it.
    static std::wstring Folded(std::wstring name) { return RegistryKey::Folded(std::move(name)); }

    // The key at a relative path ("A\B"), or null; the empty path is this key.
    const RegistryTree* Find(const std::wstring& path) const;
    // The key at a relative path, made with the spelling given where missing.
    RegistryTree& Make(const std::wstring& path);
    // Removes the key at a relative path with everything below it; false when there is none.
    bool Remove(const std::wstring& path);
    // Removes every value and key below this one.
    void Clear();

    // Sets a value; one already there under another spelling keeps its spelling.
    void Set(Value value);
    // Removes the value of that name, if there is one.
    void RemoveValue(const std::wstring& name) { values_.erase(Folded(name)); }
    bool IsEmpty() const { return values_.empty() && keys_.empty(); }

    // The key's name as spelled (empty for the tree's top).
    const std::wstring& Name() const { return name_; }
    // By folded name.
    const std::map<std::wstring, Value>& Values() const { return values_; }
    const std::map<std::wstring, RegistryTree>& Keys() const { return keys_; }

  private:
    LONG Read(const RegistryKey& key, const std::wstring& path, RegistryReadCache& cache);

    std::wstring name_;
    std::map<std::wstring, Value> values_;
    std::map<std::wstring, RegistryTree> keys_;
};

}  // namespace pwk::win
