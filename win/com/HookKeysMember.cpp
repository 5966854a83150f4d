#include "win/com/HookKeysMember.h"

#include <string>
#include <vector>

#include "src/startup/Connect.h"
#include "win/combase/Bstr.h"
#include "win/combase/ComBoundary.h"
#include "win/combase/Variant.h"
#include "win/platform/TestSwitches.h"

namespace pwk::win {

bool HookKeysMember::Find(const wchar_t* name, DISPID* id) {
    if (name == nullptr || _wcsicmp(name, Name) != 0 || !TestSwitchOn(kHookKeysVariable)) {
        return false;
    }
    *id = Id;
    return true;
}

bool HookKeysMember::Is(DISPID member) {
    return member == Id && TestSwitchOn(kHookKeysVariable);
}

HRESULT HookKeysMember::Invoke(const Connect& core, WORD flags, DISPPARAMS* params, VARIANT* result,
                               UINT* argError) {
    if ((flags & DISPATCH_METHOD) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (params == nullptr || params->cArgs != 1) {
        return DISP_E_BADPARAMCOUNT;
    }
    return Guarded([&] {
        Variant kind;
        const HRESULT read = DispGetParam(params, 0, VT_BSTR, kind.Get(), argError);
        if (FAILED(read)) {
            return read;
        }
        const std::string text = kind.ToString();
        if (text != "explorer" && text != "inspector") {
            if (argError != nullptr) {
                *argError = 0;
            }
            return DISP_E_TYPEMISMATCH;
        }
        if (result == nullptr) {
            return S_OK;
        }
        const auto& app = core.AddinApp();
        if (!app) {
            result->vt = VT_NULL;
            return S_OK;
        }
        std::string keys;
        for (const std::string& key :
             text == "explorer" ? app->HookedExplorerKeys() : app->HookedInspectorKeys()) {
            keys += (keys.empty() ? "" : " ") + key;
        }
        result->vt = VT_BSTR;
        result->bstrVal = Bstr(keys).Detach();
        return S_OK;
    });
}

}  // namespace pwk::win
