#include "win/published/DispatchOptionsPage.h"

#include "win/published/AppInfoObject.h"
#include "win/published/ErrorObject.h"
#include "win/published/OwnObjects.h"
#include "win/published/SettingsObject.h"

namespace pwk::win {
namespace {

// A VARIANT that refers to `target` (VT_BYREF | VT_VARIANT): the callee may replace what
// `target` holds. Clearing it leaves `target` alone.
Variant ByReference(Variant& target) {
    Variant reference;
    V_VT(reference.Get()) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(reference.Get()) = target.Get();
    return reference;
}

// A line in the log of the error object that stays, if there is one.
void Log(const std::shared_ptr<ErrorLibrary>& errorObject, const std::string& line) {
    if (errorObject) {
        errorObject->LogText(line);
    }
}

}  // namespace

void DispatchOptionsPage::Initialize(const Ref<host::Application>& olApp,
                                     const std::shared_ptr<RegSettings>& settings,
                                     const std::string& helpFile,
                                     std::shared_ptr<ErrorLibrary>& errorObject,
                                     const ApplicationInfo& appInfo) {
    const ComPtr<IDispatch> settingsObject = SettingsObject::Of(settings);
    const ComPtr<IDispatch> infoObject = AppInfoObject::Of(appInfo);
    Variant errorHeld(ErrorObject::Of(errorObject).Get());
    Call("Initialize", DispatchOf(olApp.get()), settingsObject.Get(), helpFile,
         ByReference(errorHeld), infoObject.Get());
    IDispatch* left = nullptr;
    try {
        left = errorHeld.ToDispatch();
    } catch (const Failure&) {
        Log(errorObject,
            "The options page left a value that is no object in place of the error object; "
            "the error object stays");
        return;
    }
    TakeErrorObject(left, errorObject);
}

void DispatchOptionsPage::TakeErrorObject(IDispatch* left,
                                          std::shared_ptr<ErrorLibrary>& errorObject) {
    if (left == nullptr) {
        errorObject = nullptr;
    } else if (OwnObjects::Instance().IsOurs<ErrorLibrary>(left)) {
        errorObject = OwnObjects::Instance().CoreOf<ErrorLibrary>(left);
    } else {
        Log(errorObject,
            "The options page left an error object that is not the component's own; the error "
            "object stays");
    }
}

}  // namespace pwk::win
