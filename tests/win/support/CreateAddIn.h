#pragma once

#include <objbase.h>

#include "win/com/ComponentIds.h"
#include "win/com/IDTExtensibility2.h"
#include "win/dispatch/ComPtr.h"

namespace pwk::wintest {

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
