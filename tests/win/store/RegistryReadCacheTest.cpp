// The registry store's read cache: what a run lists is kept in a file, a later run takes from it
// every key the registry shows unchanged, and lists every other key again.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/win/support/Check.h"
#include "tests/win/support/RegistryBranch.h"
#include "win/platform/RegistryCacheCodec.h"
#include "win/platform/RegistryReadCache.h"

using pwk::win::RegistryReadCache;
using pwk::win::RegistrySettingsStore;

namespace {

const pwk::wintest::RegistryBranch kBranch(L"Software\\Parleywick Read Cache Tests");
constexpr const char* kApp = "Parleywick";
constexpr const char* kIDs = "Tracked Foldersets\\Contacts\\EntryID";

std::wstring CacheFile() {
    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"pwk-read-cache-test.bin";
}

// A run of the add-in: a store of its own on the branch, with the cache file.
RegistrySettingsStore Run(const std::wstring& file = CacheFile()) {
    return RegistrySettingsStore(HKEY_CURRENT_USER, kBranch.Settings, kBranch.Pending,
                                 RegistrySettingsStore::Access::ReadWrite, file);
}

// What a start reads: the two sections, in one snapshot.
std::vector<std::pair<std::string, std::string>> StartRead(RegistrySettingsStore& store) {
    std::vector<std::pair<std::string, std::string>> read;
    store.Snapshot([&] {
        read = store.GetAllSettings(kApp, "Tracking");
        const auto ids = store.GetAllSettings(kApp, kIDs);
        read.insert(read.end(), ids.begin(), ids.end());
    });
    return read;
}

// Long enough for every write so far to count as settled.
void Settle() {
    Sleep(static_cast<DWORD>(RegistryReadCache::kSettled / 10'000) + 20);
}

// The values of the big section: a list of tracked folders' identifiers.
constexpr int kPositions = 64;

void Fresh() {
    kBranch.Wipe();
    DeleteFileW(CacheFile().c_str());
    auto other = kBranch.Store();
    other.SaveSetting(kApp, "Tracking", "JournalEmails", "True");
    other.SaveSetting(kApp, "Tracking", "FirstRun", "False");
    other.Batch([&] {
        for (int i = 1; i <= kPositions; ++i) {
            other.SaveSetting(kApp, kIDs, std::to_string(i), "00AB" + std::to_string(i));
        }
    });
}

std::string ValueOf(const std::vector<std::pair<std::string, std::string>>& read,
                    const std::string& key) {
    for (const auto& [name, value] : read) {
        if (name == key) {
            return value;
        }
    }
    return "(none)";
}

void WriteFile(const std::string& bytes) {
    if (FILE* file = _wfopen(CacheFile().c_str(), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

std::string ReadFile() {
    std::string bytes;
    if (FILE* file = _wfopen(CacheFile().c_str(), L"rb")) {
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof(chunk), file)) > 0;) {
            bytes.append(chunk, got);
        }
        std::fclose(file);
    }
    return bytes;
}

}  // namespace

TEST_CASE("a run takes from the cache every key unchanged since the last run listed it") {
    Fresh();
    Settle();
    auto first = Run();
    const auto expected = StartRead(first);
    CHECK_EQ(expected.size(), 2u + kPositions);
    CHECK_EQ(first.CacheCounts().Listed, 2u);

    auto second = Run();
    CHECK(StartRead(second) == expected);
    CHECK_EQ(second.CacheCounts().Kept, 2u);
    CHECK_EQ(second.CacheCounts().Listed, 0u);

    // Another program changes one value of one section (the number of values stays): that key
    // alone is listed again, and the change is seen.
    kBranch.Store().SaveSetting(kApp, kIDs, "2", "00FF");
    Settle();
    auto third = Run();
    const auto read = StartRead(third);
    CHECK_EQ(third.CacheCounts().Listed, 1u);
    CHECK_EQ(third.CacheCounts().Kept, 1u);
    CHECK_EQ(read.size(), expected.size());
    CHECK_EQ(ValueOf(read, "2"), "00FF");
    // The run after a change lists the changed key and writes the file again with it, so that
    // the runs after it take the key from the file.
    const std::string before = ReadFile();
    kBranch.Store().SaveSetting(kApp, "Tracking", "FirstRun", "True");
    Settle();
    auto changed = Run();
    CHECK_EQ(ValueOf(StartRead(changed), "FirstRun"), "True");
    CHECK_EQ(changed.CacheCounts().Listed, 1u);
    CHECK(ReadFile() != before);
    auto after = Run();
    CHECK_EQ(ValueOf(StartRead(after), "FirstRun"), "True");
    CHECK_EQ(after.CacheCounts().Listed, 0u);
    CHECK_EQ(after.CacheCounts().Kept, 2u);
    // A removed section is seen too.
    kBranch.Store().DeleteSection(kApp, "Tracking");
    auto fourth = Run();
    CHECK_EQ(StartRead(fourth).size(), 0u + kPositions);
}

TEST_CASE("a batch's image of the settings is the registry's, not what the cache kept") {
    Fresh();
    Settle();
    auto first = Run();
    first.Batch([&] { first.SaveSetting(kApp, "Tracking", "FirstRun", "False"); });
    // Another program changes a kept value and adds a section below a kept key.
    auto other = kBranch.Store();
    other.SaveSetting(kApp, "Tracking", "JournalEmails", "False");
    other.SaveSetting(kApp, "Tracked Foldersets\\Contacts\\StoreID", "1", "0001");
    // The next run saves the value the cache still holds: only an image that lists the changed
    // key again sees that the registry differs and writes it.
    auto second = Run();
    second.Batch([&] {
        second.SaveSetting(kApp, "Tracking", "JournalEmails", "True");
        second.SaveSetting(kApp, "Version", "Major", "4");
    });
    CHECK(second.CacheCounts().Kept > 0);
    std::vector<std::string> expected = {"Tracked Foldersets\\Contacts\\StoreID|1=0001",
                                         "Tracking|FirstRun=False", "Tracking|JournalEmails=True",
                                         "Version|Major=4"};
    for (int i = 1; i <= kPositions; ++i) {
        expected.push_back(std::string(kIDs) + "|" + std::to_string(i) + "=00AB" +
                           std::to_string(i));
    }
    std::sort(expected.begin(), expected.end());
    CHECK(kBranch.Store().Dump(kApp) == expected);
}

TEST_CASE("a key read just after it was written is listed again until it has settled") {
    Fresh();
    auto first = Run();  // at once: the last writes are younger than a step of the clock
    const auto expected = StartRead(first);
    auto second = Run();
    CHECK(StartRead(second) == expected);
    CHECK_EQ(second.CacheCounts().Listed, 2u);
    Settle();
    auto third = Run();  // listed once more, now long after the writes
    StartRead(third);
    CHECK_EQ(third.CacheCounts().Listed, 2u);
    auto fourth = Run();
    CHECK(StartRead(fourth) == expected);
    CHECK_EQ(fourth.CacheCounts().Kept, 2u);
}

TEST_CASE("within a run, the save after a load takes the keys it read as they were read") {
    Fresh();
    Settle();
    auto run = Run();
    const auto read = StartRead(run);
    CHECK_EQ(run.CacheCounts().Trusted, 0u);
    // The save's image walks the whole tree: the two sections just read are vouched for (no
    // call), the keys above them are asked as before.
    run.Batch([&] { run.SaveSetting(kApp, "Tracking", "FirstRun", "True"); });
    CHECK_EQ(run.CacheCounts().Trusted, 2u);
    // The run's own change ends that: the next load lists the changed section again.
    const std::size_t listed = run.CacheCounts().Listed;
    CHECK_EQ(ValueOf(StartRead(run), "FirstRun"), "True");
    CHECK(run.CacheCounts().Listed > listed);
    CHECK_EQ(run.CacheCounts().Trusted, 2u);
    CHECK_EQ(read.size(), 2u + kPositions);
    // Another program's change: a lone read after it lists the section again.
    kBranch.Store().SaveSetting(kApp, "Tracking", "FirstRun", "False");
    CHECK_EQ(ValueOf(run.GetAllSettings(kApp, "Tracking"), "FirstRun"), "False");
}

TEST_CASE("a save after another program's change since the load writes against the change") {
    Fresh();
    Settle();
    auto run = Run();
    StartRead(run);
    // Changed in between: a value of a section the load read, and a new section below a key
    // the load did not read.
    auto other = kBranch.Store();
    other.SaveSetting(kApp, "Tracking", "JournalEmails", "False");
    other.SaveSetting(kApp, "Tracked Foldersets\\Contacts\\StoreID", "1", "0001");
    // The save puts back the value the load read: an image of what the load read would see no
    // change to write, and leave the other program's value in place of the save's.
    run.Batch([&] {
        run.SaveSetting(kApp, "Tracking", "JournalEmails", "True");
        run.SaveSetting(kApp, "Version", "Major", "4");
    });
    CHECK_EQ(run.CacheCounts().Trusted, 0u);
    const auto dump = kBranch.Store().Dump(kApp);
    CHECK(std::count(dump.begin(), dump.end(), "Tracking|JournalEmails=True") == 1);
    CHECK(std::count(dump.begin(), dump.end(), "Tracked Foldersets\\Contacts\\StoreID|1=0001") ==
          1);
    CHECK(std::count(dump.begin(), dump.end(), "Version|Major=4") == 1);
    CHECK_EQ(dump.size(), 4u + kPositions);
}

TEST_CASE("a damaged or missing cache file costs only a listing") {
    Fresh();
    Settle();
    auto first = Run();
    const auto expected = StartRead(first);
    const std::string good = ReadFile();
    CHECK(pwk::win::DecodeRegistryCache(good).has_value());
    // Cut short anywhere, one byte changed, a byte more, another layout: ignored whole.
    std::vector<std::string> damaged = {"",
                                        good.substr(0, 20),
                                        good.substr(0, good.size() / 2),
                                        good.substr(0, good.size() - 1),
                                        good + "x",
                                        "Parleywick registry read cache 9\n" + good.substr(33)};
    // One bit changed at several places of an eight-byte word, and in the last byte checked.
    for (const std::size_t at : {good.size() / 2, good.size() / 2 + 1, good.size() / 2 + 7,
                                 good.size() / 3 + 3, good.size() - 9}) {
        for (const int bit : {0x01, 0x80}) {
            std::string flipped = good;
            flipped[at] = static_cast<char>(flipped[at] ^ bit);
            damaged.push_back(flipped);
        }
    }
    for (const std::string& bytes : damaged) {
        CHECK(!pwk::win::DecodeRegistryCache(bytes).has_value());
        WriteFile(bytes);
        auto run = Run();
        CHECK(StartRead(run) == expected);
        CHECK_EQ(run.CacheCounts().Listed, 2u);
    }
    // The run after a damaged file wrote a good one again.
    auto healed = Run();
    CHECK(StartRead(healed) == expected);
    CHECK_EQ(healed.CacheCounts().Kept, 2u);
    // A file that cannot be written (its folder is missing): the store works without it.
    auto unwritable = Run(L"C:\\no such folder\\cache.bin");
    CHECK(StartRead(unwritable) == expected);
    unwritable.Batch([&] { unwritable.SaveSetting(kApp, "Tracking", "FirstRun", "True"); });
    CHECK_EQ(kBranch.Store().GetSetting(kApp, "Tracking", "FirstRun"), "True");
    kBranch.Wipe();
    DeleteFileW(CacheFile().c_str());
}
