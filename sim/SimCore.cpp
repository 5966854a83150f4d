#include "sim/SimCore.h"

#include "sim/HostError.h"

namespace pwk::sim {

bool SimCore::BeforeCall(std::string_view type, std::string_view member, bool objectGetter) {
    const bool nothing = Faults.Before(type, member, objectGetter);
    if (World == nullptr) {
        throw Failure(HostError::Disconnected,
                      "The object invoked has disconnected from its clients.",
                      std::string(type) + "." + std::string(member));
    }
    return nothing;
}

SimWorld& SimCore::world() {
    if (World == nullptr) {
        throw Failure(HostError::Disconnected,
                      "The object invoked has disconnected from its clients.");
    }
    return *World;
}

}  // namespace pwk::sim
