// The behaviour every settings backend shares, run against each of them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "src/util/Failure.h"
#include "store/MemorySettingsStore.h"
#include "store/SqliteSettingsStore.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct MemoryBackend {
    MemorySettingsStore store;
};

struct SqliteBackend {
    test::TempFolder folder;
    SqliteSettingsStore store{folder / "config/parleywick/settings.db"};
};

template <typename Backend>
class SettingsStoreContract : public ::testing::Test {
  protected:
    Backend backend;
    decltype(backend.store)& store = backend.store;

    // The failure number `action` raises, or 0 when it raises none.
    template <typename Action>
    static std::int32_t FailureOf(Action action) {
        try {
            action();
        } catch (const Failure& failure) {
            return failure.Number;
        }
        return 0;
    }
};

using Backends = ::testing::Types<MemoryBackend, SqliteBackend>;
TYPED_TEST_SUITE(SettingsStoreContract, Backends);

constexpr const char* App = "Parleywick";

TYPED_TEST(SettingsStoreContract, MissingSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(this->store.GetSetting(App, "Logging", "LogPath", "fallback"), "fallback");
    this->store.SaveSetting(App, "Logging", "LogLevel", "3");
    EXPECT_EQ(this->store.GetSetting(App, "Logging", "LogPath", "fallback"), "fallback");
    EXPECT_EQ(this->store.GetSetting(App, "Logging", "LogPath"), "");
    EXPECT_EQ(this->store.GetSetting("Other", "Logging", "LogLevel", "none"), "none");
}

TYPED_TEST(SettingsStoreContract, StoredValueIsNotReplacedByTheDefault) {
    this->store.SaveSetting(App, "Tracking", "JournalEmails", "");
    EXPECT_EQ(this->store.GetSetting(App, "Tracking", "JournalEmails", "True"), "");
}

TYPED_TEST(SettingsStoreContract, ValuesComeBackExactly) {
    const std::string awkward = "C:\\Logs\\a|b=c \"q\" \xC3\xA9\n\ttail ";
    this->store.SaveSetting(App, "Logging", "LogPath", awkward);
    this->store.SaveSetting(App, "Logging", "Long", std::string(100000, 'x'));
    EXPECT_EQ(this->store.GetSetting(App, "Logging", "LogPath"), awkward);
    EXPECT_EQ(this->store.GetSetting(App, "Logging", "Long").size(), 100000u);
}

TYPED_TEST(SettingsStoreContract, SavingAgainReplacesTheValue) {
    this->store.SaveSetting(App, "Tracking", "SaveLinksByRef", "False");
    this->store.SaveSetting(App, "Tracking", "SaveLinksByRef", "True");
    EXPECT_THAT(this->store.Dump(App), ElementsAre("Tracking|SaveLinksByRef=True"));
}

TYPED_TEST(SettingsStoreContract, NamesCompareWithoutCaseAndKeepTheFirstSpelling) {
    this->store.SaveSetting(App, "Tracked Foldersets\\Contacts", "EntryID", "00AB");
    this->store.SaveSetting("PARLEYWICK", "TRACKED FOLDERSETS\\contacts", "ENTRYID", "00ab");
    this->store.SaveSetting(App, "tracked foldersets\\Journal", "StoreID", "11");

    EXPECT_EQ(this->store.GetSetting("parleywick", "Tracked Foldersets\\CONTACTS", "entryid"),
              "00ab");
    EXPECT_THAT(this->store.Dump(App), ElementsAre("Tracked Foldersets\\Contacts|EntryID=00ab",
                                                   "Tracked Foldersets\\Journal|StoreID=11"));
}

TYPED_TEST(SettingsStoreContract, SavingANestedSectionCreatesEveryLevel) {
    this->store.SaveSetting(App, "A\\B\\C", "k", "v");
    EXPECT_TRUE(this->store.SectionExists(App, "A"));
    EXPECT_TRUE(this->store.SectionExists(App, "a\\b"));
    EXPECT_TRUE(this->store.SectionExists(App, "A\\B\\C"));
    EXPECT_FALSE(this->store.SectionExists(App, "B"));
    EXPECT_EQ(this->store.GetSetting(App, "A\\B", "k", "none"), "none");
}

TYPED_TEST(SettingsStoreContract, DeletingASectionRemovesEverythingBelowIt) {
    this->store.SaveSetting(App, "Tracked Foldersets", "Count", "2");
    this->store.SaveSetting(App, "Tracked Foldersets\\1\\Contacts", "EntryID", "a");
    this->store.SaveSetting(App, "Tracked Foldersets\\2", "Dir", "d");
    // Names that share the prefix without being inside the section must survive.
    this->store.SaveSetting(App, "Tracked Foldersets 2", "k", "x");
    this->store.SaveSetting(App, "Tracked Foldersets]", "k", "y");
    this->store.SaveSetting(App, "Tracking", "JournalEmails", "True");

    this->store.DeleteSection(App, "TRACKED FOLDERSETS");

    EXPECT_FALSE(this->store.SectionExists(App, "Tracked Foldersets\\1"));
    EXPECT_FALSE(this->store.SectionExists(App, "Tracked Foldersets"));
    EXPECT_THAT(this->store.Dump(App),
                ElementsAre("Tracked Foldersets 2|k=x", "Tracked Foldersets]|k=y",
                            "Tracking|JournalEmails=True"));
}

TYPED_TEST(SettingsStoreContract, DeletingAnInnerLevelKeepsItsParent) {
    this->store.SaveSetting(App, "A\\B\\C", "k", "1");
    this->store.SaveSetting(App, "A", "k", "2");
    this->store.DeleteSection(App, "A\\B");
    EXPECT_TRUE(this->store.SectionExists(App, "A"));
    EXPECT_FALSE(this->store.SectionExists(App, "A\\B\\C"));
    EXPECT_THAT(this->store.Dump(App), ElementsAre("A|k=2"));
}

