#pragma once

#include <unknwn.h>

#include <memory>

#include "src/platform/AutomationObject.h"

namespace pwk::bridge {

// What only a bridge answers (in this process, never across one): the host object behind it,
// so that an argument that is a bridge reaches the host as its host object.
struct IHostBridge : public IUnknown {
    virtual std::shared_ptr<AutomationObject> STDMETHODCALLTYPE HostObject() = 0;
};

}  // namespace pwk::bridge

// {3CF64B6A-C9EC-47EE-A68C-E5854E3D8833}
__CRT_UUID_DECL(pwk::bridge::IHostBridge, 0x3CF64B6A, 0xC9EC, 0x47EE, 0xA6, 0x8C, 0xE5, 0x85, 0x4E,
                0x3D, 0x88, 0x33)
