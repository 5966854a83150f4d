#include "win/optionspage/PageLayout.h"

#include <commctrl.h>

#include <cstring>

namespace pwk::win {
namespace {

constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | kTab;
constexpr DWORD kLabel = SS_LEFT;
constexpr DWORD kPush = BS_PUSHBUTTON | kTab;

// The switches in the logic's order, with what each does, as a user reads it.
struct SwitchText {
    const char* Name;
    const wchar_t* Label;
};
constexpr SwitchText kSwitches[] = {
    {"TrackUnlinkedEmail", L"File sent mail to tracked contacts even without links"},
    {"JournalEmails", L"Make a journal entry for each filed e-mail"},
    {"SaveLinksByRef", L"Link the journal entry to the filed copy instead of copying it"},
    {"TrackAppointments", L"Journal saved appointments with tracked contacts as meetings"},
    {"UseSentMailFolder", L"File mail when it reaches Sent Items instead of at the send"},
};

}  // namespace

DialogTemplate PageLayout::Template() {
    constexpr WORD kItems = 15 + SwitchCount;  // the items below
    DialogTemplate page(DS_CONTROL | WS_CHILD | DS_3DLOOK, kItems, Width, Height, L"", 8,
                        L"MS Sans Serif");
    const WORD none = static_cast<WORD>(-1);
    page.Item(kLabel, 6, 4, 240, 8, none, DialogTemplate::Static,
              L"&Tracked contact folders, each with its journal and e-mail folders:");
    page.Item(LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | kTab,
              6, 14, 240, 52, List, WC_LISTVIEWW, L"");
    page.Item(kLabel, 6, 74, 62, 8, none, DialogTemplate::Static, L"Attachment &folder:");
    page.Item(kEdit, 68, 72, 96, 12, AttachDir, DialogTemplate::Edit, L"");
    page.Item(kPush, 168, 71, 38, 14, Add, DialogTemplate::Button, L"&Add...");
    page.Item(kPush, 208, 71, 38, 14, Remove, DialogTemplate::Button, L"&Remove");
    page.Item(BS_GROUPBOX, 6, 88, 240, 72, none, DialogTemplate::Button, L"Tracking");
    for (short i = 0; i < SwitchCount; ++i) {
        page.Item(BS_AUTOCHECKBOX | kTab, 12, static_cast<short>(99 + 12 * i), 230, 10,
                  static_cast<WORD>(FirstSwitch + i), DialogTemplate::Button, kSwitches[i].Label);
    }
    // The log is opened once, at start: its settings are read then.
    page.Item(BS_GROUPBOX, 6, 164, 240, 40, none, DialogTemplate::Button,
              L"Log (taken at the next start)");
    page.Item(kLabel, 12, 177, 24, 8, none, DialogTemplate::Static, L"&Level:");
    page.Item(kEdit, 40, 175, 22, 12, LogLevel, DialogTemplate::Edit, L"");
    page.Item(kLabel, 70, 177, 18, 8, none, DialogTemplate::Static, L"F&ile:");
    page.Item(kEdit, 90, 175, 150, 12, LogFilename, DialogTemplate::Edit, L"");
    page.Item(kLabel, 12, 191, 26, 8, none, DialogTemplate::Static, L"F&older:");
    page.Item(kEdit, 40, 189, 200, 12, LogPath, DialogTemplate::Edit, L"");
    page.Item(kLabel | SS_NOPREFIX, 6, 208, 240, 8, Status, DialogTemplate::Static, L"");
    return page;
}

SIZE PageLayout::PixelSize() {
    HDC screen = GetDC(nullptr);
    const HFONT font =
        CreateFontW(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                    FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters{};
    GetTextExtentPoint32W(screen, kLetters, 52, &letters);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    const int baseX = (letters.cx / 26 + 1) / 2;
    const int baseY = metrics.tmHeight;
    return SIZE{MulDiv(Width, baseX, 4), MulDiv(Height, baseY, 8)};
}

std::wstring PageLayout::SwitchLabel(const std::string& name) {
    for (const SwitchText& each : kSwitches) {
        if (name == each.Name) {
            return each.Label;
        }
    }
    return std::wstring(name.begin(), name.end());
}

}  // namespace pwk::win
