#include <string>
#include <vector>

#include "tests/win/support/Check.h"
#include "tests/win/support/RegistryBranch.h"
#include "win/platform/RegistryChangeWatch.h"

using pwk::win::RegistryChangeWatch;

namespace {

const pwk::wintest::RegistryBranch kBranch(L"Software\\Parleywick Watch Tests");

DWORD OpenHandles() {
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

}  // namespace

TEST_CASE("the running add-in's store answers 'no change' without reading until one is made") {
    kBranch.Wipe();
    auto other = kBranch.Store();  // another program's store, with handles of its own
    other.SaveSetting("Parleywick Changes", "Saves", "Count", "1");
    auto addIn = kBranch.Store();
    // Unmarked (the settings tool), the store cannot tell.
    CHECK(addIn.MayHaveChanged());
    CHECK(addIn.MayHaveChanged());
    const DWORD handlesBefore = OpenHandles();
    addIn.MarkOpen(true);
    // The first question starts the watch: what changed before it is not known.
    CHECK(addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    // A value changed, made or removed anywhere below the settings' key, once each.
    other.SaveSetting("Parleywick Changes", "Saves", "Count", "2");
    CHECK(addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    other.SaveSetting("Parleywick", "Tracked Foldersets\\Set1\\Contacts", "EntryID", "00AB");
    CHECK(addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    other.DeleteSection("Parleywick", "Tracked Foldersets");
    CHECK(addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    // A batch signals once it is applied; what it records under the pending key beside the
    // settings is not watched.
    other.Batch([&] {
        other.SaveSetting("Parleywick", "Tracking", "FirstRun", "False");
        CHECK(!addIn.MayHaveChanged());
    });
    CHECK(addIn.MayHaveChanged());
    // The add-in's own save counts too (its count of saves tells it apart).
    addIn.SaveSetting("Parleywick", "Logging", "LogLevel", "3");
    CHECK(addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    // Unmarked at disconnection, the store holds nothing of the watch open.
    addIn.MarkOpen(false);
    CHECK_EQ(OpenHandles(), handlesBefore);
    CHECK(addIn.MayHaveChanged());
    CHECK_EQ(OpenHandles(), handlesBefore);
    // Marked again, it watches afresh.
    addIn.MarkOpen(true);
    CHECK(addIn.MayHaveChanged());
    CHECK(!addIn.MayHaveChanged());
    addIn.MarkOpen(false);
    kBranch.Wipe();
}

TEST_CASE("a watch waits for the key to exist, and follows it when it is removed and made again") {
    kBranch.Wipe();
    RegistryChangeWatch watch(HKEY_CURRENT_USER, kBranch.Settings);
    std::vector<std::string> lines;
    watch.OnFailure([&](const std::string& line) { lines.push_back(line); });
    // Nothing saved yet: no key to watch, so every answer is "may have changed".
    CHECK(watch.MayHaveChanged());
    CHECK(watch.MayHaveChanged());
    CHECK(!watch.Watching());
    kBranch.Store().SaveSetting("Parleywick", "Logging", "LogLevel", "3");
    CHECK(watch.MayHaveChanged());
    CHECK(watch.Watching());
    CHECK(!watch.MayHaveChanged());
    // The whole tree goes: signalled; the next answers open the new key once it is back.
    kBranch.Wipe();
    CHECK(watch.MayHaveChanged());
    CHECK(watch.MayHaveChanged());
    kBranch.Store().SaveSetting("Parleywick", "Logging", "LogLevel", "4");
    CHECK(watch.MayHaveChanged());
    CHECK(!watch.MayHaveChanged());
    kBranch.Store().SaveSetting("Parleywick", "Logging", "LogLevel", "5");
    CHECK(watch.MayHaveChanged());
    CHECK(lines.empty());
    watch.Stop();
    CHECK(!watch.Watching());
    kBranch.Wipe();
}

TEST_CASE("a key the registry refuses to watch is told once, and every answer is then 'yes'") {
    // A root the registry does not know refuses every call (invalid handle, Windows error 6).
    RegistryChangeWatch watch(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7ff0)),
                              kBranch.Settings);
    std::vector<std::string> lines;
    watch.OnFailure([&](const std::string& line) { lines.push_back(line); });
    for (int i = 0; i < 3; ++i) {
        CHECK(watch.MayHaveChanged());
    }
    CHECK(!watch.Watching());
    CHECK_EQ(lines.size(), 1u);
    CHECK_EQ(lines.at(0),
             "The settings cannot be watched for changes by other programs: could not open "
             "Software\\Parleywick Watch Tests\\Settings (Windows error 6); every check reads the "
             "count of saves");
}
