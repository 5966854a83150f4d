#include "win/testhost/BoxAnswerer.h"

#include <chrono>

#include "win/dispatch/WideText.h"

namespace pwk::testhost {
namespace {

// The id of a message box's text control.
constexpr int kTextControl = 0xFFFF;

std::string TextOf(HWND window) {
    wchar_t buffer[2048] = {};
    const int length = GetWindowTextW(window, buffer, 2048);
    return win::Narrow(buffer, static_cast<std::size_t>(length));
}

}  // namespace

BoxAnswerer::BoxAnswerer() : watcher_([this] { Watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    watcher_.join();
}

std::vector<BoxAnswerer::Box> BoxAnswerer::Answered() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return answered_;
}

void BoxAnswerer::Watch() {
    while (!stop_) {
        EnumWindows(&BoxAnswerer::Visit, reinterpret_cast<LPARAM>(this));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

BOOL CALLBACK BoxAnswerer::Visit(HWND window, LPARAM self) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && std::wstring(className) == L"#32770" &&
        IsWindowVisible(window)) {
        reinterpret_cast<BoxAnswerer*>(self)->Answer(window);
    }
    return TRUE;
}

void BoxAnswerer::Answer(HWND box) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (HWND seen : seen_) {
            if (seen == box) {
                return;
            }
        }
        seen_.push_back(box);
        answered_.push_back(Box{TextOf(box), TextOf(GetDlgItem(box, kTextControl))});
    }
    for (const int id : {IDOK, IDNO, IDCANCEL}) {
        if (HWND button = GetDlgItem(box, id)) {
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            return;
        }
    }
}

}  // namespace pwk::testhost
