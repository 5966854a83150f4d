// The options page drawn on a real display for its picture (take-picture.sh runs this under
// Xvfb with Wine's X11 driver): the test host's options dialog with the add-in's page and one
// tracked folderset; the controls must say what a user reads. It then writes where the dialog
// is on the screen ("x y width height") to READY and keeps the dialog up, drawn, until TAKEN
// exists. Usage: test_win_pagepicture <PWKCommon.dll> <READY> <TAKEN>
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "src/host/HostTypes.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "tests/win/support/ConnectedAddIn.h"
#include "tests/win/support/PageControls.h"
#include "win/combase/Unique.h"
#include "win/platform/RegistryKey.h"
#include "winharness/testhost/BoxAnswerer.h"
#include "winharness/testhost/TestHostModel.h"
#include "winharness/testhost/TestOptionsDialog.h"

namespace {

using pwk::testhost::TestOptionsDialog;
using pwk::wintest::Control;

// The dialog stays up until the picture is taken, a minute at the most.
void WaitForPicture(const std::filesystem::path& taken) {
    for (int waited = 0; waited < 1200 && !std::filesystem::exists(taken); ++waited) {
        TestOptionsDialog::Pump();
        Sleep(50);
    }
}

TEST_CASE("the page is drawn in the host's dialog, its controls saying what they do") {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const pwk::win::UniqueModule component(LoadLibraryW(pwk::wintest::Argument(1).c_str()));
    CHECK(pwk::wintest::CallExport(component.Get(), "DllRegisterServer") == S_OK);
    pwk::win::RegistryKey::DeleteTree(HKEY_CURRENT_USER,
                                      L"Software\\VB and VBA Program Settings\\Parleywick");
    {
        pwk::testhost::TestHostModel host("Outlook", "10.0.0.2627");
        const pwk::testhost::BoxAnswerer boxes;
        const pwk::wintest::ConnectedAddIn addIn(host);
        CHECK(addIn.Connected());
        std::vector<pwk::win::ComPtr<IDispatch>> pages = host.OpenOptionsDialog();
        CHECK_EQ(pages.size(), std::size_t{1});
        if (pages.empty()) {
            return;
        }
        TestOptionsDialog dialog(pages[0], "Parleywick");
        pages.clear();
        const HWND page = dialog.PageWindow();
        CHECK(page != nullptr);
        host.PlanPicks({pwk::host::DefaultFolder::Contacts, pwk::host::DefaultFolder::Journal,
                        pwk::host::DefaultFolder::Inbox});
        pwk::wintest::Click(Control(page, L"Button", L"&Add..."));

        const HWND list = Control(page, WC_LISTVIEWW, nullptr);
        CHECK_EQ(pwk::wintest::Rows(list), 1);
        const wchar_t* columns[] = {L"Contacts", L"Journal", L"E-mails", L"Attachments"};
        for (int column = 0; column < 4; ++column) {
            CHECK(pwk::wintest::ColumnTitle(list, column) == columns[column]);
        }
        for (const wchar_t* text :
             {L"&Remove", L"File sent mail to tracked contacts even without links",
              L"Make a journal entry for each filed e-mail",
              L"Link the journal entry to the filed copy instead of copying it",
              L"Journal saved appointments with tracked contacts as meetings",
              L"File mail when it reaches Sent Items instead of at the send"}) {
            CHECK(Control(page, L"Button", text) != nullptr);
        }
        CHECK(Control(page, L"Static", L"Attachment &folder:") != nullptr);

        // Drawn: the dialog in front, every window painted.
        SetForegroundWindow(dialog.Window());
        RedrawWindow(dialog.Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (int i = 0; i < 20; ++i) {
            TestOptionsDialog::Pump();
            Sleep(50);
        }
        RECT frame{};
        GetWindowRect(dialog.Window(), &frame);
        std::ofstream(std::filesystem::path(pwk::wintest::Argument(2)))
            << frame.left << ' ' << frame.top << ' ' << frame.right - frame.left << ' '
            << frame.bottom - frame.top << '\n';
        WaitForPicture(pwk::wintest::Argument(3));
        dialog.Close();
    }
    CHECK(pwk::wintest::CallExport(component.Get(), "DllUnregisterServer") == S_OK);
    CoUninitialize();
}

}  // namespace
