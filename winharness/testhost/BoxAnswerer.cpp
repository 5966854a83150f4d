#include "winharness/testhost/BoxAnswerer.h"

#include <algorithm>
#include <utility>

#include "win/combase/WideText.h"

namespace pwk::testhost {
namespace {

// The id of a message box's text control.
constexpr int kTextControl = 0xFFFF;
// The file name field of the system's file dialogs: a combo box (cmb13) in the explorer style,
// an edit field (edt1) in the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

std::string TextOf(HWND window) {
    wchar_t buffer[2048] = {};
    const int length = GetWindowTextW(window, buffer, 2048);
    return win::Narrow(buffer, static_cast<std::size_t>(length));
}

}  // namespace

BoxAnswerer::BoxAnswerer() : watcher_([this] { Watch(); }) {}

BoxAnswerer::BoxAnswerer(Chooser chooser)
    : chooser_(std::move(chooser)), watcher_([this] { Watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    watcher_.Join();
}

std::vector<BoxAnswerer::Box> BoxAnswerer::Answered() const {
    const harness::Lock::Held held(lock_);
    return answered_;
}

void BoxAnswerer::Watch() {
    while (!stop_) {
        EnumWindows(&BoxAnswerer::Visit, reinterpret_cast<LPARAM>(this));
        Sleep(50);
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

namespace {

// A button's caption without its access-key mark ("&No" is "No").
std::string CaptionOf(HWND button) {
    std::string caption = TextOf(button);
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

// The first of the add-in's own dialog's buttons; a message box's buttons have the system's
// answer numbers.
constexpr int kFirstDialogButton = 100;

struct ButtonList {
    std::vector<std::pair<int, std::string>> buttons;  // id, caption
};

BOOL CALLBACK CollectButton(HWND child, LPARAM list) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Button") == 0 && IsWindowVisible(child)) {
        reinterpret_cast<ButtonList*>(list)->buttons.emplace_back(GetDlgCtrlID(child),
                                                                  CaptionOf(child));
    }
    return TRUE;
}

int DefaultButtonOf(HWND box) {
    DWORD_PTR defaultId = 0;
    if (SendMessageTimeoutW(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 1000, &defaultId) != 0 &&
        HIWORD(defaultId) == DC_HASDEFID) {
        return LOWORD(defaultId);
    }
    return 0;
}

// The file name field when `box` is a file dialog, else null.
HWND FileNameField(HWND box) {
    HWND field = GetDlgItem(box, kFileNameCombo);
    return field != nullptr ? field : GetDlgItem(box, kFileNameEdit);
}

// The button to press: OK, else No, else Cancel, else the dialog's default button; a file
// dialog is cancelled.
int ButtonToPress(HWND box) {
    if (FileNameField(box) != nullptr) {
        return IDCANCEL;
    }
    for (const int id : {IDOK, IDNO, IDCANCEL}) {
        if (GetDlgItem(box, id) != nullptr) {
            return id;
        }
    }
    return DefaultButtonOf(box);
}

// A file dialog gets the chooser's file typed into its name field and Open pressed, or Cancel
// when the chooser names none.
int ChosenFile(HWND field, const BoxAnswerer::Chooser& chooser, const std::string& caption) {
    BoxAnswerer::Shown shown{caption, "", {"Open", "Cancel"}, "Open", false, true};
    const std::string path = chooser(shown);
    if (path.empty()) {
        return IDCANCEL;
    }
    SetWindowTextW(field, win::Widen(path).c_str());
    return IDOK;
}

// The button the chooser names, else the default one.
int ChosenButton(HWND box, const BoxAnswerer::Chooser& chooser, const std::string& caption,
                 const std::string& text) {
    if (HWND field = FileNameField(box)) {
        return ChosenFile(field, chooser, caption);
    }
    ButtonList list;
    EnumChildWindows(box, &CollectButton, reinterpret_cast<LPARAM>(&list));
    BoxAnswerer::Shown shown{caption, text, {}, {}, false};
    // A message box marks its default button by style alone (the system may answer OK as the
    // default of a box without one).
    int defaultId = DefaultButtonOf(box);
    if (std::none_of(list.buttons.begin(), list.buttons.end(),
                     [defaultId](const auto& button) { return button.first == defaultId; })) {
        defaultId = 0;
    }
    for (const auto& [id, name] : list.buttons) {
        const auto style = GetWindowLongW(GetDlgItem(box, id), GWL_STYLE);
        if (defaultId == 0 && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            defaultId = id;
        }
    }
    if (defaultId == 0 && !list.buttons.empty()) {
        defaultId = list.buttons.front().first;
    }
    for (const auto& [id, name] : list.buttons) {
        shown.Buttons.push_back(name);
        shown.Dialog = shown.Dialog || id >= kFirstDialogButton;
        if (id == defaultId) {
            shown.DefaultButton = name;
        }
    }
    const std::string chosen = chooser(shown);
    for (const auto& [id, name] : list.buttons) {
        if (name == chosen) {
            return id;
        }
    }
    return defaultId;
}

}  // namespace

void BoxAnswerer::Answer(HWND box) {
    {
        const harness::Lock::Held held(lock_);
        for (HWND seen : seen_) {
            if (seen == box) {
                return;
            }
        }
        seen_.push_back(box);
    }
    const std::string caption = TextOf(box);
    const std::string text = TextOf(GetDlgItem(box, kTextControl));
    const int pressed = chooser_ ? ChosenButton(box, chooser_, caption, text) : ButtonToPress(box);
    HWND button = pressed != 0 ? GetDlgItem(box, pressed) : nullptr;
    {
        const harness::Lock::Held held(lock_);
        answered_.push_back(
            Box{caption, text, button != nullptr ? CaptionOf(button) : std::string()});
    }
    if (pressed == IDHELP && button != nullptr) {
        PressHelp(box);
        return;
    }
    if (button != nullptr) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(pressed, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
}

// A box's Help button asks for help and leaves the box up: the box gets the help request the
// button makes (WM_HELP, handled by the thread that shows the box, which calls back whoever
// showed it), and is answered once more afterwards.
void BoxAnswerer::PressHelp(HWND box) {
    HELPINFO help{};
    help.cbSize = sizeof(help);
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDHELP;
    help.hItemHandle = GetDlgItem(box, IDHELP);
    GetCursorPos(&help.MousePos);
    // Sent, not posted: when it returns the help has been asked for.
    SendMessageW(box, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    const harness::Lock::Held held(lock_);
    seen_.erase(std::remove(seen_.begin(), seen_.end(), box), seen_.end());
}

}  // namespace pwk::testhost
