#include "winharness/bridge/MemberIds.h"

#include <cctype>

namespace pwk::bridge {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

MemberIds& MemberIds::Instance() {
    static MemberIds ids;
    return ids;
}

DISPID MemberIds::Of(const std::string& name) {
    return ids_.try_emplace(Lower(name), kFirst + static_cast<DISPID>(ids_.size())).first->second;
}

std::optional<DISPID> MemberIds::Find(const std::string& name) const {
    const auto found = ids_.find(Lower(name));
    if (found == ids_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace pwk::bridge
