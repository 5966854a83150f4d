#include "winharness/bridge/MemberTable.h"

#include "winharness/bridge/MemberIds.h"

namespace pwk::bridge {

MemberTable& MemberTable::Add(const std::string& name, Reader read, Writer write) {
    members_[MemberIds::Instance().Of(name)] = Member{std::move(read), std::move(write)};
    return *this;
}

MemberTable& MemberTable::AddValue(Reader read) {
    members_[DISPID_VALUE] = Member{std::move(read), {}};
    return *this;
}

const MemberTable::Member* MemberTable::Find(DISPID id) const {
    const auto found = members_.find(id);
    return found == members_.end() ? nullptr : &found->second;
}

std::optional<DISPID> MemberTable::IdOf(const std::string& name) const {
    const auto id = MemberIds::Instance().Find(name);
    if (!id || members_.count(*id) == 0) {
        return std::nullopt;
    }
    return id;
}

}  // namespace pwk::bridge
