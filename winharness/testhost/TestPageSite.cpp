#include "winharness/testhost/TestPageSite.h"

namespace pwk::testhost {

void* TestPageSite::InterfaceOf(REFIID iid) {
    if (IsEqualIID(iid, IID_IOleWindow)) {
        return static_cast<IOleInPlaceSite*>(this);
    }
    return Listed(iid);
}

HRESULT TestPageSite::GetContainer(IOleContainer** container) {
    if (container != nullptr) {
        *container = nullptr;
    }
    return E_NOINTERFACE;
}

HRESULT TestPageSite::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = dialog_;
    return S_OK;
}

HRESULT TestPageSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                       LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        info == nullptr) {
        return E_POINTER;
    }
    *frame = nullptr;
    *document = nullptr;
    *position = place_;
    *clip = place_;
    info->fMDIApp = FALSE;
    info->hwndFrame = dialog_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT TestPageSite::GetExtendedControl(IDispatch** control) {
    if (control != nullptr) {
        *control = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT TestPageSite::TranslateAccelerator(MSG* message, DWORD /*modifiers*/) {
    if (message == nullptr) {
        return E_POINTER;
    }
    keysGivenBack_.push_back(message->wParam);
    return message->wParam == VK_RETURN || message->wParam == VK_ESCAPE ? S_OK : S_FALSE;
}

}  // namespace pwk::testhost
