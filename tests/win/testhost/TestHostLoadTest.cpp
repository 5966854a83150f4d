// The real component in the test host: registered, created by ProgID, connected to a host that
// passes the version test and to one that does not, its welcome box answered, and every
// reference it took given back. Usage: test_win_testhost <path of PWKCommon.dll>
// The cases run in order and share the loaded component.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/win/support/Check.h"
#include "win/com/IDTExtensibility2.h"
#include "win/dispatch/EventIds.h"
#include "win/dispatch/WideText.h"
#include "win/testhost/BoxAnswerer.h"
#include "win/testhost/TestHostModel.h"

using pwk::testhost::BoxAnswerer;
using pwk::testhost::BridgeObject;
using pwk::testhost::TestHostModel;
using pwk::win::ComPtr;
using pwk::win::IDTExtensibility2;
namespace EventIds = pwk::win::EventIds;

namespace {

constexpr int kStartup = 1;
constexpr int kHostShutdown = 0;

using EntryPoint = HRESULT(STDAPICALLTYPE*)();

HRESULT CallExport(HMODULE dll, const char* name) {
    const auto entry =
        reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    return entry == nullptr ? E_NOTIMPL : entry();
}

std::vector<ULONG> ReferencesOf(const TestHostModel& host) {
    std::vector<ULONG> counts;
    for (const auto& object : host.Objects()) {
        counts.push_back(object->References());
    }
    return counts;
}

// True when every object the host had at `before` is back at its count then.
bool AllGivenBack(const TestHostModel& host, const std::vector<ULONG>& before) {
    bool back = true;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (host.Objects()[i]->References() != before[i]) {
            std::printf("object %zu: %lu references, %lu before\n", i,
                        host.Objects()[i]->References(), before[i]);
            back = false;
        }
    }
    return back;
}

ComPtr<IDTExtensibility2> CreateAddIn() {
    CLSID clsid;
    ComPtr<IDTExtensibility2> addIn;
    if (SUCCEEDED(CLSIDFromProgID(L"Wickline.Connect", &clsid))) {
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, pwk::win::IID_IDTExtensibility2,
                         reinterpret_cast<void**>(addIn.Out()));
    }
    return addIn;
}

// The text of every log file the add-in may have written ("PWK*" in the documents folder or
// beside the component).
std::string LogText(const std::wstring& dllFolder) {
    wchar_t documents[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    std::string text;
    for (const std::wstring& folder : {std::wstring(documents), dllFolder}) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder + L"\\PWK*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            continue;
        }
        do {
            std::ifstream file(std::filesystem::path(folder + L"\\" + found.cFileName),
                               std::ios::binary);
            std::ostringstream content;
            content << file.rdbuf();
            text += content.str();
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return text;
}

// The component's path (the program's argument) and folder.
std::wstring ComponentPath() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring path = argc >= 2 ? argv[1] : L"PWKCommon.dll";
    LocalFree(argv);
    return path;
}

std::wstring ComponentFolder() {
    const std::wstring path = ComponentPath();
    return path.substr(0, path.find_last_of(L"\\/"));
}

HMODULE component = nullptr;

TEST_CASE("the component registers itself") {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    component = LoadLibraryW(ComponentPath().c_str());
    CHECK(component != nullptr);
    CHECK(CallExport(component, "DllRegisterServer") == S_OK);
    // A first start: no settings stored.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Parleywick");
}

TEST_CASE("a host that passes the version test is connected, answered and given everything back") {
    TestHostModel host("Outlook", "10.0.0.2627");
    // The mail the user sends later; made now, since it refers to its folder.
    ComPtr<BridgeObject> mail = host.NewMail();
    const std::vector<ULONG> before = ReferencesOf(host);
    BoxAnswerer boxes;
    {
        ComPtr<IDTExtensibility2> addIn = CreateAddIn();
        CHECK(static_cast<bool>(addIn));
        if (!addIn) {
            return;
        }
        SAFEARRAY* custom = nullptr;
        CHECK(addIn->OnConnection(&host.Application(), kStartup, &host.AddInInstance(), &custom) ==
              S_OK);
        CHECK(addIn->OnStartupComplete(&custom) == S_OK);
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
        host.Application().Fire(EventIds::Application, EventIds::ItemSend, {item, cancel});
        CHECK(cancelFlag == VARIANT_FALSE);

        CHECK(addIn->OnBeginShutdown(&custom) == S_OK);
        CHECK(addIn->OnDisconnection(kHostShutdown, &custom) == S_OK);
        CHECK(host.Application().Connected(EventIds::Application) == 0);
        CHECK(host.Explorer().Connected(EventIds::Explorer) == 0);
    }
    CHECK(AllGivenBack(host, before));
}

TEST_CASE("a refused host gets its two log lines and keeps every reference") {
    TestHostModel host("Outlook", "11.0.5510");
    const std::vector<ULONG> before = ReferencesOf(host);
    BoxAnswerer boxes;
    {
        ComPtr<IDTExtensibility2> addIn = CreateAddIn();
        CHECK(static_cast<bool>(addIn));
        if (!addIn) {
            return;
        }
        SAFEARRAY* custom = nullptr;
        CHECK(addIn->OnConnection(&host.Application(), kStartup, &host.AddInInstance(), &custom) ==
              S_OK);
        CHECK(host.Application().Connected(EventIds::Application) == 0);
        CHECK(host.Explorer().Connected(EventIds::Explorer) == 0);
        CHECK(addIn->OnDisconnection(kHostShutdown, &custom) == S_OK);
    }
    CHECK(AllGivenBack(host, before));
    CHECK(boxes.Answered().empty());
    const std::string log = LogText(ComponentFolder());
    CHECK(log.find("Invalid Outlook version or app") != std::string::npos);
    CHECK(log.find("Invalid version is: Outlook 11.0.5510  {") != std::string::npos);
}

TEST_CASE("the component can unload and unregisters itself") {
    CoFreeUnusedLibraries();
    CHECK(CallExport(component, "DllCanUnloadNow") == S_OK);
    CHECK(CallExport(component, "DllUnregisterServer") == S_OK);
    FreeLibrary(component);
    CoUninitialize();
}

}  // namespace
