// The add-in's options page in the test host's options dialog, worked as a user works it: the
// add-in adds the component's own page when the dialog opens, the dialog sites it and activates
// it in place in a real window, and the test presses its buttons and check boxes by window
// messages, with the folders picked in the host's own picker. Usage:
// test_win_optionspage <path of PWKCommon.dll>. The cases run in order and share the component.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "src/host/HostTypes.h"
#include "src/resources/StringTable.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "tests/win/support/ConnectedAddIn.h"
#include "tests/win/support/HostChecks.h"
#include "tests/win/support/PageControls.h"
#include "win/automation/DispatchObject.h"
#include "win/combase/Unique.h"
#include "win/combase/Variant.h"
#include "win/combase/WideText.h"
#include "win/dispatch/PlainObject.h"
#include "win/platform/RegistryKey.h"
#include "winharness/testhost/BoxAnswerer.h"
#include "winharness/testhost/TestHostModel.h"
#include "winharness/testhost/TestOptionsDialog.h"

using pwk::host::DefaultFolder::Contacts;
using pwk::host::DefaultFolder::Inbox;
using pwk::host::DefaultFolder::Journal;
using pwk::testhost::BoxAnswerer;
using pwk::testhost::TestHostModel;
using pwk::testhost::TestOptionsDialog;
using pwk::win::ComPtr;
using pwk::win::Variant;
using pwk::wintest::CallExport;
using pwk::wintest::Cell;
using pwk::wintest::Checked;
using pwk::wintest::Click;
using pwk::wintest::Control;
using pwk::wintest::Rows;

