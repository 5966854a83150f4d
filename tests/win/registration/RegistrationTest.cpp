// The component registers itself through regsvr32, as an administrator would: for every user
// (plain regsvr32) and for the current user (/i:user /n). Usage: test_win_registration <dll>
#include <windows.h>

#include <string>

#include "tests/win/support/Check.h"
#include "tests/win/support/CommandLine.h"
#include "tests/win/support/ComponentCalls.h"
#include "win/com/ComponentIds.h"
#include "win/com/IDTExtensibility2.h"
#include "win/platform/RegistryKey.h"

using pwk::win::RegistryKey;
using pwk::wintest::Regsvr32;

namespace {

std::wstring dllPath;

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

std::string Text(HKEY root, const std::wstring& path, const std::wstring& name = L"") {
    const auto key = RegistryKey::Open(root, path);
    if (!key) {
        return "<no key>";
    }
    const auto value = key->GetString(name);
    return value ? std::string(value->begin(), value->end()) : "<no value>";
}

const std::wstring kClsidKey = std::wstring(L"CLSID\\") + pwk::win::ConnectClsidText;
const std::wstring kTypeLibKey =
    std::wstring(L"TypeLib\\") + pwk::win::TypeLibraryIdText + L"\\2.1";

bool Creatable() {
    return static_cast<bool>(pwk::wintest::CreateAddIn());
}

// Every class of the component: ProgID to CLSID and back, in process, under `prefix` of `root`.
void CheckClasses(HKEY root, const std::wstring& prefix) {
    for (const auto& each : pwk::win::ComponentClasses) {
        const std::wstring clsid = prefix + L"CLSID\\" + each.ClsidText;
        const std::wstring progId(each.ProgID);
        const std::wstring clsidText(each.ClsidText);
        CHECK_EQ(Text(root, prefix + progId + L"\\CLSID"),
                 std::string(clsidText.begin(), clsidText.end()));
        CHECK_EQ(Text(root, clsid + L"\\ProgID"), std::string(progId.begin(), progId.end()));
        CHECK_EQ(Text(root, clsid + L"\\InprocServer32", L"ThreadingModel"), "Apartment");
    }
}

// None of the component's classes' keys is left under `prefix` of `root`.
void CheckClassesGone(HKEY root, const std::wstring& prefix) {
    for (const auto& each : pwk::win::ComponentClasses) {
        CHECK(!RegistryKey::Exists(root, prefix + each.ProgID));
        CHECK(!RegistryKey::Exists(root, prefix + L"CLSID\\" + each.ClsidText));
    }
}

void CheckAddinEntry() {
    const auto addin = RegistryKey::Open(HKEY_CURRENT_USER, pwk::win::AddinKey);
    CHECK(addin.has_value());
    if (addin) {
        CHECK_EQ(Text(HKEY_CURRENT_USER, pwk::win::AddinKey, L"FriendlyName"), "Parleywick ");
        CHECK_EQ(Text(HKEY_CURRENT_USER, pwk::win::AddinKey, L"Description"),
                 "Enterprise-wide tracking of phone and email communication with contacts and "
                 "customers.");
        CHECK(addin->GetDword(L"LoadBehavior") == std::optional<DWORD>(3));
    }
}

}  // namespace

TEST_CASE("plain regsvr32 registers the class for every user; /u removes every entry") {
    CHECK_EQ(Regsvr32(Quoted(dllPath)), 0UL);
    CHECK_EQ(Text(HKEY_CLASSES_ROOT, L"Wickline.Connect\\CLSID"),
             "{642BA7B0-F1A1-4176-A6DE-DC32BF523047}");
    CHECK(Text(HKEY_CLASSES_ROOT, kClsidKey + L"\\InprocServer32").find("PWKCommon.dll") !=
          std::string::npos);
    CHECK_EQ(Text(HKEY_CLASSES_ROOT, kTypeLibKey), "Parleywick Add-In");
    CheckAddinEntry();
    CheckClasses(HKEY_CLASSES_ROOT, L"");
    CHECK_EQ(Text(HKEY_CLASSES_ROOT, L"Wickline.RegSettings\\CLSID"),
             "{DA3FEB39-7F81-430A-9F3C-378013702524}");
    // Created by ProgID as the host does; creating it runs the start-up.
    CHECK(Creatable());
    CoFreeUnusedLibraries();

    CHECK_EQ(Regsvr32(L"/u " + Quoted(dllPath)), 0UL);
    CHECK(!RegistryKey::Exists(HKEY_CLASSES_ROOT, kTypeLibKey));
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, pwk::win::AddinKey));
    CheckClassesGone(HKEY_CLASSES_ROOT, L"");
    CHECK(!Creatable());
}

TEST_CASE("/i:user /n registers under the current user's classes only") {
    CHECK_EQ(Regsvr32(L"/i:user /n " + Quoted(dllPath)), 0UL);
    CHECK_EQ(Text(HKEY_CURRENT_USER, L"Software\\Classes\\Wickline.Connect\\CLSID"),
             "{642BA7B0-F1A1-4176-A6DE-DC32BF523047}");
    CheckAddinEntry();
    CheckClasses(HKEY_CURRENT_USER, L"Software\\Classes\\");
    CheckClassesGone(HKEY_LOCAL_MACHINE, L"Software\\Classes\\");

    CHECK_EQ(Regsvr32(L"/u /i:user /n " + Quoted(dllPath)), 0UL);
    CheckClassesGone(HKEY_CURRENT_USER, L"Software\\Classes\\");
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, pwk::win::AddinKey));
}

TEST_CASE("/i:addin /n writes the current user's add-in entry and nothing else; /u takes it") {
    CHECK_EQ(Regsvr32(L"/i:addin /n " + Quoted(dllPath)), 0UL);
    CheckAddinEntry();
    CheckClassesGone(HKEY_CURRENT_USER, L"Software\\Classes\\");
    CheckClassesGone(HKEY_LOCAL_MACHINE, L"Software\\Classes\\");
    CHECK(!RegistryKey::Exists(HKEY_CLASSES_ROOT, kClsidKey));
    CHECK(!RegistryKey::Exists(HKEY_CLASSES_ROOT, kTypeLibKey));
    CHECK_EQ(Regsvr32(L"/u /i:addin /n " + Quoted(dllPath)), 0UL);
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, pwk::win::AddinKey));
}

TEST_CASE("/u leaves a ProgID that another component has taken over since") {
    const std::wstring classes = L"Software\\Classes\\";
    const std::wstring progId = classes + pwk::win::ErrorObjectClass.ProgID;
    CHECK_EQ(Regsvr32(L"/i:user /n " + Quoted(dllPath)), 0UL);
    LONG status = ERROR_SUCCESS;
    if (const auto clsid = RegistryKey::Create(HKEY_CURRENT_USER, progId + L"\\CLSID", status)) {
        clsid->SetString(L"", L"{11111111-2222-3333-4444-555555555555}");
    }
    CHECK_EQ(Regsvr32(L"/u /i:user /n " + Quoted(dllPath)), 0UL);
    CHECK_EQ(Text(HKEY_CURRENT_USER, progId + L"\\CLSID"),
             "{11111111-2222-3333-4444-555555555555}");
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, classes + pwk::win::RegSettingsClass.ProgID));
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, progId);
}

// The harness's main, with the component's path from the command line first.
int main() {
    dllPath = pwk::wintest::Argument(1);
    if (dllPath.empty()) {
        std::printf("usage: test_win_registration <path of PWKCommon.dll>\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int failed = pwk::wintest::RunAll();
    CoUninitialize();
    return failed;
}
