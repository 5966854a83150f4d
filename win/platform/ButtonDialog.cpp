#include "win/platform/ButtonDialog.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "win/combase/WideText.h"
#include "win/platform/DialogTemplate.h"

namespace pwk::win {

namespace {

constexpr WORD kFirstButtonId = 100;
constexpr WORD kFrameId = 90;
constexpr WORD kTextId = 0xFFFF;
constexpr WORD kTipsId = 91;
constexpr short kButtonWidth = 60;
constexpr short kButtonHeight = 14;
constexpr short kMargin = 7;

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // lParam: the default button's index; it takes the focus.
        SetFocus(GetDlgItem(window, static_cast<int>(kFirstButtonId + lParam)));
        return FALSE;
    }
    if (message == WM_COMMAND) {
        const WORD id = LOWORD(wParam);
        if (id >= kFirstButtonId) {
            EndDialog(window, id - kFirstButtonId);
        } else if (id == IDCANCEL) {
            EndDialog(window, -1);
        }
        return TRUE;
    }
    return FALSE;
}

short LineCount(const std::wstring& text) {
    return static_cast<short>(1 + std::count(text.begin(), text.end(), L'\n'));
}

}  // namespace

int ButtonDialog::Show(const CustomDialog& dialog) {
    // Three texts, each its own control: the frame caption, the dialog's text (the control a
    // message box's text has too), the buttons' tool tips.
    const std::wstring frame = Widen(dialog.FrameCaption);
    const std::wstring text = Widen(dialog.Text);
    std::wstring tips;
    for (std::size_t i = 0; i < dialog.ButtonToolTips.size() && i < dialog.Buttons.size(); ++i) {
        if (!dialog.ButtonToolTips[i].empty()) {
            tips += (tips.empty() ? L"" : L"\r\n") + Widen(dialog.Buttons[i]) + L": " +
                    Widen(dialog.ButtonToolTips[i]);
        }
    }
    std::vector<std::string> buttons = dialog.Buttons;
    if (buttons.empty()) {
        buttons.push_back("OK");
    }
    const auto count = static_cast<short>(buttons.size());
    const short rowWidth = static_cast<short>(count * (kButtonWidth + kMargin) - kMargin);
    const short width = std::max<short>(260, static_cast<short>(rowWidth + 2 * kMargin));
    const short textWidth = static_cast<short>(width - 2 * kMargin);
    const auto heightOf = [](const std::wstring& part) {
        return part.empty() ? short{0} : static_cast<short>(LineCount(part) * 9 + 4);
    };
    const short frameHeight = heightOf(frame);
    const short textHeight = heightOf(text);
    const short tipsHeight = heightOf(tips);
    const short frameTop = kMargin;
    const short textTop = static_cast<short>(frameTop + frameHeight);
    const short tipsTop = static_cast<short>(textTop + textHeight);
    const short height = static_cast<short>(tipsTop + tipsHeight + kButtonHeight + 2 * kMargin);

    DialogTemplate dlg(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                       static_cast<WORD>(count + 3), width, height, Widen(dialog.Title), 9,
                       L"MS Shell Dlg");
    dlg.Item(SS_LEFT | SS_NOPREFIX, kMargin, frameTop, textWidth, frameHeight, kFrameId,
             DialogTemplate::Static, frame);
    dlg.Item(SS_LEFT | SS_NOPREFIX, kMargin, textTop, textWidth, textHeight, kTextId,
             DialogTemplate::Static, text);
    dlg.Item(SS_LEFT | SS_NOPREFIX, kMargin, tipsTop, textWidth, tipsHeight, kTipsId,
             DialogTemplate::Static, tips);
    short x = static_cast<short>(width - kMargin - rowWidth);
    for (short i = 0; i < count; ++i) {
        const DWORD kind = i == dialog.DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        dlg.Item(kind | WS_TABSTOP, x, static_cast<short>(height - kMargin - kButtonHeight),
                 kButtonWidth, kButtonHeight, static_cast<WORD>(kFirstButtonId + i),
                 DialogTemplate::Button, Widen(buttons[static_cast<std::size_t>(i)]));
        x = static_cast<short>(x + kButtonWidth + kMargin);
    }
    const INT_PTR chosen =
        DialogBoxIndirectParamW(nullptr, dlg.Get(), GetActiveWindow(), DialogProc,
                                static_cast<LPARAM>(std::max(0, dialog.DefaultButton)));
    return chosen < 0 || chosen >= count ? -1 : static_cast<int>(chosen);
}

}  // namespace pwk::win
