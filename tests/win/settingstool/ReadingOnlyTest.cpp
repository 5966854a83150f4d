#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "src/util/Failure.h"
#include "tests/win/support/Check.h"
#include "tests/win/support/RegistryBranch.h"
#include "tools/settings/SettingsProgram.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"

using pwk::settingstool::SettingsProgram;
using pwk::settingstool::StoreAccess;
using pwk::win::RegistryKey;
using pwk::win::RegistrySettingsStore;
using pwk::wintest::PendingRecordLeft;
using Access = RegistrySettingsStore::Access;

namespace {

const pwk::wintest::RegistryBranch kBranch(L"Software\\Parleywick Reading Tests");

// A store that records a complete batch (or, told so, an incomplete one) and "crashes" before
// applying it: what it leaves is what the next store finds.
class CrashingStore : public RegistrySettingsStore {
  public:
    CrashingStore(std::wstring base, std::wstring pending, bool complete)
        : RegistrySettingsStore(HKEY_CURRENT_USER, std::move(base), std::move(pending)),
          complete_(complete) {}

  protected:
    void MarkComplete() override {
        if (complete_) {
            RegistrySettingsStore::MarkComplete();
        }
    }
    void ApplyPending() override {}

  private:
    bool complete_;
};

// Every key and value below `path`, values as their type and bytes.
void AddTree(const RegistryKey& key, const std::wstring& path,
             std::map<std::wstring, std::string>& tree) {
    LONG status = ERROR_SUCCESS;
    tree[path] = "<key>";
    for (const auto& value : key.Values(status)) {
        tree[path + L"|" + value.Name] =
            std::to_string(value.Type) + ":" + std::string(value.Data.begin(), value.Data.end());
    }
    CHECK_EQ(status, ERROR_SUCCESS);
    for (const std::wstring& name : key.SubkeyNames()) {
        if (const auto child = RegistryKey::Open(key.Handle(), name)) {
            AddTree(*child, path + L"\\" + name, tree);
        }
    }
}

std::map<std::wstring, std::string> Tree(const std::vector<std::wstring>& paths) {
    std::map<std::wstring, std::string> tree;
    for (const std::wstring& path : paths) {
        if (const auto key = RegistryKey::Open(HKEY_CURRENT_USER, path)) {
            AddTree(*key, path, tree);
        }
    }
    return tree;
}

// The reads of a store opened for reading only, and its refusal of every change.
void CheckReads(RegistrySettingsStore& reader, const std::string& firstRun) {
    CHECK_EQ(reader.GetSetting("Parleywick", "Tracking", "FirstRun"), firstRun);
    CHECK_EQ(reader.GetSetting("parleywick", "Logging", "LogLevel"), "1");
    CHECK_EQ(reader.GetAllSettings("Parleywick", "Tracking").size(), 1u);
    CHECK_EQ(reader.Dump("Parleywick"),
             (std::vector<std::string>{"Logging|LogLevel=1", "Tracking|FirstRun=" + firstRun}));
    CHECK_FAILS(reader.SaveSetting("Parleywick", "Tracking", "FirstRun", "x"), 70);
    CHECK_FAILS(reader.DeleteSection("Parleywick", "Tracking"), 70);
    CHECK_FAILS(reader.DeleteApplication("Parleywick"), 70);
    CHECK_FAILS(reader.Batch([] {}), 70);
}

// The settings each case starts from, in a branch of their own.
void SaveStart() {
    kBranch.Wipe();
    auto writer = kBranch.Store();
    writer.SaveSetting("Parleywick", "Tracking", "FirstRun", "True");
    writer.SaveSetting("Parleywick", "Logging", "LogLevel", "1");
    writer.SaveSetting("Other", "S", "K", "V");
}

int RunTool(const std::vector<std::string>& args, std::string& out) {
    std::ostringstream output;
    std::ostringstream errors;
    const int status = SettingsProgram::Run(args, output, errors);
    out = output.str();
    CHECK_EQ(errors.str(), "");
    return status;
}

}  // namespace

TEST_CASE("a store opened for reading sees a batch left behind as applied, and changes no byte") {
    SaveStart();

    // An incomplete batch is not the settings: the reader sees those before it.
    {
        CrashingStore crashing(kBranch.Settings, kBranch.Pending, false);
        crashing.Batch([&] {
            crashing.SaveSetting("Parleywick", "Tracking", "FirstRun", "Half");
            crashing.DeleteApplication("Other");
        });
    }
    auto before = Tree({kBranch.Top});
    CHECK(before.count(kBranch.Pending + L"\\Steps") == 1);
    {
        auto reader = kBranch.Store(Access::ReadingOnly);
        CheckReads(reader, "True");
        CHECK_EQ(reader.GetSetting("Other", "S", "K", "gone"), "V");
    }
    CHECK(Tree({kBranch.Top}) == before);

    // A complete one is: the reader sees what the next writer makes of it.
    {
        CrashingStore crashing(kBranch.Settings, kBranch.Pending, true);
        crashing.Batch([&] {
            crashing.SaveSetting("PARLEYWICK", "Tracking", "FirstRun", "False");
            crashing.DeleteApplication("Other");
        });
    }
    before = Tree({kBranch.Top});
    // Recorded as the writes that differ: the reader makes them to its own image.
    CHECK(before.count(kBranch.Pending + L"\\Steps") == 1);
    CHECK(before.count(kBranch.Pending + L"|Complete") == 1);
    {
        auto reader = kBranch.Store(Access::ReadingOnly);
        reader.Snapshot([&] { CheckReads(reader, "False"); });
        CheckReads(reader, "False");
        CHECK_EQ(reader.GetSetting("Other", "S", "K", "gone"), "gone");
        CHECK(reader.Dump("Other").empty());
    }
    CHECK(Tree({kBranch.Top}) == before);

    auto recovering = kBranch.Store();
    CHECK_EQ(recovering.GetSetting("Parleywick", "Tracking", "FirstRun"), "False");
    CHECK_EQ(recovering.GetSetting("Other", "S", "K", "gone"), "gone");
    CHECK(!PendingRecordLeft(kBranch.Pending));
    kBranch.Wipe();
}