namespace {

constexpr wchar_t kSettings[] = L"Software\\VB and VBA Program Settings\\Parleywick";

pwk::win::UniqueModule component;

// A value of the add-in's settings in the registry; nothing when it is not there.
std::optional<std::wstring> Setting(const std::wstring& section, const wchar_t* key) {
    const auto found =
        pwk::win::RegistryKey::Open(HKEY_CURRENT_USER, std::wstring(kSettings) + L"\\" + section);
    return found ? found->GetString(key) : std::nullopt;
}

bool Shown(const std::vector<BoxAnswerer::Box>& boxes, const std::string& text) {
    for (const auto& box : boxes) {
        if (box.Text.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST_CASE("the component registers itself, the options page with it") {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    component = pwk::win::UniqueModule(LoadLibraryW(pwk::wintest::Argument(1).c_str()));
    CHECK(component);
    CHECK(CallExport(component.Get(), "DllRegisterServer") == S_OK);
    pwk::win::RegistryKey::DeleteTree(HKEY_CURRENT_USER, kSettings);
    CLSID page{};
    CHECK(SUCCEEDED(CLSIDFromProgID(L"WicklineProps.PWKProps", &page)));
}

TEST_CASE("a user tracks a folderset on the page, switches journaling on and applies") {
    TestHostModel host("Outlook", "10.0.0.2627");
    const std::vector<ULONG> before = pwk::wintest::ReferencesOf(host);
    BoxAnswerer boxes;
    {
        const pwk::wintest::ConnectedAddIn addIn(host);
        CHECK(addIn.Connected());

        std::vector<ComPtr<IDispatch>> pages = host.OpenOptionsDialog();
        CHECK_EQ(pages.size(), std::size_t{1});
        CHECK(!Shown(boxes.Answered(), pwk::LoadResString(pwk::StringId::PropertiesPageFailed)));
        if (pages.size() != 1) {
            return;
        }
        {
            TestOptionsDialog dialog(pages[0], "Parleywick");
            pages.clear();
            const HWND page = dialog.PageWindow();
            CHECK(dialog.Site().InPlaceActive());
            CHECK(page != nullptr && IsChild(dialog.Window(), page));
            const HWND list = Control(page, WC_LISTVIEWW, nullptr);
            const HWND add = Control(page, L"Button", L"&Add...");
            const HWND journal =
                Control(page, L"Button", L"Make a journal entry for each filed e-mail");
            CHECK(list != nullptr && add != nullptr && journal != nullptr);
            CHECK_EQ(Rows(list), 0);
            CHECK(!dialog.Dirty());

            // Add: the three folders from the host's picker, then a check box.
            host.PlanPicks({Contacts, Journal, Inbox});
            Click(add);
            CHECK_EQ(Rows(list), 1);
            CHECK(Cell(list, 0, 0) == L"\\\\Personal Folders\\Contacts");
            CHECK(Cell(list, 0, 2) == L"\\\\Personal Folders\\Inbox");
            const int afterAdd = dialog.Site().StatusChanges();
            CHECK(afterAdd > 0);
            CHECK(dialog.Dirty());
            CHECK(!Checked(journal));
            Click(journal);
            CHECK(Checked(journal));
            CHECK(dialog.Site().StatusChanges() > afterAdd);

            // Apply: saved, and the add-in hooks its windows again with the new folderset.
            CHECK(dialog.Apply() == S_OK);
            CHECK(!dialog.Dirty());
            CHECK(Setting(L"Tracked Foldersets", L"Count") == std::optional<std::wstring>(L"1"));
            CHECK(Setting(L"Tracking", L"JournalEmails") == std::optional<std::wstring>(L"True"));
            CHECK(host.ShowFolder(Contacts) == S_OK);
            CHECK_EQ(pwk::wintest::Captions(pwk::wintest::StandardBar(host, true), true),
                     std::string("Phone Call|Email|File Link|Note|Appointment"));
            CHECK(host.ShowFolder(Inbox) == S_OK);

            // The same contacts folder again is refused with its text; a cancelled pick adds
            // nothing and says nothing.
            host.PlanPicks({Contacts, Journal, Inbox});
            Click(add);
            CHECK(
                Shown(boxes.Answered(), pwk::LoadResString(pwk::StringId::DuplicateContactFolder)));
            host.PlanPicks({Contacts});
            const std::size_t shown = boxes.Answered().size();
            Click(add);
            CHECK_EQ(boxes.Answered().size(), shown);
            CHECK_EQ(Rows(list), 1);
            CHECK(!dialog.Dirty());

            // Keys: Tab moves between the page's controls; Enter is the dialog's (OK).
            SetFocus(list);
            CHECK(dialog.Key(VK_TAB) == S_OK);
            CHECK(GetFocus() != list && IsChild(page, GetFocus()));
            CHECK(dialog.Key(VK_RETURN) == S_OK);
            CHECK(!dialog.Site().KeysGivenBack().empty() &&
                  dialog.Site().KeysGivenBack().back() == VK_RETURN);

            // Cancel: the folderset removed and a switch turned off on the page, and the dialog
            // closed without Apply.
            const HWND remove = Control(page, L"Button", L"&Remove");
            CHECK(!IsWindowEnabled(remove));
            LVITEMW selected{};
            selected.stateMask = LVIS_SELECTED;
            selected.state = LVIS_SELECTED;
            SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
            CHECK(IsWindowEnabled(remove));
            Click(remove);
            CHECK_EQ(Rows(list), 0);
            Click(journal);
            CHECK(dialog.Dirty());
            dialog.Close();
        }
        CHECK(Setting(L"Tracked Foldersets", L"Count") == std::optional<std::wstring>(L"1"));
        CHECK(Setting(L"Tracking", L"JournalEmails") == std::optional<std::wstring>(L"True"));
    }
    for (const auto& box : boxes.Answered()) {
        std::printf("box answered: [%s] %s\n", box.Caption.c_str(), box.Text.c_str());
    }
    CHECK(pwk::wintest::AllGivenBack(host, before));
}

TEST_CASE("a page given settings that are not the add-in's own has none and changes nothing") {
    TestHostModel host("Outlook", "10.0.0.2627");
    const auto stored = Setting(L"Tracking", L"JournalEmails");
    const auto foreignSettings = pwk::win::DispatchObject::Make();
    const auto info = pwk::win::DispatchObject::Make();
    info->Value("Title", "Parleywick").Value("Path", "C:\\Parleywick").Value("Major", 2);
    info->Value("Minor", 1).Value("Revision", 158).Value("HelpFile", "Parleywick.hlp");
    {
        CLSID clsid{};
        CHECK(SUCCEEDED(CLSIDFromProgID(L"WicklineProps.PWKProps", &clsid)));
        const auto object = ComPtr<IDispatch>::Create(clsid);
        CHECK(static_cast<bool>(object));
        if (!object) {
            return;
        }
        const pwk::win::PlainObject<struct PageKind> page{Variant(object.Get())};
        page.Call("Initialize", Variant(static_cast<IDispatch*>(&host.Application())),
                  Variant(static_cast<IDispatch*>(foreignSettings.Get())), "Parleywick.hlp",
                  Variant(), Variant(static_cast<IDispatch*>(info.Get())));
        CHECK(!page.Get("Loaded").ToBool());
        CHECK_EQ(page.Get("AppVersion").ToString(), std::string("2.1.158"));
        CHECK_EQ(page.Get("FoldersetCount").ToInt32(), 0);
        CHECK(!page.Call("SetSwitch", "JournalEmails", true).ToBool());
        CHECK_EQ(page.Get("Message").ToString(),
                 std::string("The add-in gave this page no settings: there is nothing to change "
                             "here."));
        CHECK(!page.Call("Apply").ToBool());
        CHECK(!page.Get("Dirty").ToBool());
    }
    CHECK_EQ(foreignSettings->References(), ULONG{1});
    CHECK(Setting(L"Tracking", L"JournalEmails") == stored);
}

TEST_CASE("the component can unload and unregisters itself") {
    const auto end = pwk::wintest::EndComponent(component);
    CHECK(end.CanUnload == S_OK);
    CHECK(end.Unregistered == S_OK);
}

}  // namespace
