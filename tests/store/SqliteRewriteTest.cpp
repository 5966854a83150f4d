// A batch that removes sections and writes them again, as every save of the add-in does: the
// file ends as if the removal had happened at once, and what came back unchanged is never
// written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "src/util/Failure.h"
#include "store/SqliteSettingsStore.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

class SqliteRewriteTest : public ::testing::Test {
  protected:
    static constexpr const char* App = "Parleywick";
    static constexpr const char* Ids = "Tracked Foldersets\\Contacts\\EntryID";

    SqliteRewriteTest() {
        store.Batch([&] {
            store.SaveSetting(App, "Tracked Foldersets", "Count", "3");
            for (const char* key : {"1", "2", "3"}) {
                store.SaveSetting(App, Ids, key, std::string("C") + key);
            }
            store.SaveSetting(App, "Logging", "LogLevel", "0");
        });
    }

    // Bytes written since the file was opened: the log of commits, which only grows.
    std::uintmax_t Written() const {
        const std::string log = store.Path() + "-wal";
        return std::filesystem::exists(log) ? std::filesystem::file_size(log) : 0;
    }

    test::TempFolder folder;
    SqliteSettingsStore store{folder / "settings.db"};
};

TEST_F(SqliteRewriteTest, WritingEverythingBackUnchangedWritesNothing) {
    const auto before = store.Dump();
    const auto written = Written();
    store.Batch([&] {
        store.DeleteSection(App, "Tracked Foldersets");
        store.DeleteApplication(App);
        store.SaveSetting(App, "Tracked Foldersets", "Count", "3");
        for (const char* key : {"1", "2", "3"}) {
            store.SaveSetting(App, Ids, key, std::string("C") + key);
        }
        store.SaveSetting(App, "Logging", "LogLevel", "0");
        EXPECT_FALSE(store.BatchChanges());  // what the save counts as no change
    });
    EXPECT_EQ(store.Dump(), before);
    EXPECT_EQ(Written(), written);
    EXPECT_FALSE(store.BatchChanges());  // no batch
}

TEST_F(SqliteRewriteTest, AValueNotWrittenBackOrWrittenOtherwiseIsAChange) {
    for (const char* back : {"C2", "c2", "", "C2"}) {
        store.SaveSetting(App, Ids, "2", "C2");  // as the fixture stored it
        store.Batch([&] {
            store.DeleteSection(App, "Tracked Foldersets");
            store.SaveSetting(App, "Tracked Foldersets", "Count", "3");
            for (const char* key : {"1", "3"}) {
                store.SaveSetting(App, Ids, key, std::string("C") + key);
            }
            if (*back != '\0') {
                store.SaveSetting(App, Ids, "2", back);
            }
            EXPECT_EQ(store.BatchChanges(), std::string(back) != "C2") << back;
        });
    }
}

TEST_F(SqliteRewriteTest, WhatComesBackChangedOrRespeltLandsAndWhatDoesNotIsGone) {
    store.Batch([&] {
        store.DeleteApplication(App);
        store.SaveSetting("PARLEYWICK", "tracked foldersets", "COUNT", "2");
        store.SaveSetting(App, Ids, "1", "C1");
        store.SaveSetting(App, Ids, "2", "C9");
    });
    EXPECT_EQ(store.Dump(),
              (std::vector<std::string>{"PARLEYWICK|tracked foldersets\\Contacts\\EntryID|1=C1",
                                        "PARLEYWICK|tracked foldersets\\Contacts\\EntryID|2=C9",
                                        "PARLEYWICK|tracked foldersets|COUNT=2"}));
    EXPECT_FALSE(store.SectionExists(App, "Logging"));
}

TEST_F(SqliteRewriteTest, AReadInsideTheBatchSeesTheRemoval) {
    store.Batch([&] {
        store.DeleteSection(App, "Tracked Foldersets");
        EXPECT_EQ(store.GetSetting(App, Ids, "1", "-"), "-");
        EXPECT_TRUE(store.GetAllSettings(App, Ids).empty());
        EXPECT_FALSE(store.SectionExists(App, "Tracked Foldersets\\Contacts"));
        store.SaveSetting(App, Ids, "1", "C1");
        EXPECT_EQ(store.GetSetting(App, Ids, "1", "-"), "C1");
    });
    EXPECT_EQ(store.GetSetting(App, Ids, "2", "-"), "-");
    EXPECT_EQ(store.GetSetting(App, "Tracked Foldersets", "Count", "-"), "-");
}

TEST_F(SqliteRewriteTest, ASectionRemovedTwiceIsMissingTheSecondTimeUntilWrittenAgain) {
    store.Batch([&] {
        store.DeleteSection(App, "Tracked Foldersets\\Contacts");
        EXPECT_THROW(store.DeleteSection(App, "Tracked Foldersets\\Contacts"), Failure);
        store.SaveSetting(App, Ids, "3", "C3");
        store.DeleteSection(App, "Tracked Foldersets\\Contacts");
        store.DeleteApplication(App);
        EXPECT_THROW(store.DeleteApplication(App), Failure);
    });
    EXPECT_TRUE(store.Dump().empty());
}

TEST_F(SqliteRewriteTest, ASectionRemovedAgainAfterItsValuesCameBackTakesTheNextOnesAnew) {
    store.Batch([&] {
        store.DeleteSection(App, "Tracked Foldersets");
        store.SaveSetting(App, "Tracked Foldersets", "Count", "3");
        store.SaveSetting(App, Ids, "1", "C1");
        store.SaveSetting(App, Ids, "2", "C2");
        store.DeleteSection(App, "Tracked Foldersets\\Contacts");
        store.SaveSetting(App, Ids, "3", "C3");
        EXPECT_TRUE(store.BatchChanges());
    });
    EXPECT_EQ(store.Dump(),
              (std::vector<std::string>{"Parleywick|Logging|LogLevel=0",
                                        "Parleywick|Tracked Foldersets\\Contacts\\EntryID|3=C3",
                                        "Parleywick|Tracked Foldersets|Count=3"}));
    EXPECT_TRUE(store.SectionExists(App, "Tracked Foldersets\\Contacts"));
}

TEST_F(SqliteRewriteTest, AFailedBatchLeavesEverythingAndTheNextBatchStartsClean) {
    const auto before = store.Dump();
    EXPECT_THROW(store.Batch([&] {
        store.DeleteApplication(App);
        store.SaveSetting(App, Ids, "1", "C1");
        throw Failure(5, "refused");
    }),
                 Failure);
    EXPECT_EQ(store.Dump(), before);
    store.Batch([&] {
        store.DeleteSection(App, "Logging");
        store.Batch([&] { store.SaveSetting(App, Ids, "4", "C4"); });
    });
    EXPECT_EQ(store.GetSetting(App, Ids, "4"), "C4");
    EXPECT_FALSE(store.SectionExists(App, "Logging"));
}

TEST_F(SqliteRewriteTest, AFailedNestedBatchUndoesOnlyItsOwnRemovals) {
    store.Batch([&] {
        store.DeleteSection(App, "Logging");
        EXPECT_THROW(store.Batch([&] {
            store.DeleteSection(App, "Tracked Foldersets");
            throw Failure(5, "refused");
        }),
                     Failure);
    });
    EXPECT_FALSE(store.SectionExists(App, "Logging"));
    EXPECT_EQ(store.GetSetting(App, Ids, "3"), "C3");
}

}  // namespace
}  // namespace pwk