TEST_CASE("a store opened for reading sees a batch recorded as whole copies as applied") {
    // The record an earlier version leaves: the applications listed, a copy of each (an empty
    // one removes the application), and the mark.
    SaveStart();
    kBranch.Store().SaveSetting("Parleywick", "Tracking", "Dropped", "1");
    const std::wstring copies = kBranch.Pending + L"\\Applications";
    LONG status = ERROR_SUCCESS;
    RegistryKey::Create(HKEY_CURRENT_USER, copies + L"\\parleywick\\Tracking", status)
        ->SetString(L"FirstRun", L"False");
    RegistryKey::Create(HKEY_CURRENT_USER, copies + L"\\parleywick\\Logging", status)
        ->SetString(L"LogLevel", L"1");
    RegistryKey::Create(HKEY_CURRENT_USER, copies + L"\\other", status);
    const auto pending = RegistryKey::Create(HKEY_CURRENT_USER, kBranch.Pending, status);
    pending->SetString(L"Applications", L"parleywick\nother\n");
    pending->SetDword(L"Complete", 1);

    const auto before = Tree({kBranch.Top});
    {
        auto reader = kBranch.Store(Access::ReadingOnly);
        CheckReads(reader, "False");
        CHECK_EQ(reader.GetSetting("Other", "S", "K", "gone"), "gone");
    }
    CHECK(Tree({kBranch.Top}) == before);
    CHECK_EQ(kBranch.Store().Dump("Parleywick"),
             (std::vector<std::string>{"Logging|LogLevel=1", "Tracking|FirstRun=False"}));
    kBranch.Wipe();
}

TEST_CASE("a store opened for reading refuses a complete batch it cannot read, and keeps it") {
    SaveStart();
    LONG status = ERROR_SUCCESS;
    const auto steps = RegistryKey::Create(HKEY_CURRENT_USER, kBranch.Pending + L"\\Steps", status);
    const BYTE cut[] = {1, 0};  // half of a step's kind
    CHECK_EQ(RegSetValueExW(steps->Handle(), L"0", 0, REG_BINARY, cut, sizeof(cut)), ERROR_SUCCESS);
    RegistryKey::Create(HKEY_CURRENT_USER, kBranch.Pending, status)->SetDword(L"Complete", 1);

    const auto before = Tree({kBranch.Top});
    {
        auto reader = kBranch.Store(Access::ReadingOnly);
        CHECK_FAILS(reader.GetSetting("Parleywick", "Tracking", "FirstRun"), 5);
    }
    CHECK(Tree({kBranch.Top}) == before);
    kBranch.Wipe();
}

// The program itself, on the current user's settings (the Wine tests run one at a time).
TEST_CASE("the tool's reading commands leave a batch another program left behind to the writer") {
    std::string out;
    CHECK_EQ(RunTool({"set", "JournalEmails", "True"}, out), 0);
    {
        CrashingStore crashing(RegistrySettingsStore::ProgramSettings,
                               RegistrySettingsStore::PendingBatch, true);
        std::ostringstream output;
        std::ostringstream errors;
        CHECK_EQ(SettingsProgram::RunOn(
                     StoreAccess::Of(crashing, crashing.Name()), {"set", "JournalEmails", "False"},
                     [](const std::string& name) { return name; }, output, errors),
                 0);
    }
    const std::vector<std::wstring> watched = {RegistrySettingsStore::ProgramSettings,
                                               L"Software\\Parleywick"};
    const auto before = Tree(watched);
    CHECK(before.count(RegistrySettingsStore::PendingBatch) == 1);
    CHECK_EQ(RunTool({"show"}, out), 0);
    CHECK(out.find("  JournalEmails = False") != std::string::npos);
    CHECK_EQ(RunTool({"list"}, out), 0);
    CHECK_EQ(RunTool({"dropped"}, out), 0);
    CHECK(Tree(watched) == before);

    // The next writer applies the batch.
    CHECK_EQ(RunTool({"set", "JournalEmails", "True"}, out), 0);
    CHECK(!PendingRecordLeft(RegistrySettingsStore::PendingBatch));
    CHECK_EQ(RunTool({"show"}, out), 0);
    CHECK(out.find("  JournalEmails = True") != std::string::npos);
}
