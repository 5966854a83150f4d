#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "src/util/Failure.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/RegistryBranch.h"
#include "win/combase/Unique.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"
#include "winharness/thread/Thread.h"

using pwk::win::RegistryKey;
using pwk::win::RegistrySettingsStore;
using pwk::win::UniqueHandle;
using pwk::wintest::PendingRecordLeft;

namespace {

// Each case works in its own branch of HKCU, away from the real program settings.
constexpr const wchar_t* kBase = L"Software\\Parleywick Tests\\Settings";
constexpr const wchar_t* kPending = L"Software\\Parleywick Tests\\Pending";

void Wipe() {
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, L"Software\\Parleywick Tests");
}

RegistrySettingsStore Fresh() {
    return RegistrySettingsStore(HKEY_CURRENT_USER, kBase, kPending);
}

// A store that records a batch and "crashes" before applying it.
class CrashingStore : public RegistrySettingsStore {
  public:
    CrashingStore() : RegistrySettingsStore(HKEY_CURRENT_USER, kBase, kPending) {}
    bool completeBeforeCrash = true;

  protected:
    void MarkComplete() override {
        if (completeBeforeCrash) {
            RegistrySettingsStore::MarkComplete();
        }
    }
    void ApplyPending() override {}
};

// A store whose first application of a batch is refused, as the registry may refuse it.
class RefusingStore : public RegistrySettingsStore {
  public:
    RefusingStore() : RegistrySettingsStore(HKEY_CURRENT_USER, kBase, kPending) {}
    int refusals = 1;

  protected:
    void ApplyPending() override {
        if (refusals > 0) {
            --refusals;
            throw pwk::Failure(5, "refused");
        }
        RegistrySettingsStore::ApplyPending();
    }
};

std::string RawValue(const std::wstring& path, const std::wstring& name) {
    const auto key = RegistryKey::Open(HKEY_CURRENT_USER, path);
    if (!key) {
        return "<no key>";
    }
    const auto value = key->GetString(name);
    return value ? std::string(value->begin(), value->end()) : "<no value>";
}

}  // namespace

TEST_CASE("values land as REG_SZ in one key per section level; the application is one key") {
    Wipe();
    auto store = Fresh();
    store.SaveSetting("Parleywick", "Tracked Foldersets\\Set1\\Contacts", "EntryID", "00AB");
    store.SaveSetting("Parleywick", "Logging", "LogPath", "C:\\Logs\\Zoë");
    CHECK_EQ(RawValue(std::wstring(kBase) + L"\\Parleywick\\Tracked Foldersets\\Set1\\Contacts",
                      L"EntryID"),
             "00AB");
    CHECK_EQ(store.GetSetting("Parleywick", "Logging", "LogPath"), "C:\\Logs\\Zoë");
    // Read in one call up to a size, in two beyond it: every length reads back whole.
    for (const std::size_t length : {0u, 126u, 127u, 128u, 129u, 4000u}) {
        const std::string text(length, 'x');
        store.SaveSetting("Parleywick", "Logging", "LogFilename", text);
        CHECK_EQ(store.GetSetting("Parleywick", "Logging", "LogFilename", "none"), text);
    }
    store.DeleteApplication("Parleywick");
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, std::wstring(kBase) + L"\\Parleywick"));
}

TEST_CASE("in one snapshot a section reads the same whole and by key, in either order and again") {
    Wipe();
    auto writer = Fresh();
    writer.Batch([&] {
        for (const char* section : {"Tracking", "Version"}) {
            writer.SaveSetting("Parleywick", section, "1", std::string(40, 'a'));
            writer.SaveSetting("Parleywick", section, "2", std::string(40, 'b'));
        }
    });
    const std::vector<std::pair<std::string, std::string>> both{{"1", std::string(40, 'a')},
                                                                {"2", std::string(40, 'b')}};
    auto store = Fresh();
    store.Snapshot([&] {
        // Whole first: handed over, then looked up and read whole once more.
        CHECK(store.GetAllSettings("Parleywick", "Tracking") == both);
        CHECK_EQ(store.GetSetting("Parleywick", "Tracking", "2"), std::string(40, 'b'));
        CHECK(store.GetAllSettings("Parleywick", "Tracking") == both);
        // By key first: the whole section then comes from the same listing, twice.
        CHECK_EQ(store.GetSetting("Parleywick", "Version", "1"), std::string(40, 'a'));
        CHECK(store.GetAllSettings("Parleywick", "Version") == both);
        CHECK(store.GetAllSettings("Parleywick", "Version") == both);
        CHECK(store.GetAllSettings("Parleywick", "Missing").empty());
    });
}

