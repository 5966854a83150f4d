// Reads inside a snapshot come from one state of the file, section by section, and never
// hide a write: a write made inside the snapshot, or by another process between two
// snapshots, is what the next read sees.
#include <gtest/gtest.h>

#include <string>

#include "store/SqliteSettingsStore.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

class SqliteSnapshotTest : public ::testing::Test {
  protected:
    static constexpr const char* App = "Parleywick";

    SqliteSnapshotTest() {
        store.SaveSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "1", "C1");
        store.SaveSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "2", "C2");
        store.SaveSetting(App, "Tracked Foldersets", "Count", "2");
    }

    test::TempFolder folder;
    SqliteSettingsStore store{folder / "settings.db"};
};

TEST_F(SqliteSnapshotTest, KeysAndSectionsAreFoundInAnyLetterCaseAndMissingOnesGiveTheDefault) {
    store.Snapshot([&] {
        EXPECT_EQ(store.GetSetting(App, "TRACKED FOLDERSETS\\contacts\\EntryID", "2", "-"), "C2");
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets", "COUNT", "-"), "2");
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "3", "-"), "-");
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts", "1", "-"), "-");
        EXPECT_EQ(store.GetSetting("Other", "Tracked Foldersets", "Count", "-"), "-");
    });
}

TEST_F(SqliteSnapshotTest, ReadsAfterAListingOfTheSectionFindWhatItListed) {
    store.Snapshot([&] {
        EXPECT_EQ(store.GetAllSettings(App, "Tracked Foldersets\\Contacts\\EntryID").size(), 2u);
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "2", "-"), "C2");
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "4", "-"), "-");
    });
}

TEST_F(SqliteSnapshotTest, AWriteInsideTheSnapshotIsSeenByTheReadsAfterIt) {
    store.Snapshot([&] {
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "1"), "C1");
        store.SaveSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "1", "C9");
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "1"), "C9");
        store.DeleteSection(App, "Tracked Foldersets\\Contacts");
        EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets\\Contacts\\EntryID", "2", "-"), "-");
    });
}

TEST_F(SqliteSnapshotTest, AnotherProcesssWriteBetweenTwoSnapshotsIsSeenByTheSecond) {
    SqliteSettingsStore other{store.Path()};
    store.Snapshot([&] { EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets", "Count"), "2"); });
    other.SaveSetting(App, "Tracked Foldersets", "Count", "3");
    store.Snapshot([&] { EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets", "Count"), "3"); });
}

}  // namespace
}  // namespace pwk
