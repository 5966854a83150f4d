#include "win/published/ErrorObject.h"

#include "win/published/PublishedArgs.h"

namespace pwk::win {

ComPtr<IDispatch> ErrorObject::Of(const std::shared_ptr<ErrorLibrary>& errors) {
    return OwnObjects::Instance().Publish(errors, [&errors](ServerObject& object) {
        object.Source(Source);
        object.Member("LogText",
                      [errors](DispatchCall& call) { errors->LogText(TextArg(call, 0)); });
        object.Member("SetActivity",
                      [errors](DispatchCall& call) { errors->SetActivity(TextArg(call, 0)); });
        object.Member("SetSuggestion",
                      [errors](DispatchCall& call) { errors->SetSuggestion(TextArg(call, 0)); });
        object.Member("LogPath", [errors](DispatchCall& call) {
            RefusePut(call);
            call.Return(errors->LogPath());
        });
        object.Member("LogFilename", [errors](DispatchCall& call) {
            RefusePut(call);
            call.Return(errors->LogFilename());
        });
        object.Member("Trace", [errors](DispatchCall& call) {
            RefusePut(call);
            call.Return(errors->Trace());
        });
    });
}

}  // namespace pwk::win