TEST_CASE("a registry that refuses the store is a failure naming the value, never an empty store") {
    // A root the registry does not know refuses every call (invalid handle, Windows error 6).
    RegistrySettingsStore store(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7ff0)), kBase,
                                kPending);
    const auto description = [](const auto& statement) {
        try {
            statement();
        } catch (const pwk::Failure& failure) {
            return std::to_string(failure.Number) + " " + failure.Description + " [" +
                   failure.Source + "]";
        }
        return std::string("no failure");
    };
    CHECK_EQ(description([&] { store.GetSetting("Parleywick", "Logging", "LogPath", "dflt"); }),
             "5 The settings store could not read Logging\\LogPath (Windows error 6) "
             "[SettingsStore]");
    CHECK_EQ(description([&] { store.GetAllSettings("Parleywick", "Tracking"); }),
             "5 The settings store could not read Tracking (Windows error 6) [SettingsStore]");
    CHECK_EQ(description([&] { store.SaveSetting("Parleywick", "Logging", "LogLevel", "0"); }),
             "5 The settings store could not write Logging\\LogLevel (Windows error 6) "
             "[SettingsStore]");
    CHECK_EQ(description([&] { store.DeleteSection("Parleywick", "Logging"); }),
             "5 The settings store could not remove Logging (Windows error 6) [SettingsStore]");
}

// What a batch changes or undoes is the contract's (win.storecontract); here, that it leaves
// no record of itself behind either way.
TEST_CASE("a batch that lands or fails leaves no pending record") {
    Wipe();
    auto store = Fresh();
    store.Batch([&] { store.SaveSetting("Parleywick", "Tracking", "FirstRun", "False"); });
    CHECK(!PendingRecordLeft(kPending));
    try {
        store.Batch([&] {
            store.DeleteSection("Parleywick", "Tracking");
            store.SaveSetting("Other", "S", "K", "V");
            throw std::runtime_error("half way");
        });
    } catch (const std::runtime_error&) {
    }
    CHECK_EQ(store.GetSetting("Parleywick", "Tracking", "FirstRun"), "False");
    CHECK_EQ(store.GetSetting("Other", "S", "K", "none"), "none");
    CHECK(!PendingRecordLeft(kPending));
    // What stays under the pending key between batches holds nothing.
    CHECK_EQ(pwk::wintest::ValuesBelow(kPending), 0U);
}

TEST_CASE("a batch that writes back what was stored is no change, one that differs is") {
    Wipe();
    auto store = Fresh();
    CHECK(!store.BatchChanges());  // no batch
    store.SaveSetting("Parleywick", "Tracked Foldersets\\Contacts", "Count", "2");
    store.Batch([&] {
        store.DeleteApplication("Parleywick");
        CHECK(store.BatchChanges());
        store.SaveSetting("Parleywick", "Tracked Foldersets\\Contacts", "Count", "2");
        CHECK(!store.BatchChanges());
        store.Batch([&] { store.SaveSetting("Parleywick", "Tracking", "FirstRun", "False"); });
        CHECK(store.BatchChanges());  // the outermost batch's view
        store.DeleteSection("Parleywick", "Tracking");
        CHECK(!store.BatchChanges());
    });
    CHECK(!PendingRecordLeft(kPending));
    Wipe();
}

TEST_CASE("a crash after the batch is recorded is rolled forward by the next store") {
    Wipe();
    Fresh().SaveSetting("Parleywick", "Tracked Foldersets\\Set1", "Index", "1");
    {
        CrashingStore crashing;
        crashing.Batch([&] {
            crashing.DeleteSection("Parleywick", "Tracked Foldersets");
            crashing.SaveSetting("Parleywick", "Tracked Foldersets\\Set2", "Index", "2");
        });
        // Nothing applied yet: the live keys still hold the old list.
        CHECK_EQ(crashing.GetSetting("Parleywick", "Tracked Foldersets\\Set1", "Index"), "1");
    }
    auto reopened = Fresh();
    CHECK_EQ(reopened.GetSetting("Parleywick", "Tracked Foldersets\\Set1", "Index", "gone"),
             "gone");
    CHECK_EQ(reopened.GetSetting("Parleywick", "Tracked Foldersets\\Set2", "Index"), "2");
    CHECK(!PendingRecordLeft(kPending));
}

TEST_CASE("a crash before the batch is complete leaves the old settings whole") {
    Wipe();
    Fresh().SaveSetting("Parleywick", "Tracked Foldersets\\Set1", "Index", "1");
    {
        CrashingStore crashing;
        crashing.completeBeforeCrash = false;
        crashing.Batch([&] {
            crashing.DeleteApplication("Parleywick");
            crashing.SaveSetting("Parleywick", "Tracking", "FirstRun", "False");
        });
    }
    auto reopened = Fresh();
    CHECK_EQ(reopened.GetSetting("Parleywick", "Tracked Foldersets\\Set1", "Index"), "1");
    CHECK_EQ(reopened.GetSetting("Parleywick", "Tracking", "FirstRun", "none"), "none");
    CHECK(!PendingRecordLeft(kPending));
    // A mark that is not the number 1 (a text, a longer value) is a record cut short too.
    for (const DWORD type : {DWORD{REG_SZ}, DWORD{REG_BINARY}}) {
        LONG status = ERROR_SUCCESS;
        const BYTE mark[16] = {'1'};
        RegSetValueExW(RegistryKey::Create(HKEY_CURRENT_USER, kPending, status)->Handle(),
                       L"Complete", 0, type, mark, sizeof(mark));
        CHECK(PendingRecordLeft(kPending));
        Fresh();
        CHECK(!PendingRecordLeft(kPending));
    }
    Wipe();
}

