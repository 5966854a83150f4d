#pragma once

#include <windows.h>

#include <map>
#include <memory>
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
//
// A copy shares the keys below its top with the original until one of them changes a key: the
// change copies that key and those above it first. A batch's image starts as a copy of the
// settings read (thousands of values), most of which the save removes and writes again; and a
// key still shared by two trees holds the same in both, which a comparison need not look into.
class RegistryTree {
  public:
    using Value = RegistryKey::RawValue;
    // The keys directly below, by folded name; a key may be shared with copies of the tree.
    using Subkeys = std::map<std::wstring, std::shared_ptr<RegistryTree>>;

    // The key at `path` below `root`, read whole; nothing when it does not exist (`status` then
    // ERROR_FILE_NOT_FOUND) or when a read fails (its status). With a cache, each key whose
    // state is the one kept is taken from it instead of being listed, and a key the cache
    // vouches for (RegistryReadCache::Trusted) is not even opened, unless a key below it must be
    // read: the walk opens each key below the one above it, as it always does.
    static std::optional<RegistryTree> Load(HKEY root, const std::wstring& path, LONG& status,
                                            RegistryReadCache* cache = nullptr);

    // A name as the registry compares it.
    static std::wstring Folded(std::wstring name) { return RegistryKey::Folded(std::move(name)); }

    // The key at a relative path ("A\B"), or null; the empty path is this key.
    const RegistryTree* Find(const std::wstring& path) const;
    // The key at a relative path, made with the spelling given where missing, and this tree's
    // own (no longer shared) until the tree is copied again.
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
    const Subkeys& Keys() const { return keys_; }

  private:
    class WalkKey;

    LONG Read(WalkKey& key, const std::wstring& path, RegistryReadCache& cache);
    // The key below of that folded name, made (named `name`) when missing, copied when shared.
    RegistryTree& Own(const std::wstring& folded, const std::wstring& name);

    std::wstring name_;
    std::map<std::wstring, Value> values_;
    Subkeys keys_;
};

}  // namespace pwk::win
