#include "win/dispatch/DispIdCache.h"

#include <algorithm>
#include <cstdint>
#include <functional>

#include "win/combase/ComFailure.h"
#include "win/combase/WideText.h"

namespace pwk::win {
namespace {

// The names are ASCII: only A to Z fold.
char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::size_t DispIdCache::Hash::operator()(const Key& key) const {
    // FNV-1a over the folded name, started from the type's address.
    std::uint64_t hash = 14695981039346656037ull ^ std::hash<const void*>()(key.type);
    for (const char c : key.name) {
        hash = (hash ^ static_cast<unsigned char>(Folded(c))) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

bool DispIdCache::Equal::operator()(const Key& a, const Key& b) const {
    return a.type == b.type && std::ranges::equal(a.name, b.name, [](char x, char y) {
               return Folded(x) == Folded(y);
           });
}

DispIdCache& DispIdCache::Instance() {
    static DispIdCache cache;
    return cache;
}

DISPID DispIdCache::Lookup(IDispatch* object, const std::type_info& type, std::string_view name) {
    const auto found = ids_.find(Key{&type, name});
    if (found != ids_.end()) {
        return found->second;
    }
    std::wstring wide = Widen(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    Check(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), std::string(name));
    ids_.emplace(StoredKey{&type, std::string(name)}, id);
    return id;
}

}  // namespace pwk::win