TEST_CASE("a batch whose only change was the removal of a missing section records nothing") {
    Wipe();
    Fresh().SaveSetting("Parleywick", "Tracking", "FirstRun", "False");
    CrashingStore crashing;  // records a complete batch, if there is one, and applies none
    crashing.Batch([&] {
        CHECK_FAILS(crashing.DeleteSection("Parleywick", "Nowhere"), 5);
        CHECK_FAILS(crashing.DeleteSection("Elsewhere", "Nowhere"), 5);
    });
    CHECK(!PendingRecordLeft(kPending));
    CHECK_EQ(crashing.GetSetting("Parleywick", "Tracking", "FirstRun"), "False");
    Wipe();
}

TEST_CASE("a batch the registry refuses to apply stays recorded and goes first next time") {
    Wipe();
    Fresh().SaveSetting("Parleywick", "Tracking", "FirstRun", "True");
    RefusingStore store;
    CHECK_FAILS(
        store.Batch([&] { store.SaveSetting("Parleywick", "Tracking", "FirstRun", "False"); }), 5);
    CHECK_EQ(store.GetSetting("Parleywick", "Tracking", "FirstRun"), "True");
    CHECK(PendingRecordLeft(kPending));
    // The next batch applies the recorded one before its own changes.
    store.Batch([&] { store.SaveSetting("Parleywick", "Version", "Major", "2"); });
    CHECK_EQ(store.GetSetting("Parleywick", "Tracking", "FirstRun"), "False");
    CHECK_EQ(store.GetSetting("Parleywick", "Version", "Major"), "2");
    CHECK(!PendingRecordLeft(kPending));
    Wipe();
}

TEST_CASE("a store made while another program records a batch waits, and takes nothing of it") {
    Wipe();
    Fresh().SaveSetting("Parleywick", "Version", "Major", "2");
    const UniqueHandle insideEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const UniqueHandle goEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const HANDLE inside = insideEvent.Get();
    const HANDLE go = goEvent.Get();
    std::string writerFailure;
    pwk::harness::Thread writer([&] {
        try {
            auto store = Fresh();
            store.Batch([&] {
                store.SaveSetting("Parleywick", "Tracking", "FirstRun", "False");
                SetEvent(inside);
                WaitForSingleObject(go, 5000);
                store.SaveSetting("Parleywick", "Logging", "LogLevel", "3");
            });
        } catch (const pwk::Failure& failure) {
            writerFailure = failure.Description;
        }
    });
    WaitForSingleObject(inside, 5000);
    // A new store recovers what a crash left: a half-recorded batch is thrown away, unless it
    // is still being recorded. It gets time to do that harm before the writer goes on.
    pwk::harness::Thread other([] { const auto recovering = Fresh(); });
    Sleep(300);
    SetEvent(go);
    other.Join();
    writer.Join();
    CHECK_EQ(writerFailure, "");
    auto store = Fresh();
    CHECK_EQ(store.GetSetting("Parleywick", "Version", "Major", "lost"), "2");
    CHECK_EQ(store.GetSetting("Parleywick", "Tracking", "FirstRun", "lost"), "False");
    CHECK_EQ(store.GetSetting("Parleywick", "Logging", "LogLevel", "lost"), "3");
    CHECK(!PendingRecordLeft(kPending));
    Wipe();
}

TEST_CASE("a complete batch recorded as whole copies of its applications is rolled forward") {
    // The record an earlier version leaves: the list of the applications, a copy of each (an
    // empty one removes the application), and the mark.
    Wipe();
    Fresh().SaveSetting("Parleywick", "Tracking", "FirstRun", "True");
    Fresh().SaveSetting("Gone", "S", "k", "v");
    const std::wstring copies = std::wstring(kPending) + L"\\Applications";
    LONG status = ERROR_SUCCESS;
    RegistryKey::Create(HKEY_CURRENT_USER, copies + L"\\parleywick\\Tracking", status)
        ->SetString(L"FirstRun", L"False");
    RegistryKey::Create(HKEY_CURRENT_USER, copies + L"\\gone", status);
    const auto pending = RegistryKey::Create(HKEY_CURRENT_USER, kPending, status);
    pending->SetString(L"Applications", L"parleywick\ngone\n");
    pending->SetDword(L"Complete", 1);

    auto store = Fresh();
    CHECK_EQ(store.GetSetting("Parleywick", "Tracking", "FirstRun"), "False");
    CHECK_EQ(store.GetSetting("Gone", "S", "k", "none"), "none");
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, std::wstring(kBase) + L"\\Gone"));
    CHECK(!RegistryKey::Exists(HKEY_CURRENT_USER, kPending));
    Wipe();
}
