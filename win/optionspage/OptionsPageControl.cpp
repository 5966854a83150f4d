// The options page as an OLE control: sited by the host's dialog, activated in place in the
// dialog's window, sized, drawn and given the keys the dialog's message loop routes to it.
#include <utility>

#include "win/combase/ComBoundary.h"
#include "win/optionspage/OptionsPageObject.h"
#include "win/optionspage/PageBinding.h"
#include "win/optionspage/PageLayout.h"
#include "win/optionspage/PageWindow.h"

namespace pwk::win {

namespace {

constexpr int kHimetricPerInch = 2540;

// The page's size in HIMETRIC, from its size in pixels on this screen.
SIZEL PageExtent() {
    const SIZE pixels = PageLayout::PixelSize();
    HDC screen = GetDC(nullptr);
    const SIZEL extent{MulDiv(pixels.cx, kHimetricPerInch, GetDeviceCaps(screen, LOGPIXELSX)),
                       MulDiv(pixels.cy, kHimetricPerInch, GetDeviceCaps(screen, LOGPIXELSY))};
    ReleaseDC(nullptr, screen);
    return extent;
}

// The page has one aspect, its content.
HRESULT ExtentArgs(DWORD aspect, const SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    return size != nullptr ? S_OK : E_POINTER;
}

}  // namespace

HRESULT OptionsPageObject::SetClientSite(IOleClientSite* site) {
    clientSite_ = ComPtr<IOleClientSite>(site);
    return S_OK;
}

HRESULT OptionsPageObject::GetClientSite(IOleClientSite** site) {
    if (site == nullptr) {
        return E_POINTER;
    }
    *site = clientSite_.Get();
    if (*site != nullptr) {
        (*site)->AddRef();
    }
    return S_OK;
}

// The dialog is done with the page: its window goes and it lets go of the dialog's sites.
HRESULT OptionsPageObject::Close(DWORD /*saveOption: nothing to save*/) {
    InPlaceDeactivate();
    clientSite_ = {};
    return S_OK;
}

HRESULT OptionsPageObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT OptionsPageObject::GetClipboardData(DWORD, IDataObject** data) {
    if (data != nullptr) {
        *data = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT OptionsPageObject::DoVerb(LONG verb, LPMSG /*message*/, IOleClientSite* activeSite,
                                  LONG /*index*/, HWND /*parent*/, LPCRECT position) {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
            return ActivateInPlace(activeSite, position, false);
        case OLEIVERB_UIACTIVATE:
            return ActivateInPlace(activeSite, position, true);
        case OLEIVERB_HIDE:
            if (window_->Handle() != nullptr) {
                ShowWindow(window_->Handle(), SW_HIDE);
            }
            return S_OK;
        default:
            return OLEOBJ_S_INVALIDVERB;
    }
}

// The window is made in the site's window, where the site says; the page asks the site first,
// as an in-place object does, and tells it when it is active.
HRESULT OptionsPageObject::ActivateInPlace(IOleClientSite* activeSite, LPCRECT position,
                                           bool uiActivate) {
    return Guarded([&]() -> HRESULT {
        if (!inPlaceSite_) {
            const ComPtr<IOleClientSite> site(activeSite != nullptr ? activeSite
                                                                    : clientSite_.Get());
            auto inPlace = site.As<IOleInPlaceSite>();
            if (!inPlace || inPlace->CanInPlaceActivate() != S_OK) {
                return E_FAIL;
            }
            inPlace->OnInPlaceActivate();
            inPlaceSite_ = std::move(inPlace);
        }
        if (window_->Handle() == nullptr) {
            HWND parent = nullptr;
            ComPtr<IOleInPlaceFrame> frame;
            ComPtr<IOleInPlaceUIWindow> document;
            RECT place{};
            RECT clip{};
            OLEINPLACEFRAMEINFO frameInfo{};
            frameInfo.cb = sizeof(frameInfo);
            if (FAILED(inPlaceSite_->GetWindow(&parent)) ||
                FAILED(inPlaceSite_->GetWindowContext(frame.Out(), document.Out(), &place, &clip,
                                                      &frameInfo)) ||
                !window_->Create(parent, position != nullptr ? *position : place)) {
                return E_FAIL;
            }
        }
        ShowWindow(window_->Handle(), SW_SHOW);
        if (uiActivate && !uiActive_) {
            uiActive_ = true;
            inPlaceSite_->OnUIActivate();
            window_->Focus();
        }
        return S_OK;
    });
}

HRESULT OptionsPageObject::SetExtent(DWORD aspect, SIZEL* size) {
    const HRESULT valid = ExtentArgs(aspect, size);
    if (valid == S_OK) {
        extent_ = *size;
    }
    return valid;
}

HRESULT OptionsPageObject::GetExtent(DWORD aspect, SIZEL* size) {
    const HRESULT valid = ExtentArgs(aspect, size);
    if (valid == S_OK) {
        *size = extent_.cx > 0 ? extent_ : PageExtent();
    }
    return valid;
}

HRESULT OptionsPageObject::GetMiscStatus(DWORD /*aspect*/, DWORD* status) {
    if (status == nullptr) {
        return E_POINTER;
    }
    *status = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
              OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
    return S_OK;
}

HRESULT OptionsPageObject::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = window_->Handle();
    return *window != nullptr ? S_OK : E_FAIL;
}

HRESULT OptionsPageObject::InPlaceDeactivate() {
    UIDeactivate();
    window_->Destroy();
    if (inPlaceSite_) {
        std::exchange(inPlaceSite_, {})->OnInPlaceDeactivate();
    }
    return S_OK;
}

HRESULT OptionsPageObject::UIDeactivate() {
    if (uiActive_) {
        uiActive_ = false;
        if (inPlaceSite_) {
            inPlaceSite_->OnUIDeactivate(FALSE);
        }
    }
    return S_OK;
}

HRESULT OptionsPageObject::SetObjectRects(LPCRECT position, LPCRECT /*clip*/) {
    if (position == nullptr) {
        return E_POINTER;
    }
    window_->Move(*position);
    return S_OK;
}

HRESULT OptionsPageObject::TranslateAccelerator(LPMSG message) {
    if (message == nullptr || window_->Handle() == nullptr) {
        return S_FALSE;
    }
    const bool key = message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN;
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (key && message->wParam == VK_TAB && !control) {
        return window_->TabKey(*message) ? S_OK : S_FALSE;
    }
    const bool toDialog = key && (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE ||
                                  message->message == WM_SYSKEYDOWN || control);
    if (!toDialog || !clientSite_) {
        return S_FALSE;
    }
    const auto site = clientSite_.As<IOleControlSite>();
    if (!site) {
        return S_FALSE;
    }
    DWORD modifiers = 0;
    modifiers |= (GetKeyState(VK_SHIFT) & 0x8000) != 0 ? 1 : 0;
    modifiers |= control ? 2 : 0;
    modifiers |= (GetKeyState(VK_MENU) & 0x8000) != 0 ? 4 : 0;
    return site->TranslateAccelerator(message, modifiers);
}

HRESULT OptionsPageObject::GetControlInfo(CONTROLINFO* info) {
    if (info == nullptr) {
        return E_POINTER;
    }
    info->cb = sizeof(CONTROLINFO);
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT OptionsPageObject::Draw(DWORD aspect, LONG /*index*/, void* /*aspectInfo*/,
                                DVTARGETDEVICE* /*device*/, HDC /*targetInfo*/, HDC target,
                                LPCRECTL bounds, LPCRECTL /*metafileBounds*/,
                                BOOL(STDMETHODCALLTYPE* /*proceed*/)(ULONG_PTR),
                                ULONG_PTR /*proceedArg*/) {
    if (aspect != DVASPECT_CONTENT) {
        return DV_E_DVASPECT;
    }
    if (target == nullptr || bounds == nullptr) {
        return E_INVALIDARG;
    }
    const RECT area{bounds->left, bounds->top, bounds->right, bounds->bottom};
    FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (window_->Handle() != nullptr) {
        const int saved = SaveDC(target);
        SetViewportOrgEx(target, area.left, area.top, nullptr);
        SendMessageW(window_->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(target),
                     PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND | PRF_NONCLIENT);
        RestoreDC(target, saved);
    }
    return S_OK;
}

HRESULT OptionsPageObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                       LOGPALETTE** colors) {
    if (colors != nullptr) {
        *colors = nullptr;
    }
    return S_FALSE;
}

HRESULT OptionsPageObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects != nullptr) {
        *aspects = 0;
    }
    if (flags != nullptr) {
        *flags = 0;
    }
    if (sink != nullptr) {
        *sink = nullptr;
    }
    return S_OK;
}

HRESULT OptionsPageObject::GetExtent(DWORD aspect, LONG /*index*/, DVTARGETDEVICE* /*device*/,
                                     LPSIZEL size) {
    return GetExtent(aspect, size);
}

}  // namespace pwk::win
