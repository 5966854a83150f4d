#include "sim/SimCore.h"

#include "sim/HostError.h"

namespace pwk::sim {

void SimCore::BeforeCall(std::string_view type, std::string_view member) {
    Faults.Before(type, member);
    if (World == nullptr) {
        throw Failure(HostError::Disconnected,
                      "The object invoked has disconnected from its clients.",
                      std::string(type) + "." + std::string(member));
    }
}

SimWorld& SimCore::world() {
    if (World == nullptr) {
        throw Failure(HostError::Disconnected,
                      "The object invoked has disconnected from its clients.");
    }
    return *World;
}

}  // namespace pwk::sim
