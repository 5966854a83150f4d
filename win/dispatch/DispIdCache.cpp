#include "win/dispatch/DispIdCache.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "src/util/Fnv1a.h"
#include "src/util/LinearProbe.h"
#include "win/combase/ComFailure.h"
#include "win/combase/WideText.h"

namespace pwk::win {
namespace {

// The names are ASCII: only A to Z fold.
char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// FNV-1a over the folded name, started from the type's address.
std::size_t HashOf(const std::type_info* type, std::string_view name) {
    Fnv1a fnv(reinterpret_cast<std::uintptr_t>(type));
    for (const char c : name) {
        fnv.Add(static_cast<unsigned char>(Folded(c)));
    }
    const std::uint64_t hash = fnv.Value();
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Folded(x) == Folded(y); });
}

}  // namespace

DispIdCache& DispIdCache::Instance() {
    static DispIdCache cache;
    return cache;
}

std::size_t DispIdCache::Find(const std::type_info* type, std::string_view name,
                              std::size_t hash) const {
    return LinearProbe(hash, slots_.size(), [&](std::size_t i) {
        const Slot& slot = slots_[i];
        return slot.type == nullptr ||
               (slot.hash == hash && slot.type == type && SameName(slot.name, name));
    });
}

void DispIdCache::Grow() {
    std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots_.size() * 2));
    for (Slot& slot : old) {
        if (slot.type != nullptr) {
            slots_[Find(slot.type, slot.name, slot.hash)] = std::move(slot);
        }
    }
    recent_.fill(Recent{});
}

DISPID DispIdCache::Lookup(IDispatch* object, const std::type_info& type, std::string_view name) {
    // Where this very name was found the last time it was looked up from the same place.
    Recent& recent = recent_[(reinterpret_cast<std::uintptr_t>(&type) >> 3 ^
                              reinterpret_cast<std::uintptr_t>(name.data())) %
                             recent_.size()];
    if (recent.type == &type && recent.data == name.data()) {
        const Slot& slot = slots_[recent.slot];
        if (slot.type == &type && slot.name == name) {
            return slot.id;
        }
    }
    const std::size_t hash = HashOf(&type, name);
    std::size_t at = Find(&type, name, hash);
    if (slots_[at].type == nullptr) {
        std::wstring wide = Widen(name);
        LPOLESTR names[] = {wide.data()};
        DISPID id = DISPID_UNKNOWN;
        Check(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id),
              std::string(name));
        // At most half full, so that a probe soon meets a free slot.
        if (2 * (used_ + 1) > slots_.size()) {
            Grow();
            at = Find(&type, name, hash);
        }
        slots_[at] = Slot{&type, hash, std::string(name), id};
        ++used_;
    }
    recent = Recent{&type, name.data(), at};
    return slots_[at].id;
}

}  // namespace pwk::win
