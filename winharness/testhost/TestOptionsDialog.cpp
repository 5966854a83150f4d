#include "winharness/testhost/TestOptionsDialog.h"

#include <utility>

#include "win/combase/WideText.h"

namespace pwk::testhost {

namespace {

constexpr int kMargin = 7;
constexpr int kTabHeight = 20;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr wchar_t kClassName[] = L"PWKTestOptionsDialog";

// The page's size in pixels, from its extent in HIMETRIC on this screen.
SIZE PageSize(IOleObject& page) {
    SIZEL extent{};
    page.GetExtent(DVASPECT_CONTENT, &extent);
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return SIZE{MulDiv(extent.cx, dpiX, 2540), MulDiv(extent.cy, dpiY, 2540)};
}

void RegisterDialogClass() {
    WNDCLASSW dialogClass{};
    dialogClass.lpfnWndProc = DefWindowProcW;
    dialogClass.hInstance = GetModuleHandleW(nullptr);
    dialogClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    dialogClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    dialogClass.lpszClassName = kClassName;
    RegisterClassW(&dialogClass);  // once: a second registration fails harmlessly
}

HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int x, int y,
           int width, int height) {
    HWND child = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

}  // namespace

TestOptionsDialog::TestOptionsDialog(win::ComPtr<IDispatch> page, const std::string& caption)
    : page_(std::move(page)) {
    const auto object = page_.As<IOleObject>();
    if (!object) {
        return;
    }
    RegisterDialogClass();
    const SIZE pageSize = PageSize(*object.Get());
    const int width = pageSize.cx + 2 * kMargin;
    const int height = kTabHeight + pageSize.cy + 3 * kMargin + kButtonHeight;
    RECT frame{0, 0, width, height};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName, L"Options",
                              style, 40, 40, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    Child(window_, L"Static", win::Widen(caption).c_str(), SS_LEFT, kMargin, kMargin, width, 14);
    const int buttonsTop = kTabHeight + pageSize.cy + 2 * kMargin;
    int x = width - 3 * (kButtonWidth + kMargin);
    for (const wchar_t* button : {L"OK", L"Cancel", L"&Apply"}) {
        Child(window_, L"Button", button, BS_PUSHBUTTON | WS_TABSTOP, x, buttonsTop, kButtonWidth,
              kButtonHeight);
        x += kButtonWidth + kMargin;
    }
    const RECT place{kMargin, kTabHeight + kMargin, kMargin + pageSize.cx,
                     kTabHeight + kMargin + pageSize.cy};
    site_ = win::MakeCom<TestPageSite>(window_, place);
    IOleClientSite* clientSite = site_.Get();
    object->SetClientSite(clientSite);
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, clientSite, 0, window_, &place);
    Pump();
}

TestOptionsDialog::~TestOptionsDialog() {
    Close();
}

HWND TestOptionsDialog::PageWindow() const {
    HWND window = nullptr;
    const auto inPlace = page_.As<IOleInPlaceObject>();
    return inPlace && SUCCEEDED(inPlace->GetWindow(&window)) ? window : nullptr;
}

bool TestOptionsDialog::Dirty() const {
    const auto page = page_.As<win::HostPropertyPage>();
    VARIANT_BOOL dirty = VARIANT_FALSE;
    return page && SUCCEEDED(page->get_Dirty(&dirty)) && dirty != VARIANT_FALSE;
}

HRESULT TestOptionsDialog::Apply() {
    const auto page = page_.As<win::HostPropertyPage>();
    if (!page) {
        return E_NOINTERFACE;
    }
    return Dirty() ? page->Apply() : S_OK;
}

void TestOptionsDialog::Close() {
    if (const auto object = page_.As<IOleObject>()) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    page_ = {};
    site_ = {};
    if (window_ != nullptr) {
        DestroyWindow(std::exchange(window_, nullptr));
    }
    Pump();
}

HRESULT TestOptionsDialog::Key(WPARAM key) {
    const auto active = page_.As<IOleInPlaceActiveObject>();
    if (!active) {
        return E_NOINTERFACE;
    }
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
    return active->TranslateAccelerator(&message);
}

void TestOptionsDialog::Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace pwk::testhost
