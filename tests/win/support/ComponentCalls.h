#pragma once

#include <objbase.h>
#include <windows.h>

#include "win/com/ComponentIds.h"
#include "win/com/IDTExtensibility2.h"
#include "win/dispatch/ComPtr.h"

namespace pwk::wintest {

// Calls one of the component's exported entry points (DllRegisterServer, DllCanUnloadNow ...)
// as regsvr32 and COM do; E_NOTIMPL when the component does not export it.
inline HRESULT CallExport(HMODULE dll, const char* name) {
    using EntryPoint = HRESULT(STDAPICALLTYPE*)();
    const auto entry =
        reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    return entry == nullptr ? E_NOTIMPL : entry();
}

// The add-in as the host creates it: by its ProgID, in process, asked for IDTExtensibility2.
// Nothing when it is not registered or cannot be made.
inline win::ComPtr<win::IDTExtensibility2> CreateAddIn() {
    CLSID clsid;
    win::ComPtr<win::IDTExtensibility2> addIn;
    if (SUCCEEDED(CLSIDFromProgID(win::ConnectProgID, &clsid))) {
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, win::IID_IDTExtensibility2,
                         reinterpret_cast<void**>(addIn.Out()));
    }
    return addIn;
}

}  // namespace pwk::wintest
