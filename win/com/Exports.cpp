// The DLL's entry points, as COM and regsvr32 call them.
#include <windows.h>

#include <cwchar>

#include "win/com/ClassMakers.h"
#include "win/com/ComponentIds.h"
#include "win/com/ModuleState.h"
#include "win/com/Registration.h"
#include "win/combase/ClassFactory.h"
#include "win/combase/ComBoundary.h"

using pwk::win::Guarded;
using pwk::win::ModuleState;
using pwk::win::Registration;

namespace {

// Class objects live as long as the DLL.
using Factory = pwk::win::ClassFactory<pwk::win::ServerStaticLifetime>;

struct ClassObject {
    const CLSID& clsid;
    Factory factory;
};

ClassObject classObjects[] = {
    {pwk::win::CLSID_Connect, Factory(pwk::win::MakeConnect)},
    {pwk::win::CLSID_RegSettings, Factory(pwk::win::MakeRegSettings)},
    {pwk::win::CLSID_TrackedFoldersets, Factory(pwk::win::MakeTrackedFoldersets)},
    {pwk::win::CLSID_TrackedFolderset, Factory(pwk::win::MakeTrackedFolderset)},
    {pwk::win::CLSID_ErrorObject, Factory(pwk::win::MakeErrorObject)},
    {pwk::win::CLSID_OptionsPage, Factory(pwk::win::MakeOptionsPage)},
};

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        ModuleState::Attach(module);
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    for (ClassObject& each : classObjects) {
        if (IsEqualCLSID(clsid, each.clsid)) {
            return each.factory.QueryInterface(iid, object);
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return ModuleState::CanUnload() ? S_OK : S_FALSE;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
    return Guarded([] { return Registration::Register(Registration::Scope::Machine); });
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return Guarded([] { return Registration::Unregister(Registration::Scope::Machine); });
}

// regsvr32 /i:user /n registers for the current user only (/u with it unregisters);
// regsvr32 /i:addin /n writes (/u: removes) only the current user's add-in entry, the logon
// command of the machine-wide package; any other command line means every user, as
// DllRegisterServer.
HRESULT STDAPICALLTYPE DllInstall(BOOL install, LPCWSTR commandLine) {
    const auto is = [commandLine](const wchar_t* command) {
        return commandLine != nullptr && _wcsicmp(commandLine, command) == 0;
    };
    if (is(L"addin")) {
        return Guarded([&] {
            return install ? Registration::RegisterAddin() : Registration::UnregisterAddin();
        });
    }
    const Registration::Scope scope =
        is(L"user") ? Registration::Scope::User : Registration::Scope::Machine;
    return Guarded(
        [&] { return install ? Registration::Register(scope) : Registration::Unregister(scope); });
}

}  // extern "C"
