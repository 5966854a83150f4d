#include "src/platform/ObjectFactories.h"

#include "src/util/Failure.h"

namespace pwk {

void ObjectFactories::Register(const std::string& progId, Factory factory) {
    factories_[progId] = std::move(factory);
}

void ObjectFactories::Unregister(const std::string& progId) {
    factories_.erase(progId);
}

std::shared_ptr<AutomationObject> ObjectFactories::Create(const std::string& progId) const {
    auto found = factories_.find(progId);
    std::shared_ptr<AutomationObject> object;
    if (found != factories_.end() && found->second) {
        object = found->second();
    }
    if (!object) {
        throw Failure(FailureNumber::CannotCreateObject,
                      DescriptionOf(FailureNumber::CannotCreateObject), progId);
    }
    return object;
}

}  // namespace pwk
