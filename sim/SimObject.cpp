#include "sim/SimObject.h"

#include "src/util/Failure.h"

namespace pwk::sim {

void SimObject::Invalidate(std::int32_t number, std::string description) {
    invalid_ = Invalid{number, std::move(description)};
}

void SimObject::Enter(std::string_view member) const {
    const std::string type = AuditType();
    core_->BeforeCall(type, member);
    if (invalid_) {
        throw Failure(invalid_->number, invalid_->description, type + "." + std::string(member));
    }
}

}  // namespace pwk::sim
