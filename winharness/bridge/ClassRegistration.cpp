#include "winharness/bridge/ClassRegistration.h"

#include <objbase.h>

#include "win/combase/ComPtr.h"
#include "win/combase/WideText.h"
#include "winharness/bridge/BridgeClassFactory.h"

namespace pwk::bridge {
namespace {

bool WriteDefault(const std::wstring& path, const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG written = RegSetValueExW(key, nullptr, 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
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
    const auto classObject =
        win::ComPtr<IClassFactory>::Attach(new BridgeClassFactory(std::move(factory)));
    const bool offered = SUCCEEDED(CoRegisterClassObject(
        clsid, classObject.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
    registered_ = keys && offered;
}

ClassRegistration::~ClassRegistration() {
    if (cookie_ != 0) {
        CoRevokeClassObject(cookie_);
    }
    if (!clsidText_.empty()) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, progId_.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + clsidText_).c_str());
    }
}

}  // namespace pwk::bridge
