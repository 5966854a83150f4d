#include "store/MemorySettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "src/util/Failure.h"

namespace pwk {
namespace {

using ::testing::ElementsAre;

TEST(MemorySettingsStoreFaults, TheNextOperationFailsWithTheNumberGivenAndChangesNothing) {
    MemorySettingsStore store;
    store.FailNextOperation(70);
    try {
        store.SaveSetting("App", "S", "k", "v");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number, 70);
    }
    EXPECT_FALSE(store.SectionExists("App", "S"));
    store.SaveSetting("App", "S", "k", "v");  // only one operation fails
    EXPECT_THAT(store.Dump(), ElementsAre("App|S|k=v"));
}

TEST(MemorySettingsStoreFaults, TheNthOperationFromNowFails) {
    MemorySettingsStore store;
    store.SaveSetting("App", "S", "k", "1");
    store.FailOperation(3);
    EXPECT_EQ(store.GetSetting("App", "S", "k"), "1");
    store.SaveSetting("App", "S", "k", "2");
    EXPECT_THROW(store.DeleteSection("App", "S"), Failure);
    EXPECT_EQ(store.OperationCount(), 4);
    EXPECT_THAT(store.Dump("App"), ElementsAre("S|k=2"));
}

TEST(MemorySettingsStoreBatch, WritingBackWhatWasStoredIsNoChange) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.BatchChanges());  // no batch
    store.SaveSetting("App", "S\\T", "k", "v");
    store.Batch([&] {
        store.DeleteApplication("App");
        EXPECT_TRUE(store.BatchChanges());
        store.SaveSetting("App", "S\\T", "k", "v");
        EXPECT_FALSE(store.BatchChanges());
        store.Batch([&] { store.SaveSetting("App", "S\\T", "k", "w"); });
        EXPECT_TRUE(store.BatchChanges());  // the outermost batch's view
        store.SaveSetting("App", "S\\T", "k", "v");
        EXPECT_FALSE(store.BatchChanges());
    });
    EXPECT_FALSE(store.BatchChanges());
}

TEST(MemorySettingsStoreListing, DumpListsEveryApplicationInStoredSpelling) {
    MemorySettingsStore store;
    store.SaveSetting("Zeta", "S", "K", "1");
    store.SaveSetting("alpha", "S\\T", "k", "2");
    store.SaveSetting("ALPHA", "s", "k", "3");
    EXPECT_THAT(store.Dump(), ElementsAre("Zeta|S|K=1", "alpha|S\\T|k=2", "alpha|S|k=3"));
}

}  // namespace
}  // namespace pwk
