#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "src/platform/SettingsStore.h"
#include "tests/store/ContractCheck.h"
#include "tests/store/SettingsStoreContract.h"

namespace pwk::contract {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* App = "Parleywick";

void MissingSectionOrKeyGivesTheDefault(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    CONTRACT_CHECK_EQ(store.GetSetting(App, "Logging", "LogPath", "fallback"), "fallback");
    store.SaveSetting(App, "Logging", "LogLevel", "3");
    CONTRACT_CHECK_EQ(store.GetSetting(App, "Logging", "LogPath", "fallback"), "fallback");
    CONTRACT_CHECK_EQ(store.GetSetting(App, "Logging", "LogPath"), "");
    CONTRACT_CHECK_EQ(store.GetSetting("Other", "Logging", "LogLevel", "none"), "none");
}

void StoredValueIsNotReplacedByTheDefault(ContractStore& s, ContractChecks& checks) {
    s.Store().SaveSetting(App, "Tracking", "JournalEmails", "");
    CONTRACT_CHECK_EQ(s.Store().GetSetting(App, "Tracking", "JournalEmails", "True"), "");
}

void ValuesComeBackExactly(ContractStore& s, ContractChecks& checks) {
    const std::string awkward = "C:\\Logs\\a|b=c \"q\" \xC3\xA9\n\ttail ";
    s.Store().SaveSetting(App, "Logging", "LogPath", awkward);
    s.Store().SaveSetting(App, "Logging", "Long", std::string(100000, 'x'));
    CONTRACT_CHECK_EQ(s.Store().GetSetting(App, "Logging", "LogPath"), awkward);
    CONTRACT_CHECK_EQ(s.Store().GetSetting(App, "Logging", "Long").size(), 100000u);
}

void SavingAgainReplacesTheValue(ContractStore& s, ContractChecks& checks) {
    s.Store().SaveSetting(App, "Tracking", "SaveLinksByRef", "False");
    s.Store().SaveSetting(App, "Tracking", "SaveLinksByRef", "True");
    CONTRACT_CHECK_EQ(s.Dump(App), Lines{"Tracking|SaveLinksByRef=True"});
}

void NamesCompareWithoutCaseAndKeepTheFirstSpelling(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Tracked Foldersets\\Contacts", "EntryID", "00AB");
    store.SaveSetting("PARLEYWICK", "TRACKED FOLDERSETS\\contacts", "ENTRYID", "00ab");
    store.SaveSetting(App, "tracked foldersets\\Journal", "StoreID", "11");

    CONTRACT_CHECK_EQ(store.GetSetting("parleywick", "Tracked Foldersets\\CONTACTS", "entryid"),
                      "00ab");
    CONTRACT_CHECK_EQ(s.Dump(App), (Lines{"Tracked Foldersets\\Contacts|EntryID=00ab",
                                          "Tracked Foldersets\\Journal|StoreID=11"}));
}

void SavingANestedSectionCreatesEveryLevel(ContractStore& s, ContractChecks& checks) {
    s.Store().SaveSetting(App, "A\\B\\C", "k", "v");
    CONTRACT_CHECK(s.SectionExists(App, "A"));
    CONTRACT_CHECK(s.SectionExists(App, "a\\b"));
    CONTRACT_CHECK(s.SectionExists(App, "A\\B\\C"));
    CONTRACT_CHECK(!s.SectionExists(App, "B"));
    CONTRACT_CHECK_EQ(s.Store().GetSetting(App, "A\\B", "k", "none"), "none");
}

void DeletingASectionRemovesEverythingBelowIt(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Tracked Foldersets", "Count", "2");
    store.SaveSetting(App, "Tracked Foldersets\\1\\Contacts", "EntryID", "a");
    store.SaveSetting(App, "Tracked Foldersets\\2", "Dir", "d");
    // Names that share the prefix without being inside the section must survive.
    store.SaveSetting(App, "Tracked Foldersets 2", "k", "x");
    store.SaveSetting(App, "Tracked Foldersets]", "k", "y");
    store.SaveSetting(App, "Tracking", "JournalEmails", "True");

    store.DeleteSection(App, "TRACKED FOLDERSETS");

    CONTRACT_CHECK(!s.SectionExists(App, "Tracked Foldersets\\1"));
    CONTRACT_CHECK(!s.SectionExists(App, "Tracked Foldersets"));
    CONTRACT_CHECK_EQ(s.Dump(App), (Lines{"Tracked Foldersets 2|k=x", "Tracked Foldersets]|k=y",
                                          "Tracking|JournalEmails=True"}));
}

void DeletingAnInnerLevelKeepsItsParent(ContractStore& s, ContractChecks& checks) {
    s.Store().SaveSetting(App, "A\\B\\C", "k", "1");
    s.Store().SaveSetting(App, "A", "k", "2");
    s.Store().DeleteSection(App, "A\\B");
    CONTRACT_CHECK(s.SectionExists(App, "A"));
    CONTRACT_CHECK(!s.SectionExists(App, "A\\B\\C"));
    CONTRACT_CHECK_EQ(s.Dump(App), Lines{"A|k=2"});
}

void DeletingAMissingSectionFailsAndChangesNothing(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Logging", "LogLevel", "1");
    try {
        store.DeleteSection(App, "Version");
        checks.Fail(__FILE__, __LINE__, "deleting a missing section did not fail");
    } catch (const Failure& failure) {
        CONTRACT_CHECK_EQ(failure.Number, FailureNumber::InvalidProcedureCall);
        CONTRACT_CHECK(failure.Description.find("\"Version\"") != std::string::npos);
    }
    CONTRACT_CHECK_EQ(FailureOf([&] { store.DeleteSection("Nobody", "Logging"); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { store.DeleteSection(App, "Logging\\Deeper"); }), 5);
    CONTRACT_CHECK_EQ(s.Dump(App), Lines{"Logging|LogLevel=1"});
}

void DeletingTheApplicationRemovesOnlyIt(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Version", "Major", "2");
    store.SaveSetting(App, "Tracking\\Deep", "k", "v");
    store.SaveSetting("Neighbour", "Version", "Major", "9");

    store.DeleteApplication("parleywick");

    CONTRACT_CHECK_EQ(s.Dump(App), Lines{});
    CONTRACT_CHECK_EQ(s.Dump("Neighbour"), Lines{"Version|Major=9"});
    CONTRACT_CHECK_EQ(FailureOf([&] { store.DeleteApplication(App); }), 5);
}

void AnApplicationWhoseLastSectionWasDeletedHasNothingToDelete(ContractStore& s,
                                                               ContractChecks& checks) {
    s.Store().SaveSetting(App, "Version", "Major", "2");
    s.Store().DeleteSection(App, "Version");
    CONTRACT_CHECK_EQ(FailureOf([&] { s.Store().DeleteApplication(App); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { s.Store().DeleteApplication("Never"); }), 5);
}

void EmptyNamesAreRejected(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    CONTRACT_CHECK_EQ(FailureOf([&] { store.SaveSetting(App, "", "k", "v"); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { store.SaveSetting(App, "A\\\\B", "k", "v"); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { store.SaveSetting(App, "A\\", "k", "v"); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { store.SaveSetting(App, "A", "", "v"); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { store.SaveSetting("", "A", "k", "v"); }), 5);
    CONTRACT_CHECK_EQ(FailureOf([&] { store.GetSetting(App, "", "k"); }), 5);
    CONTRACT_CHECK_EQ(s.Dump(App), Lines{});
    CONTRACT_CHECK(!s.SectionExists(App, "A"));
}

// A store that reads a section once per snapshot still answers every read as stored, missing
// names with their defaults, and a write or a batch inside the snapshot with what it wrote.
void ASnapshotReadsWhatIsStoredAndWhatItWrites(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Tracking", "JournalEmails", "True");
    store.SaveSetting(App, "Tracking", "SaveLinksByRef", "False");
    store.Snapshot([&] {
        CONTRACT_CHECK_EQ(store.GetSetting(App, "TRACKING", "journalemails"), "True");
        CONTRACT_CHECK_EQ(store.GetAllSettings(App, "Tracking").size(), 2u);
        CONTRACT_CHECK_EQ(store.GetSetting(App, "Tracking", "Missing", "none"), "none");
        CONTRACT_CHECK_EQ(store.GetSetting(App, "Nowhere", "k", "none"), "none");
        store.SaveSetting(App, "Tracking", "JournalEmails", "False");
        store.SaveSetting(App, "Nowhere", "k", "now");
        CONTRACT_CHECK_EQ(store.GetSetting(App, "Tracking", "JournalEmails"), "False");
        CONTRACT_CHECK_EQ(store.GetSetting(App, "Nowhere", "k", "none"), "now");
        CONTRACT_CHECK_EQ(store.GetAllSettings(App, "Nowhere").size(), 1u);
        store.Batch([&] {
            CONTRACT_CHECK_EQ(store.GetSetting(App, "Tracking", "JournalEmails"), "False");
            store.SaveSetting("Other", "Tracking", "JournalEmails", "True");
        });
        store.Batch([&] { store.SaveSetting(App, "Tracking", "JournalEmails", "True"); });
        CONTRACT_CHECK_EQ(store.GetSetting(App, "Tracking", "JournalEmails"), "True");
    });
    CONTRACT_CHECK_EQ(store.GetSetting(App, "Tracking", "JournalEmails"), "True");
    CONTRACT_CHECK_EQ(store.GetSetting("Other", "Tracking", "JournalEmails"), "True");
}

void AFailingBatchLeavesEverythingAsItWas(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Logging", "LogLevel", "1");
    store.SaveSetting(App, "Tracked Foldersets\\1", "Dir", "old");
    const Lines before = s.Dump(App);

    const std::int32_t number = FailureOf([&] {
        store.Batch([&] {
            store.DeleteApplication(App);
            store.SaveSetting(App, "Logging", "LogLevel", "2");
            store.SaveSetting(App, "New", "k", "v");
            store.DeleteSection(App, "Missing");  // fails: the whole batch goes
        });
    });

    CONTRACT_CHECK_EQ(number, 5);
    CONTRACT_CHECK_EQ(s.Dump(App), before);
    CONTRACT_CHECK(!s.SectionExists(App, "New"));
}

void ABatchThatSucceedsKeepsEveryChange(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "Logging", "LogLevel", "1");
    store.Batch([&] {
        store.DeleteApplication(App);
        // A removal that fails inside the batch and is ignored by the caller costs nothing.
        CONTRACT_CHECK_EQ(FailureOf([&] { store.DeleteSection(App, "Tracking"); }), 5);
        store.SaveSetting(App, "Logging", "LogLevel", "2");
    });
    CONTRACT_CHECK_EQ(s.Dump(App), Lines{"Logging|LogLevel=2"});
}

void AFailureThrownThroughNestedBatchesUndoesThemAll(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.SaveSetting(App, "S", "k", "old");
    const std::int32_t number = FailureOf([&] {
        store.Batch([&] {
            store.SaveSetting(App, "S", "k", "outer");
            store.Batch([&] {
                store.SaveSetting(App, "S", "k", "inner");
                throw Failure(13, "Type mismatch");
            });
        });
    });
    CONTRACT_CHECK_EQ(number, 13);
    CONTRACT_CHECK_EQ(s.Dump(App), Lines{"S|k=old"});
}

void AnInnerBatchFailureCaughtInsideUndoesOnlyTheInnerBatch(ContractStore& s,
                                                            ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.Batch([&] {
        store.SaveSetting(App, "S", "outer", "1");
        const std::int32_t number = FailureOf([&] {
            store.Batch([&] {
                store.SaveSetting(App, "S", "inner", "1");
                throw Failure(6, "Overflow");
            });
        });
        CONTRACT_CHECK_EQ(number, 6);
        store.SaveSetting(App, "S", "after", "1");
    });
    CONTRACT_CHECK_EQ(s.Dump(App), (Lines{"S|after=1", "S|outer=1"}));
}

// The inner batch made the section and took it away again as it failed: the outer batch,
// writing there next, must make it anew rather than trust what the inner batch had made.
void ASectionAFailedInnerBatchMadeIsMadeAgainByTheOuterBatch(ContractStore& s,
                                                             ContractChecks& checks) {
    SettingsStore& store = s.Store();
    store.Batch([&] {
        store.SaveSetting(App, "Outer", "k", "1");
        FailureOf([&] {
            store.Batch([&] {
                store.SaveSetting(App, "New\\Deep", "k", "inner");
                throw Failure(6, "Overflow");
            });
        });
        store.SaveSetting(App, "New\\Deep", "k", "outer");
    });
    CONTRACT_CHECK(s.SectionExists(App, "New\\Deep"));
    CONTRACT_CHECK_EQ(store.GetSetting(App, "New\\Deep", "k"), "outer");
    CONTRACT_CHECK_EQ(s.Dump(App), (Lines{"New\\Deep|k=outer", "Outer|k=1"}));
}

void ANonFailureExceptionAlsoRollsBack(ContractStore& s, ContractChecks& checks) {
    bool thrown = false;
    try {
        s.Store().Batch([&] {
            s.Store().SaveSetting(App, "S", "k", "v");
            throw std::runtime_error("boom");
        });
    } catch (const std::runtime_error&) {
        thrown = true;
    }
    CONTRACT_CHECK(thrown);
    CONTRACT_CHECK(!s.SectionExists(App, "S"));
}

// A store may answer "changed" when it cannot tell, never "unchanged" after a change; what it
// calls unchanged is what it held before.
void ABatchNeverCallsAChangeNoChange(ContractStore& s, ContractChecks& checks) {
    SettingsStore& store = s.Store();
    const auto seed = [&] {
        store.Batch([&] {
            if (s.SectionExists(App, "Logging") || s.SectionExists(App, "Tracking")) {
                store.DeleteApplication(App);
            }
            store.SaveSetting(App, "Logging", "LogLevel", "1");
            store.SaveSetting(App, "Tracking", "JournalEmails", "True");
        });
    };
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"a new value", [&] { store.SaveSetting(App, "Logging", "LogPath", "C:\\Logs"); }},
        {"a changed value", [&] { store.SaveSetting(App, "Logging", "LogLevel", "2"); }},
        {"a new section", [&] { store.SaveSetting(App, "Version", "Major", "4"); }},
        {"a removed section", [&] { store.DeleteSection(App, "Tracking"); }},
        {"a removed application", [&] { store.DeleteApplication(App); }},
        {"a name spelled otherwise",
         [&] {
             store.DeleteSection(App, "Logging");
             store.SaveSetting(App, "Logging", "LOGLEVEL", "1");
         }},
        {"an inner batch's change",
         [&] { store.Batch([&] { store.SaveSetting(App, "Logging", "LogLevel", "3"); }); }},
    };
    for (const auto& [what, change] : changes) {
        seed();
        bool told = false;
        store.Batch([&] {
            change();
            told = store.BatchChanges();
        });
        CONTRACT_CHECK_EQ(std::string(what) + (told ? ": told" : ": not told"),
                          std::string(what) + ": told");
    }
    seed();
    const Lines before = s.Dump(App);
    bool told = true;
    store.Batch([&] {
        store.DeleteApplication(App);
        store.SaveSetting(App, "Logging", "LogLevel", "1");
        store.SaveSetting(App, "Tracking", "JournalEmails", "True");
        told = store.BatchChanges();
    });
    CONTRACT_CHECK(told || s.Dump(App) == before);
}

}  // namespace

const std::vector<ContractCase>& ContractCases() {
    static const std::vector<ContractCase> cases = {
        {"MissingSectionOrKeyGivesTheDefault", MissingSectionOrKeyGivesTheDefault},
        {"StoredValueIsNotReplacedByTheDefault", StoredValueIsNotReplacedByTheDefault},
        {"ValuesComeBackExactly", ValuesComeBackExactly},
        {"SavingAgainReplacesTheValue", SavingAgainReplacesTheValue},
        {"NamesCompareWithoutCaseAndKeepTheFirstSpelling",
         NamesCompareWithoutCaseAndKeepTheFirstSpelling},
        {"SavingANestedSectionCreatesEveryLevel", SavingANestedSectionCreatesEveryLevel},
        {"DeletingASectionRemovesEverythingBelowIt", DeletingASectionRemovesEverythingBelowIt},
        {"DeletingAnInnerLevelKeepsItsParent", DeletingAnInnerLevelKeepsItsParent},
        {"DeletingAMissingSectionFailsAndChangesNothing",
         DeletingAMissingSectionFailsAndChangesNothing},
        {"DeletingTheApplicationRemovesOnlyIt", DeletingTheApplicationRemovesOnlyIt},
        {"AnApplicationWhoseLastSectionWasDeletedHasNothingToDelete",
         AnApplicationWhoseLastSectionWasDeletedHasNothingToDelete},
        {"EmptyNamesAreRejected", EmptyNamesAreRejected},
        {"ASnapshotReadsWhatIsStoredAndWhatItWrites", ASnapshotReadsWhatIsStoredAndWhatItWrites},
        {"AFailingBatchLeavesEverythingAsItWas", AFailingBatchLeavesEverythingAsItWas},
        {"ABatchThatSucceedsKeepsEveryChange", ABatchThatSucceedsKeepsEveryChange},
        {"AFailureThrownThroughNestedBatchesUndoesThemAll",
         AFailureThrownThroughNestedBatchesUndoesThemAll},
        {"AnInnerBatchFailureCaughtInsideUndoesOnlyTheInnerBatch",
         AnInnerBatchFailureCaughtInsideUndoesOnlyTheInnerBatch},
        {"ASectionAFailedInnerBatchMadeIsMadeAgainByTheOuterBatch",
         ASectionAFailedInnerBatchMadeIsMadeAgainByTheOuterBatch},
        {"ANonFailureExceptionAlsoRollsBack", ANonFailureExceptionAlsoRollsBack},
        {"ABatchNeverCallsAChangeNoChange", ABatchNeverCallsAChangeNoChange},
    };
    return cases;
}

}  // namespace pwk::contract