TYPED_TEST(SettingsStoreContract, DeletingAMissingSectionFailsAndChangesNothing) {
    this->store.SaveSetting(App, "Logging", "LogLevel", "1");
    try {
        this->store.DeleteSection(App, "Version");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number, FailureNumber::InvalidProcedureCall);
        EXPECT_THAT(failure.Description, HasSubstr("\"Version\""));
    }
    EXPECT_EQ(this->FailureOf([&] { this->store.DeleteSection("Nobody", "Logging"); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.DeleteSection(App, "Logging\\Deeper"); }), 5);
    EXPECT_THAT(this->store.Dump(App), ElementsAre("Logging|LogLevel=1"));
}

TYPED_TEST(SettingsStoreContract, DeletingTheApplicationRemovesOnlyIt) {
    this->store.SaveSetting(App, "Version", "Major", "2");
    this->store.SaveSetting(App, "Tracking\\Deep", "k", "v");
    this->store.SaveSetting("Neighbour", "Version", "Major", "9");

    this->store.DeleteApplication("parleywick");

    EXPECT_THAT(this->store.Dump(App), IsEmpty());
    EXPECT_THAT(this->store.Dump(), ElementsAre("Neighbour|Version|Major=9"));
    EXPECT_EQ(this->FailureOf([&] { this->store.DeleteApplication(App); }), 5);
}

TYPED_TEST(SettingsStoreContract, AnApplicationWhoseLastSectionWasDeletedHasNothingToDelete) {
    this->store.SaveSetting(App, "Version", "Major", "2");
    this->store.DeleteSection(App, "Version");
    EXPECT_EQ(this->FailureOf([&] { this->store.DeleteApplication(App); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.DeleteApplication("Never"); }), 5);
}

TYPED_TEST(SettingsStoreContract, EmptyNamesAreRejected) {
    EXPECT_EQ(this->FailureOf([&] { this->store.SaveSetting(App, "", "k", "v"); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.SaveSetting(App, "A\\\\B", "k", "v"); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.SaveSetting(App, "A\\", "k", "v"); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.SaveSetting(App, "A", "", "v"); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.SaveSetting("", "A", "k", "v"); }), 5);
    EXPECT_EQ(this->FailureOf([&] { this->store.GetSetting(App, "", "k"); }), 5);
    EXPECT_THAT(this->store.Dump(), IsEmpty());
}

TYPED_TEST(SettingsStoreContract, AFailingBatchLeavesEverythingAsItWas) {
    this->store.SaveSetting(App, "Logging", "LogLevel", "1");
    this->store.SaveSetting(App, "Tracked Foldersets\\1", "Dir", "old");
    const auto before = this->store.Dump();

    const std::int32_t number = this->FailureOf([&] {
        this->store.Batch([&] {
            this->store.DeleteApplication(App);
            this->store.SaveSetting(App, "Logging", "LogLevel", "2");
            this->store.SaveSetting(App, "New", "k", "v");
            this->store.DeleteSection(App, "Missing");  // fails: the whole batch goes
        });
    });

    EXPECT_EQ(number, 5);
    EXPECT_EQ(this->store.Dump(), before);
}

TYPED_TEST(SettingsStoreContract, ABatchThatSucceedsKeepsEveryChange) {
    this->store.SaveSetting(App, "Logging", "LogLevel", "1");
    this->store.Batch([&] {
        this->store.DeleteApplication(App);
        // A removal that fails inside the batch and is ignored by the caller costs nothing.
        EXPECT_EQ(this->FailureOf([&] { this->store.DeleteSection(App, "Tracking"); }), 5);
        this->store.SaveSetting(App, "Logging", "LogLevel", "2");
    });
    EXPECT_THAT(this->store.Dump(App), ElementsAre("Logging|LogLevel=2"));
}

TYPED_TEST(SettingsStoreContract, AFailureThrownThroughNestedBatchesUndoesThemAll) {
    this->store.SaveSetting(App, "S", "k", "old");
    const std::int32_t number = this->FailureOf([&] {
        this->store.Batch([&] {
            this->store.SaveSetting(App, "S", "k", "outer");
            this->store.Batch([&] {
                this->store.SaveSetting(App, "S", "k", "inner");
                throw Failure(13, "Type mismatch");
            });
        });
    });
    EXPECT_EQ(number, 13);
    EXPECT_THAT(this->store.Dump(App), ElementsAre("S|k=old"));
}

TYPED_TEST(SettingsStoreContract, AnInnerBatchFailureCaughtInsideUndoesOnlyTheInnerBatch) {
    this->store.Batch([&] {
        this->store.SaveSetting(App, "S", "outer", "1");
        EXPECT_EQ(this->FailureOf([&] {
            this->store.Batch([&] {
                this->store.SaveSetting(App, "S", "inner", "1");
                throw Failure(6, "Overflow");
            });
        }),
                  6);
        this->store.SaveSetting(App, "S", "after", "1");
    });
    EXPECT_THAT(this->store.Dump(App), ElementsAre("S|after=1", "S|outer=1"));
}

TYPED_TEST(SettingsStoreContract, ANonFailureExceptionAlsoRollsBack) {
    EXPECT_THROW(this->store.Batch([&] {
        this->store.SaveSetting(App, "S", "k", "v");
        throw std::runtime_error("boom");
    }),
                 std::runtime_error);
    EXPECT_FALSE(this->store.SectionExists(App, "S"));
}

}  // namespace
}  // namespace pwk
