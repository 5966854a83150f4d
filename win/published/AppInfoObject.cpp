#include "win/published/AppInfoObject.h"

#include <memory>

#include "win/published/PublishedArgs.h"

namespace pwk::win {
namespace {

void AddReadOnly(ServerObject& object, const char* name, const Variant& value) {
    object.Member(name, [value](DispatchCall& call) {
        RefusePut(call);
        call.Return(value);
    });
}

}  // namespace

ComPtr<IDispatch> AppInfoObject::Of(const ApplicationInfo& info) {
    const auto held = std::make_shared<ApplicationInfo>(info);
    return OwnObjects::Instance().Publish(held, [&info](ServerObject& object) {
        object.Source(Source);
        AddReadOnly(object, "Title", info.Title);
        AddReadOnly(object, "Path", info.Path);
        AddReadOnly(object, "Major", std::int32_t{info.Version.Major});
        AddReadOnly(object, "Minor", std::int32_t{info.Version.Minor});
        AddReadOnly(object, "Revision", std::int32_t{info.Version.Revision});
        AddReadOnly(object, "HelpFile", info.HelpFile);
    });
}

}  // namespace pwk::win
