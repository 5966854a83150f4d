#pragma once

#include <objbase.h>
#include <windows.h>

#include <string>

#include "win/com/ComponentIds.h"
#include "win/com/IDTExtensibility2.h"
#include "win/combase/ComPtr.h"
#include "win/combase/Unique.h"

namespace pwk::wintest {

// Calls one of the component's exported entry points (DllRegisterServer, DllCanUnloadNow ...)
// as regsvr32 and COM do; E_NOTIMPL when the component does not export it.
inline HRESULT CallExport(HMODULE dll, const char* name) {
    using EntryPoint = HRESULT(STDAPICALLTYPE*)();
    const auto entry =
        reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    return entry == nullptr ? E_NOTIMPL : entry();
}

// The end of a test program's use of the component it loaded: unused libraries freed, then
// whether it can unload (DllCanUnloadNow) and what its unregistration answered; the library is
// let go and COM ends on this thread.
struct ComponentEnd {
    HRESULT CanUnload;
    HRESULT Unregistered;
};
inline ComponentEnd EndComponent(win::UniqueModule& component) {
    CoFreeUnusedLibraries();
    const ComponentEnd end{CallExport(component.Get(), "DllCanUnloadNow"),
                           CallExport(component.Get(), "DllUnregisterServer")};
    component = win::UniqueModule();
    CoUninitialize();
    return end;
}

// Runs the command line and waits for it (a minute at most); its exit code, 0xFFFFFFFF when it
// could not be started.
inline DWORD Run(std::wstring line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 0xFFFFFFFF;
    }
    const win::UniqueHandle thread(process.hThread);
    const win::UniqueHandle started(process.hProcess);
    WaitForSingleObject(started.Get(), 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(started.Get(), &code);
    return code;
}

// Runs `regsvr32 /s` with `arguments` and waits for it; its exit code (0 success, 3 the DLL
// could not be loaded).
inline DWORD Regsvr32(const std::wstring& arguments) {
    return Run(L"regsvr32.exe /s " + arguments);
}

// The add-in as the host creates it: by its ProgID, in process, asked for IDTExtensibility2.
// Nothing when it is not registered or cannot be made.
inline win::ComPtr<win::IDTExtensibility2> CreateAddIn() {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(win::ConnectProgID, &clsid))) {
        return {};
    }
    return win::ComPtr<win::IDTExtensibility2>::Create(clsid);
}

}  // namespace pwk::wintest
