// The real component in the test host: registered, created by ProgID, connected to a host that
// passes the version test, its welcome box answered, the open explorer hooked (its key told only
// to a test machine) and followed, every reference it took given back, and its log erased after
// an upgrade while it writes it. Usage: test_win_testhost <path of PWKCommon.dll>. The cases run
// in order and share the loaded component.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "src/host/HostTypes.h"
#include "tests/support/FileText.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "tests/win/support/ConnectedAddIn.h"
#include "tests/win/support/HostChecks.h"
#include "win/com/HookKeysMember.h"
#include "win/combase/Unique.h"
#include "win/combase/Variant.h"
#include "win/combase/WideText.h"
#include "win/dispatch/EventIds.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/TestSwitches.h"
#include "winharness/testhost/BoxAnswerer.h"
#include "winharness/testhost/TestHostModel.h"

using pwk::testhost::BoxAnswerer;
using pwk::testhost::TestHostModel;
using pwk::win::ComPtr;
using pwk::win::DispatchObject;
using pwk::win::HookKeysMember;
using pwk::win::kHookKeysVariable;
using pwk::wintest::AllGivenBack;
using pwk::wintest::CallExport;
using pwk::wintest::Captions;
using pwk::wintest::ConnectedAddIn;
using pwk::wintest::ReferencesOf;
using pwk::wintest::StandardBar;
namespace EventIds = pwk::win::EventIds;

namespace {

bool IsEnabled(const std::vector<ComPtr<DispatchObject>>& controls, const std::string& caption) {
    for (const auto& control : controls) {
        if (control->ValueOf("Caption").ToString() == caption) {
            return control->ValueOf("Enabled").ToBool();
        }
    }
    return false;
}

// What a failed call answered, as the text a check compares.
std::string FailedWith(HRESULT status) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(status));
    return text;
}

