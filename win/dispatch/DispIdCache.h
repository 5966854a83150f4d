#pragma once

#include <oaidl.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>

namespace pwk::win {

// The member numbers of the host's objects, asked for once per name and object type: the host
// answers the same for every object of a type, and asking costs a round trip per call.
// Names are matched without regard to case, as the host matches them. A type is known by its
// type_info object, one per type within the module; a name is looked up without being copied.
class DispIdCache {
  public:
    static DispIdCache& Instance();

    // The number of `name` on objects of `type`, asking `object` the first time.
    DISPID Lookup(IDispatch* object, const std::type_info& type, std::string_view name);

  private:
    struct Key {
        const std::type_info* type;
        std::string_view name;
    };
    struct StoredKey {
        const std::type_info* type;
        std::string name;
        operator Key() const { return {type, name}; }  // NOLINT: lookups compare as keys
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(const Key& key) const;
        std::size_t operator()(const StoredKey& key) const { return (*this)(Key(key)); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(const Key& a, const Key& b) const;
    };

    std::unordered_map<StoredKey, DISPID, Hash, Equal> ids_;
};

}  // namespace pwk::win
