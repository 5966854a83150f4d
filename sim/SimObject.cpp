#include "sim/SimObject.h"

#include "src/util/Failure.h"

namespace pwk::sim {

void SimObject::Invalidate(std::int32_t number, std::string description) {
    invalid_ = Invalid{number, std::move(description)};
}

void SimObject::Enter(std::string_view member) const {
    static_cast<void>(EnterCall(member, false));
}

bool SimObject::EnterGetter(std::string_view member) const {
    return EnterCall(member, true);
}

bool SimObject::EnterCall(std::string_view member, bool objectGetter) const {
    const std::string type = AuditType();
    const bool nothing = core_->BeforeCall(type, member, objectGetter);
    if (invalid_) {
        throw Failure(invalid_->number, invalid_->description, type + "." + std::string(member));
    }
    return nothing;
}

}  // namespace pwk::sim
