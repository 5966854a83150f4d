// The installer packages under Wine (64-bit): what each installs is what regsvr32 writes, the
// per-machine package replaces its previous version and keeps the users' settings, the COM
// test host loads the add-in from the installed files, an installation that fails half-way
// leaves the installed version working, and an uninstall leaves the users' settings only. The
// machine's logon is played by running the Active Setup stubs as Windows does. The cases run in
// order, each from where the one before left the machine.
#include <windows.h>
// After windows.h, which they need.
#include <msi.h>
#include <shlobj.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "src/host/HostTypes.h"
#include "src/resources/Version.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "win/com/ComponentIds.h"
#include "win/combase/WideText.h"
#include "win/dispatch/EventIds.h"
#include "win/platform/RegistryKey.h"
#include "winharness/testhost/BoxAnswerer.h"
#include "winharness/testhost/TestHostModel.h"

using pwk::win::RegistryKey;

namespace {

// The packages, from the command line: this version's per-user and per-machine packages, the
// previous version's per-machine package, and a later one whose installation fails half-way.
std::wstring Package(int index) {
    return pwk::wintest::Argument(index);
}
const int kUserPackage = 1;
const int kMachinePackage = 2;
const int kPreviousMachinePackage = 3;
const int kFailingMachinePackage = 4;

DWORD Msiexec(const std::wstring& arguments) {
    return pwk::wintest::Run(L"msiexec.exe " + arguments + L" /qn");
}

std::wstring FolderOf(int csidl) {
    wchar_t folder[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder);
    return folder;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The installed products named "Parleywick" (either package): product code and version.
std::vector<std::pair<std::wstring, std::wstring>> InstalledProducts() {
    std::vector<std::pair<std::wstring, std::wstring>> products;
    wchar_t product[39];
    for (DWORD index = 0; MsiEnumProductsW(index, product) == ERROR_SUCCESS; ++index) {
        wchar_t text[256];
        DWORD length = 256;
        if (MsiGetProductInfoW(product, INSTALLPROPERTY_INSTALLEDPRODUCTNAME, text, &length) ==
                ERROR_SUCCESS &&
            std::wstring(text).rfind(L"Parleywick", 0) == 0) {
            length = 256;
            MsiGetProductInfoW(product, INSTALLPROPERTY_VERSIONSTRING, text, &length);
            products.emplace_back(product, text);
        }
    }
    return products;
}

std::vector<std::wstring> InstalledVersions() {
    std::vector<std::wstring> versions;
    for (const auto& [product, version] : InstalledProducts()) {
        versions.push_back(version);
    }
    return versions;
}

std::wstring ThisVersion() {
    return std::to_wstring(pwk::ComponentVersion.Major) + L"." +
           std::to_wstring(pwk::ComponentVersion.Minor) + L"." +
           std::to_wstring(pwk::ComponentVersion.Revision);
}

// Every value below `path`, as "subkey\name" = value (strings as they are, numbers in decimal).
void Collect(HKEY root, const std::wstring& path, std::map<std::wstring, std::wstring>& values) {
    const auto key = RegistryKey::Open(root, path);
    if (!key) {
        return;
    }
    wchar_t name[256];
    BYTE data[2048];
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = 256;
        DWORD size = sizeof(data) - 2;
        DWORD type = 0;
        if (RegEnumValueW(key->Handle(), index, name, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        std::wstring value =
            type == REG_DWORD
                ? std::to_wstring(*reinterpret_cast<DWORD*>(data))
                : std::wstring(reinterpret_cast<wchar_t*>(data),
                               wcsnlen(reinterpret_cast<wchar_t*>(data), size / sizeof(wchar_t)));
        // A folder is the same with or without its last backslash.
        if (value.size() > 3 && value.back() == L'\\') {
            value.pop_back();
        }
        values[path + L"\\" + name] = value;
    }
    for (const std::wstring& subkey : key->SubkeyNames()) {
        Collect(root, path + L"\\" + subkey, values);
    }
}

// The component's entries in one classes branch, and the user's add-in entry.
std::map<std::wstring, std::wstring> Entries(HKEY classesRoot) {
    std::map<std::wstring, std::wstring> values;
    const std::wstring classes = L"Software\\Classes\\";
    for (const pwk::win::ComponentClass& each : pwk::win::ComponentClasses) {
        Collect(classesRoot, classes + L"CLSID\\" + each.ClsidText, values);
        Collect(classesRoot, classes + each.ProgID, values);
    }
    Collect(classesRoot, classes + L"TypeLib\\" + pwk::win::TypeLibraryIdText, values);
    Collect(HKEY_CURRENT_USER, pwk::win::AddinKey, values);
    return values;
}

void RemoveEntries(HKEY classesRoot) {
    const std::wstring classes = L"Software\\Classes\\";
    for (const pwk::win::ComponentClass& each : pwk::win::ComponentClasses) {
        RegistryKey::DeleteTree(classesRoot, classes + L"CLSID\\" + each.ClsidText);
        RegistryKey::DeleteTree(classesRoot, classes + each.ProgID);
    }
    RegistryKey::DeleteTree(classesRoot, classes + L"TypeLib\\" + pwk::win::TypeLibraryIdText);
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, pwk::win::AddinKey);
}

// What the package wrote equals what regsvr32 writes for the installed DLL: the package's
// entries are taken away and regsvr32 writes them again.
void CheckSameAsRegsvr32(HKEY classesRoot, const std::wstring& dll, const std::wstring& options) {
    const auto installed = Entries(classesRoot);
    CHECK(!installed.empty());
    RemoveEntries(classesRoot);
    CHECK_EQ(pwk::wintest::Regsvr32(options + L"\"" + dll + L"\""), 0u);
    const auto registered = Entries(classesRoot);
    CHECK_EQ(installed.size(), registered.size());
    for (const auto& [name, value] : registered) {
        const auto found = installed.find(name);
        if (found == installed.end() || found->second != value) {
            pwk::wintest::Fail(__FILE__, __LINE__,
                               pwk::win::Narrow(name) + ": regsvr32 writes " +
                                   pwk::win::Narrow(value) + ", the package " +
                                   (found == installed.end() ? std::string("nothing")
                                                             : pwk::win::Narrow(found->second)));
        }
    }
}

// A version of Active Setup ("2,1,158") as numbers.
std::vector<int> Numbers(const std::wstring& text) {
    std::vector<int> numbers;
    int number = 0;
    for (wchar_t c : text + L",") {
        if (c == L',') {
            numbers.push_back(number);
            number = 0;
        } else {
            number = number * 10 + (c - L'0');
        }
    }
    return numbers;
}

// A user's logon as Windows carries out Active Setup: each installed component whose version is
// newer than the one the user has run its stub for runs its stub, and the user's record takes
// the version. (Only the package's components: the prefix's others are Wine's own.)
void Logon() {
    const std::wstring components = L"Software\\Microsoft\\Active Setup\\Installed Components";
    const auto machine = RegistryKey::Open(HKEY_LOCAL_MACHINE, components);
    if (!machine) {
        return;
    }
    for (const std::wstring& id : machine->SubkeyNames()) {
        const auto component = RegistryKey::Open(HKEY_LOCAL_MACHINE, components + L"\\" + id);
        if (!component || component->GetString(L"").value_or(L"").rfind(L"Parleywick", 0) != 0 ||
            component->GetDword(L"IsInstalled").value_or(1) == 0) {
            continue;
        }
        const std::wstring version = component->GetString(L"Version").value_or(L"0");
        LONG status = ERROR_SUCCESS;
        const auto user = RegistryKey::Create(HKEY_CURRENT_USER, components + L"\\" + id, status);
        if (user && Numbers(user->GetString(L"Version").value_or(L"0")) < Numbers(version)) {
            CHECK_EQ(pwk::wintest::Run(component->GetString(L"StubPath").value_or(L"")), 0u);
            user->SetString(L"Version", version);
        }
    }
}

const std::wstring kSettings = L"Software\\VB and VBA Program Settings\\Parleywick\\Tracking";

void SaveSetting() {
    LONG status = ERROR_SUCCESS;
    const auto section = RegistryKey::Create(HKEY_CURRENT_USER, kSettings, status);
    CHECK(section && section->SetString(L"JournalEmails", L"False") == ERROR_SUCCESS);
}

bool SettingKept() {
    const auto section = RegistryKey::Open(HKEY_CURRENT_USER, kSettings);
    return section && section->GetString(L"JournalEmails").value_or(L"") == L"False";
}

// A machine where neither package was installed and no user logged on since: what an earlier
// run left is taken away (the packages' Active Setup components are those of
// win/installer/PWKCommon-machine.wxs; the removal component outlives an uninstall).
void FreshMachine() {
    for (const auto& [product, version] : InstalledProducts()) {
        Msiexec(L"/x " + product);
    }
    const std::wstring components = L"Software\\Microsoft\\Active Setup\\Installed Components\\";
    for (const wchar_t* id :
         {L"{2B4EED2B-9092-4CCC-955C-BD9AE83638D4}", L"{54E21722-9A62-4601-A177-5B2053EFCCAD}"}) {
        RegistryKey::DeleteTree(HKEY_CURRENT_USER, components + id);
        RegistryKey::DeleteTree(HKEY_LOCAL_MACHINE, components + id);
    }
    RegistryKey::DeleteTree(HKEY_CURRENT_USER,
                            L"Software\\VB and VBA Program Settings\\Parleywick");
    RemoveEntries(HKEY_CURRENT_USER);
    RemoveEntries(HKEY_LOCAL_MACHINE);
}

bool AddinEntry() {
    const auto entry = RegistryKey::Open(HKEY_CURRENT_USER, pwk::win::AddinKey);
    return entry && entry->GetDword(L"LoadBehavior").value_or(0) == 3;
}

std::wstring MachineDll() {
    return FolderOf(CSIDL_PROGRAM_FILES) + L"\\Parleywick\\PWKCommon.dll";
}

// The COM test host loads the add-in by its ProgID, from `dll`, and the add-in connects to it
// and lets it go.
void CheckLoadsFrom(const std::wstring& dll) {
    pwk::testhost::TestHostModel host("Outlook", "10.0.0.2627");
    pwk::testhost::BoxAnswerer boxes;
    {
        const auto addIn = pwk::wintest::CreateAddIn();
        CHECK(static_cast<bool>(addIn));
        if (!addIn) {
            return;
        }
        wchar_t loaded[MAX_PATH] = L"";
        GetModuleFileNameW(GetModuleHandleW(L"PWKCommon.dll"), loaded, MAX_PATH);
        CHECK(_wcsicmp(loaded, dll.c_str()) == 0);
        SAFEARRAY* custom = nullptr;
        CHECK(addIn->OnConnection(&host.Application(), 1, &host.AddInInstance(), &custom) == S_OK);
        CHECK(host.Application().Connected(pwk::win::EventIds::Application) == 1);
        CHECK(addIn->OnDisconnection(0, &custom) == S_OK);
    }
    // Unloaded, so that the next installation finds the file free.
    CoFreeUnusedLibrariesEx(0, 0);
    CHECK(GetModuleHandleW(L"PWKCommon.dll") == nullptr);
}

}  // namespace

TEST_CASE("the per-user package writes what regsvr32 /i:user writes, and takes it all away") {
    SaveSetting();
    CHECK_EQ(Msiexec(L"/i \"" + Package(kUserPackage) + L"\""), 0u);
    const std::wstring dll = FolderOf(CSIDL_LOCAL_APPDATA) + L"\\Parleywick\\PWKCommon.dll";
    CHECK(Exists(dll));
    CHECK(AddinEntry());
    CheckSameAsRegsvr32(HKEY_CURRENT_USER, dll, L"/i:user /n ");
    CHECK_EQ(Msiexec(L"/x \"" + Package(kUserPackage) + L"\""), 0u);
    CHECK(!Exists(dll));
    CHECK(Entries(HKEY_CURRENT_USER).empty());
    CHECK(InstalledVersions().empty());
    CHECK(SettingKept());
}

TEST_CASE("the per-machine package replaces its previous version and keeps the settings") {
    CHECK_EQ(Msiexec(L"/i \"" + Package(kPreviousMachinePackage) + L"\""), 0u);
    Logon();
    CHECK(AddinEntry());
    CHECK_EQ(Msiexec(L"/i \"" + Package(kMachinePackage) + L"\""), 0u);
    const std::vector<std::wstring> versions = InstalledVersions();
    CHECK_EQ(versions.size(), 1u);
    CHECK(!versions.empty() && versions.front() == ThisVersion());
    CHECK(SettingKept());
    Logon();
    CHECK(AddinEntry());
}

TEST_CASE("the per-machine package writes what regsvr32 writes") {
    CheckSameAsRegsvr32(HKEY_LOCAL_MACHINE, MachineDll(), L"");
}

TEST_CASE("the COM test host loads the add-in from the installed files") {
    CheckLoadsFrom(MachineDll());
}

TEST_CASE("an installation that fails half-way leaves the installed version working") {
    CHECK(Msiexec(L"/i \"" + Package(kFailingMachinePackage) + L"\"") != 0u);
    const std::vector<std::wstring> versions = InstalledVersions();
    CHECK(versions.size() == 1u && versions.front() == ThisVersion());
    CheckLoadsFrom(MachineDll());
}

TEST_CASE(
    "the uninstall leaves the users' settings, and each user's entry goes at the next logon") {
    CHECK_EQ(Msiexec(L"/x \"" + Package(kMachinePackage) + L"\""), 0u);
    CHECK(InstalledVersions().empty());
    CHECK(!Exists(MachineDll()));
    const auto entries = Entries(HKEY_LOCAL_MACHINE);
    CHECK_EQ(entries.size(), 3u);  // the user's add-in entry, until the logon
    CHECK(AddinEntry());
    Logon();
    CHECK(!AddinEntry());
    CHECK(Entries(HKEY_LOCAL_MACHINE).empty());
    CHECK(SettingKept());
}

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    FreshMachine();
    const int failed = pwk::wintest::RunAll();
    CoUninitialize();
    return failed;
}
