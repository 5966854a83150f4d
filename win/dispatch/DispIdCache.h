#pragma once

#include <oaidl.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace pwk::win {

// The member numbers of the host's objects, asked for once per name and object type: the host
// answers the same for every object of a type, and asking costs a round trip per call.
// Names are matched without regard to case, as the host matches them. A type is known by its
// type_info object, one per type within the module. Every late-bound call looks its member up
// here: the adapters name members by literals, so a name is first looked for where its
// characters are (and compared), and only then hashed into a flat table probed in place. A
// lookup neither copies the name nor allocates.
class DispIdCache {
  public:
    static DispIdCache& Instance();

    // The number of `name` on objects of `type`, asking `object` the first time.
    DISPID Lookup(IDispatch* object, const std::type_info& type, std::string_view name);

  private:
    struct Recent {
        const std::type_info* type = nullptr;
        const char* data = nullptr;
        std::size_t slot = 0;
    };
    struct Slot {
        const std::type_info* type = nullptr;  // null: a free slot
        std::size_t hash = 0;
        std::string name;
        DISPID id = DISPID_UNKNOWN;
    };

    // The slot of (type, name), or the free slot where it goes.
    std::size_t Find(const std::type_info* type, std::string_view name, std::size_t hash) const;
    void Grow();

    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t used_ = 0;
    std::array<Recent, 128> recent_{};
};

}  // namespace pwk::win