// The number a client finds for `name` on `object`, or what it answered.
std::string NumberOf(IDispatch& object, const wchar_t* name) {
    std::wstring wide(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT status = object.GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    return status == S_OK ? std::to_string(id) : FailedWith(status);
}

// The add-in object's keys of its hooks of `kind` by the member's number, or what it answered.
std::string HookKeys(IDispatch& object, const std::string& kind) {
    pwk::win::Variant argument(kind);
    DISPPARAMS params{argument.Get(), nullptr, 1, 0};
    pwk::win::Variant result;
    const HRESULT status = object.Invoke(HookKeysMember::Id, IID_NULL, 0, DISPATCH_METHOD, &params,
                                         result.Get(), nullptr, nullptr);
    return status == S_OK ? result.ToString() : FailedWith(status);
}

// Where the add-in writes its log without settings: "PWK" in the user's documents folder.
std::filesystem::path LogPath() {
    wchar_t documents[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    return std::filesystem::path(documents) / L"PWK";
}

std::string LogText() {
    return pwk::test::FileText(LogPath());
}

// The component's path: the program's argument.
std::wstring ComponentPath() {
    return pwk::wintest::Argument(1, L"PWKCommon.dll");
}

pwk::win::UniqueModule component;

TEST_CASE("the component registers itself") {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    component = pwk::win::UniqueModule(LoadLibraryW(ComponentPath().c_str()));
    CHECK(component);
    CHECK(CallExport(component.Get(), "DllRegisterServer") == S_OK);
    // A first start: no settings stored, and no log of an earlier run to find lines in.
    pwk::win::RegistryKey::DeleteTree(HKEY_CURRENT_USER,
                                      L"Software\\VB and VBA Program Settings\\Parleywick");
    std::error_code ignored;
    std::filesystem::remove(LogPath(), ignored);
}

TEST_CASE("a host that passes the version test is connected, answered and given everything back") {
    TestHostModel host("Outlook", "10.0.0.2627");
    // The mail the user sends later; made now, since it refers to its folder.
    ComPtr<DispatchObject> mail = host.NewMail();
    const std::vector<ULONG> before = ReferencesOf(host);
    BoxAnswerer boxes;
    {
        ConnectedAddIn addIn(host);
        CHECK(addIn.Connected());
        // Connected: the application's and the window collections' events are advised, the
        // welcome box of a first start was shown and answered.
        CHECK(host.Application().Connected(EventIds::Application) == 1);
        bool welcomed = false;
        for (const auto& box : boxes.Answered()) {
            std::printf("box answered: [%s] %s\n", box.Caption.c_str(), box.Text.c_str());
            welcomed = welcomed || (box.Caption == "Welcome" &&
                                    box.Text.rfind("Welcome to Parleywick!", 0) == 0);
        }
        CHECK(welcomed);

        // A send: the add-in answers and leaves Cancel as it was.
        VARIANT item;
        VariantInit(&item);
        item.vt = VT_DISPATCH;
        item.pdispVal = mail.Get();
        VARIANT_BOOL cancelFlag = VARIANT_FALSE;
        VARIANT cancel;
        VariantInit(&cancel);
        cancel.vt = VT_BOOL | VT_BYREF;
        cancel.pboolVal = &cancelFlag;
        CHECK(host.Application().Fire(EventIds::Application, EventIds::ItemSend, {item, cancel}) ==
              S_OK);
        CHECK(cancelFlag == VARIANT_FALSE);

        CHECK(addIn.Disconnect());
        CHECK(host.Application().Connected(EventIds::Application) == 0);
        CHECK(host.Explorer().Connected(EventIds::Explorer) == 0);
    }
    CHECK(AllGivenBack(host, before));
}

TEST_CASE("the open explorer is hooked, follows what the user does and is left as it was") {
    TestHostModel host("Outlook", "10.0.0.2627");
    const std::string hostsOwn = Captions(StandardBar(host, false));
    ComPtr<DispatchObject> mail = host.ReceivedMail();
    const std::vector<ULONG> before = ReferencesOf(host);
    BoxAnswerer boxes;
    {
        ConnectedAddIn addIn(host);
        CHECK(addIn.Connected());

        // Hooked under key 1, which the add-in object tells only while its test switch is on,
        // read at each call: off, the member's name is unknown and its number no member, as
        // for any name outside the type library.
        IDispatch& object = *addIn.Object();
        const std::string unknownName = FailedWith(DISP_E_UNKNOWNNAME);
        const std::string noMember = FailedWith(DISP_E_MEMBERNOTFOUND);
        for (const wchar_t* off : {static_cast<const wchar_t*>(nullptr), L"0", L"true"}) {
            SetEnvironmentVariableW(kHookKeysVariable, off);
            CHECK_EQ(NumberOf(object, HookKeysMember::Name), unknownName);
            CHECK_EQ(HookKeys(object, "explorer"), noMember);
        }
        SetEnvironmentVariableW(kHookKeysVariable, L"1");
        CHECK_EQ(NumberOf(object, L"testhookkeys"), std::to_string(HookKeysMember::Id));
        CHECK_EQ(HookKeys(object, "explorer"), std::string("1"));
        CHECK_EQ(HookKeys(object, "inspector"), std::string(""));
        CHECK_EQ(HookKeys(object, "window"), FailedWith(DISP_E_TYPEMISMATCH));
        SetEnvironmentVariableW(kHookKeysVariable, nullptr);
        CHECK_EQ(HookKeys(object, "explorer"), noMember);

        // Two sinks on the explorer's events: the add-in watches the first window it finds for
        // its closing (the last window closing lets go of the host), and hooks every explorer.
        CHECK_EQ(host.Explorer().Connected(EventIds::Explorer), std::size_t{2});
        // Its six buttons stand before the bar's last control, temporary, each with its own
        // click sink; on the default Inbox only Log shows, enabled.
        CHECK_EQ(Captions(StandardBar(host, false)),
                 std::string("&New|Print|Delete|Forward|Find|Address Book|Phone Call|Email|"
                             "File Link|Note|Appointment|Log|Help"));
        const std::vector<ComPtr<DispatchObject>> buttons = StandardBar(host, true);
        for (const auto& button : buttons) {
            CHECK(button->ValueOf("Temporary").ToBool());
            CHECK(button->ValueOf("Tag").ToString().rfind("ACTION_", 0) == 0);
            CHECK_EQ(button->ValueOf("OnAction").ToString(), std::string("<!Wickline.Connect>"));
            CHECK_EQ(button->Connected(EventIds::CommandBarButton), std::size_t{1});
        }
        CHECK_EQ(Captions(buttons, true), std::string("Log"));
        CHECK(IsEnabled(buttons, "Log"));

        // The explorer's events reach the add-in and none fails back to the host: Log follows
        // the selection (enabled for exactly one mail), no button shows in the calendar, and
        // Log is back in the Inbox.
        CHECK(host.Select({}) == S_OK);
        CHECK_EQ(Captions(buttons, true), std::string("Log"));
        CHECK(!IsEnabled(buttons, "Log"));
        CHECK(host.Select({mail}) == S_OK);
        CHECK(IsEnabled(buttons, "Log"));
        CHECK(host.ShowFolder(pwk::host::DefaultFolder::Calendar) == S_OK);
        CHECK_EQ(Captions(buttons, true), std::string(""));
        CHECK(host.ShowFolder(pwk::host::DefaultFolder::Inbox) == S_OK);
        CHECK_EQ(Captions(buttons, true), std::string("Log"));
        CHECK(!IsEnabled(buttons, "Log"));

        // Disconnected: the explorer's and the buttons' events are unadvised and the buttons
        // are off the bar.
        CHECK(addIn.Disconnect());
        CHECK_EQ(host.Explorer().Connected(EventIds::Explorer), std::size_t{0});
        for (const auto& button : buttons) {
            CHECK_EQ(button->Connected(EventIds::CommandBarButton), std::size_t{0});
        }
        CHECK_EQ(Captions(StandardBar(host, false)), hostsOwn);
    }
    CHECK(AllGivenBack(host, before));
    // No box: nothing failed that the user would have been told of.
    CHECK(boxes.Answered().empty());
    CHECK(CallExport(component.Get(), "DllCanUnloadNow") == S_OK);
}

TEST_CASE("after an upgrade the log is erased while the add-in writes it, and starts again") {
    // The settings of the version before, and a log that holds lines of its time.
    const std::pair<const wchar_t*, const wchar_t*> version[] = {
        {L"Major", L"2"}, {L"Minor", L"0"}, {L"Revision", L"300"}};
    LONG status = ERROR_SUCCESS;
    const auto section = pwk::win::RegistryKey::Create(
        HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Parleywick\\Version", status);
    CHECK(section.has_value());
    for (const auto& [name, value] : version) {
        CHECK(section && section->SetString(name, value) == ERROR_SUCCESS);
    }
    std::ofstream(LogPath(), std::ios::binary | std::ios::app) << "a line of the version before\n";
    CHECK(LogText().find("a line of the version before") != std::string::npos);

    TestHostModel upgraded("Outlook", "10.0.0.2627");
    const std::vector<ULONG> before = ReferencesOf(upgraded);
    BoxAnswerer boxes;
    {
        ConnectedAddIn addIn(upgraded);
        CHECK(addIn.Connected());
        CHECK(addIn.Disconnect());
    }
    CHECK(AllGivenBack(upgraded, before));
    // The question was answered No (no backup), and the deletion worked: nothing else was shown,
    // in particular not the box asking the user to delete the log by hand.
    const std::vector<BoxAnswerer::Box> answered = boxes.Answered();
    for (const auto& box : answered) {
        std::printf("box answered: [%s] %s\n", box.Caption.c_str(), box.Text.c_str());
    }
    CHECK_EQ(answered.size(), std::size_t{1});
    CHECK(!answered.empty() && answered[0].Caption == "Backup Error Log?");
    CHECK(LogText().find("a line of the version before") == std::string::npos);

    // The add-in goes on logging: a refused host's lines start a new file at the same path,
    // holding nothing of the erased one. (A refused host's lines and references are
    // refused-host.scenario's, compared both ways.)
    TestHostModel refused("Outlook", "11.0.5510");
    const std::vector<ULONG> refusedBefore = ReferencesOf(refused);
    {
        ConnectedAddIn addIn(refused, false);
        CHECK(addIn.Connected());
        CHECK(refused.Application().Connected(EventIds::Application) == 0);
        CHECK(addIn.Disconnect());
    }
    CHECK(AllGivenBack(refused, refusedBefore));
    const std::string log = LogText();
    CHECK(log.find("a line of the version before") == std::string::npos);
    const auto line = log.find("Invalid version is: Outlook 11.0.5510  {");
    CHECK(line != std::string::npos);
    CHECK(log.find("Invalid version is:", line + 1) == std::string::npos);
}

TEST_CASE("the component can unload and unregisters itself") {
    const auto end = pwk::wintest::EndComponent(component);
    CHECK(end.CanUnload == S_OK);
    CHECK(end.Unregistered == S_OK);
}

}  // namespace
