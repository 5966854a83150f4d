#include "winharness/bridge/ClassRegistration.h"

#include <objbase.h>

#include "src/util/Failure.h"
#include "win/combase/ClassFactory.h"
#include "win/combase/ComPtr.h"
#include "win/combase/WideText.h"
#include "win/platform/RegistryKey.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::bridge {
namespace {

bool WriteDefault(const std::wstring& path, const std::wstring& value) {
    LONG status = ERROR_SUCCESS;
    const auto key = win::RegistryKey::Create(HKEY_CLASSES_ROOT, path, status);
    return key && key->SetString(L"", value) == ERROR_SUCCESS;
}

// The class object: a bridge of what `factory` makes; nothing made is a failure to create.
win::ComPtr<IClassFactory> ClassObject(ObjectFactories::Factory factory) {
    return win::MakeCom<win::ClassFactory<win::ProgramLifetime>>([factory = std::move(factory)] {
        const win::ComPtr<IDispatch> made = HostDispatch::Of(factory ? factory() : nullptr);
        if (!made) {
            throw Failure(static_cast<std::int32_t>(E_FAIL), "The host made nothing");
        }
        return made.As<IUnknown>();
    });
}

}  // namespace

ClassRegistration::ClassRegistration(const std::string& progId, ObjectFactories::Factory factory)
    : progId_(win::Widen(progId)) {
    CLSID clsid{};
    wchar_t text[64] = {};
    if (FAILED(CoCreateGuid(&clsid)) || StringFromGUID2(clsid, text, 64) == 0) {
        return;
    }
    clsidText_ = text;
    const bool keys = WriteDefault(progId_ + L"\\CLSID", clsidText_) &&
                      WriteDefault(L"CLSID\\" + clsidText_, progId_) &&
                      WriteDefault(L"CLSID\\" + clsidText_ + L"\\ProgID", progId_);
    const auto classObject = ClassObject(std::move(factory));
    const bool offered = SUCCEEDED(CoRegisterClassObject(
        clsid, classObject.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
    registered_ = keys && offered;
}

ClassRegistration::~ClassRegistration() {
    if (cookie_ != 0) {
        CoRevokeClassObject(cookie_);
    }
    if (!clsidText_.empty()) {
        win::RegistryKey::DeleteTree(HKEY_CLASSES_ROOT, progId_);
        win::RegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"CLSID\\" + clsidText_);
    }
}

}  // namespace pwk::bridge
