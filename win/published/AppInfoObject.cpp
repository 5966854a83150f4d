#include "win/published/AppInfoObject.h"

#include <memory>

#include "win/dispatch/PlainObject.h"
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

ApplicationInfo AppInfoObject::Read(const Variant& object) {
    const PlainObject<struct ApplicationInfoKind> info(object);
    const auto part = [&](const char* name) {
        return static_cast<std::int16_t>(info.Get(name).ToInt32());
    };
    return ApplicationInfo{info.Get("Title").ToString(), info.Get("Path").ToString(),
                           Version{part("Major"), part("Minor"), part("Revision")},
                           info.Get("HelpFile").ToString()};
}

}  // namespace pwk::win
