#include "win/dispatch/DispIdCache.h"

#include <cctype>

#include "win/combase/ComFailure.h"
#include "win/combase/WideText.h"

namespace pwk::win {

DispIdCache& DispIdCache::Instance() {
    static DispIdCache cache;
    return cache;
}

DISPID DispIdCache::Lookup(IDispatch* object, std::type_index type, const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const auto found = ids_.find({type, key});
    if (found != ids_.end()) {
        return found->second;
    }
    std::wstring wide = Widen(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    Check(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), name);
    ids_.emplace(std::make_pair(type, std::move(key)), id);
    return id;
}

}  // namespace pwk::win
