#include "win/published/OwnObjects.h"

namespace pwk::win {

OwnObjects& OwnObjects::Instance() {
    static OwnObjects table;
    return table;
}

ComPtr<IDispatch> OwnObjects::Publish(std::shared_ptr<const void> core, std::type_index type,
                                      const Build& build) {
    const CoreKey key{core.get(), type};
    if (const auto live = byCore_.find(key); live != byCore_.end()) {
        return ComPtr<IDispatch>(live->second);
    }
    ComPtr<ServerObject> object = ServerObject::Make();
    build(*object.Get());
    IUnknown* identity = object->Identity();
    object->WhenGone([this, identity] { Forget(identity); });
    byCore_.emplace(key, object.Get());
    byIdentity_.emplace(identity, Entry{std::move(core), type});
    return ComPtr<IDispatch>(object.Get());
}

std::shared_ptr<const void> OwnObjects::Find(IDispatch* object, std::type_index type) const {
    const ComPtr<IUnknown> identity = ComPtr<IDispatch>(object).As<IUnknown>();
    const auto found = byIdentity_.find(identity.Get());
    if (found == byIdentity_.end() || found->second.type != type) {
        return nullptr;
    }
    return found->second.core;
}

void OwnObjects::Forget(IUnknown* identity) {
    const auto found = byIdentity_.find(identity);
    if (found == byIdentity_.end()) {
        return;
    }
    byCore_.erase(CoreKey{found->second.core.get(), found->second.type});
    byIdentity_.erase(found);
}

}  // namespace pwk::win
