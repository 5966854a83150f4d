// A batch is applied by writing only what differs from the live keys, and a batch that changes
// nothing is never marked or applied; the plan behind it makes one tree equal to another, and
// can be applied again after a crash half way.
#include <string>
#include <vector>

#include "tests/win/support/Check.h"
#include "tests/win/support/RegistryBranch.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"
#include "win/platform/RegistrySync.h"

using pwk::win::RegistryKey;
using pwk::win::RegistrySettingsStore;
using pwk::win::RegistrySync;
using pwk::wintest::PendingRecordLeft;

namespace {

constexpr const wchar_t* kRoot = L"Software\\Parleywick Sync Tests";
constexpr const wchar_t* kBase = L"Software\\Parleywick Sync Tests\\Settings";
constexpr const wchar_t* kPending = L"Software\\Parleywick Sync Tests\\Pending";

// Counts the batches marked complete.
class CountingStore : public RegistrySettingsStore {
  public:
    CountingStore() : RegistrySettingsStore(HKEY_CURRENT_USER, kBase, kPending) {}
    int marked = 0;

  protected:
    void MarkComplete() override {
        ++marked;
        RegistrySettingsStore::MarkComplete();
    }
};

// The start-up save's way: everything removed, then every value written again.
void SaveAgain(RegistrySettingsStore& store, const std::string& count) {
    store.Batch([&] {
        store.DeleteApplication("App");
        store.SaveSetting("App", "Tracking", "JournalEmails", "True");
        store.SaveSetting("App", "Sets\\Contacts", "Count", count);
    });
}

std::vector<std::string> Tree(const std::wstring& path) {
    RegistrySettingsStore store(HKEY_CURRENT_USER, path, kPending);
    return store.Dump("App");
}

TEST_CASE("a batch that saves every value again unchanged is neither marked nor applied") {
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kRoot);
    CountingStore store;
    store.SaveSetting("App", "Tracking", "JournalEmails", "True");
    store.SaveSetting("App", "Sets\\Contacts", "Count", "2");
    const auto before = store.Dump("App");

    SaveAgain(store, "2");
    CHECK(store.marked == 0);
    CHECK(store.Dump("App") == before);
    CHECK(!PendingRecordLeft(kPending));

    SaveAgain(store, "3");
    CHECK(store.marked == 1);
    CHECK((store.Dump("App") ==
           std::vector<std::string>{"Sets\\Contacts|Count=3", "Tracking|JournalEmails=True"}));
}

TEST_CASE("applying writes the removals and a section's new spelling, not only new values") {
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kRoot);
    CountingStore store;
    store.SaveSetting("App", "Old\\Sub", "a", "1");
    store.SaveSetting("App", "Gone", "x", "1");
    store.SaveSetting("App", "Kept", "dropped", "1");
    store.SaveSetting("App", "Kept", "same", "1");
    store.Batch([&] {
        store.DeleteApplication("App");
        store.SaveSetting("App", "OLD\\Sub", "a", "1");
        store.SaveSetting("App", "Kept", "same", "1");
    });
    CHECK((store.Dump("App") == std::vector<std::string>{"Kept|same=1", "OLD\\Sub|a=1"}));
}

TEST_CASE("a plan makes the target equal to the source, values of any type, and again after") {
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kRoot);
    const std::wstring source = std::wstring(kRoot) + L"\\Source";
    const std::wstring target = std::wstring(kRoot) + L"\\Target";
    LONG status = ERROR_SUCCESS;
    {
        const auto from = RegistryKey::Create(HKEY_CURRENT_USER, source + L"\\App\\A", status);
        from->SetString(L"text", L"new");
        from->SetDword(L"number", 7);
        const auto to = RegistryKey::Create(HKEY_CURRENT_USER, target + L"\\App\\A", status);
        to->SetString(L"TEXT", L"old");
        to->SetString(L"extra", L"1");
        RegistryKey::Create(HKEY_CURRENT_USER, target + L"\\App\\B", status);
    }
    const RegistrySync sync = RegistrySync::Plan(HKEY_CURRENT_USER, source, target, status);
    CHECK(status == ERROR_SUCCESS);
    CHECK(!sync.Empty());
    CHECK(sync.Apply(HKEY_CURRENT_USER) == ERROR_SUCCESS);
    CHECK(Tree(target) == Tree(source));
    const auto number = RegistryKey::Open(HKEY_CURRENT_USER, target + L"\\App\\A");
    CHECK(number && number->GetDword(L"number") == 7u);
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, target + L"\\App\\B"));
    // A crash after part of it: applied again, it ends the same; planned now, nothing is left.
    CHECK(sync.Apply(HKEY_CURRENT_USER) == ERROR_SUCCESS);
    CHECK(Tree(target) == Tree(source));
    CHECK(RegistrySync::Plan(HKEY_CURRENT_USER, source, target, status).Empty());
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kRoot);
}

}  // namespace
