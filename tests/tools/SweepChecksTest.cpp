// What a sweep holds a failing run to: sent mail filed whole per group, and the settings store
// against the clean run command by command.
#include <gtest/gtest.h>

#include "sim/SimAttachments.h"
#include "sim/SimFolder.h"
#include "sim/SimItemState.h"
#include "sim/SimLinks.h"
#include "tests/tools/ScenarioDemoHost.h"
#include "tools/scenario/SweepFilingCheck.h"
#include "tools/scenario/SweepSettingsCheck.h"

namespace pwk::scenario {
namespace {

class SweepFiling : public test::ScenarioDemoHost {
  protected:
    SweepFiling() { filing.Begin(host); }

    std::shared_ptr<sim::SimItemState> Mail(const std::string& folder) {
        return host.PutItem(folder, host::ItemType::Mail, {{"Subject", "Offer"}, {"Body", "b"}});
    }
    // The journal's entry for `copy`, linked to the folder's first contact.
    std::shared_ptr<sim::SimItemState> EntryFor(const sim::SimItemState& copy) {
        auto entry = host.PutItem("Acme Public/Customers/Journal", host::ItemType::Journal,
                                  {{"Subject", "Offer"}, {"Type", "E-mail Message"}});
        entry->LinksObject().AddLink(
            host.Folder("Acme Public/Customers/Contacts")->Contents().front().get());
        entry->AttachmentsObject().Append({1, "Sent MailItem", copy.EntryId(), 0});
        return entry;
    }

    SweepFilingCheck filing;
    const std::string sentItems = "Mailbox - Pat Jones/Sent Items";
    const std::string emails = "Acme Public/Customers/E-mails";
};

TEST_F(SweepFiling, AGroupFiledWholeIsNoFinding) {
    Mail(sentItems);
    EntryFor(*Mail(emails));
    EXPECT_TRUE(filing.Check(host, true).empty());
}

TEST_F(SweepFiling, AnEntryWhoseCopyIsGoneIsAFinding) {
    Mail(sentItems);
    const auto copy = Mail(emails);
    EntryFor(*copy);
    copy->DeleteNow();
    const auto findings = filing.Check(host, true);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0],
              "journal entry \"Offer\" in Acme Public/Customers/Journal without its copy");
}

TEST_F(SweepFiling, ACopyWithoutItsEntryIsAFindingOnlyWhenTheMailIsJournaled) {
    Mail(sentItems);
    Mail(emails);
    EXPECT_TRUE(filing.Check(host, false).empty());
    const auto findings = filing.Check(host, true);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0],
              "copy \"Offer\" in Acme Public/Customers/E-mails without its journal "
              "entry");

    // One group journaled tells that the mail was: a second copy without an entry is half-filed.
    EntryFor(*Mail(emails));
    EXPECT_EQ(filing.Check(host, false).size(), 1u);
}

TEST_F(SweepFiling, WhatTheProcessStartedWithIsNotJudged) {
    Mail(sentItems);
    Mail(emails);
    filing.Begin(host);
    EXPECT_TRUE(filing.Check(host, true).empty());
}

// The store after a command, as "section|key=value" lines.
StoredSettings After(int line, std::vector<std::string> settings,
                     std::vector<std::string> recovery = {}, const std::string& command = "start") {
    return {line, command, 0, std::move(settings), std::move(recovery)};
}

const std::vector<std::string> kOneFolderset = {
    "Tracked Foldersets\\Contacts\\EntryID|1=C1", "Tracked Foldersets\\Contacts\\StoreID|1=S",
    "Tracked Foldersets\\Journals\\EntryID|1=J1", "Tracked Foldersets\\Journals\\StoreID|1=S",
    "Tracked Foldersets\\Emails\\EntryID|1=E1",   "Tracked Foldersets\\Emails\\StoreID|1=S"};

// A complete save: every option, the version, and `foldersets` with their count.
std::vector<std::string> Saved(const std::vector<std::string>& foldersets,
                               const std::string& journalEmails = "True") {
    std::vector<std::string> lines = {
        "Logging|LogLevel=0",
        "Tracking|TrackUnlinkedEmail=True",
        "Tracking|JournalEmails=" + journalEmails,
        "Tracking|SaveLinksByRef=False",
        "Tracking|FirstRun=False",
        "Version|Major=2",
        "Version|Minor=1",
        "Version|Revision=158",
        "Tracking|TrackAppointments=True",
        "Tracking|UseSentMailFolder=True",
        "Tracked Foldersets|Count=" + std::to_string(foldersets.size() / 6)};
    lines.insert(lines.end(), foldersets.begin(), foldersets.end());
    return lines;
}

SweepSettingsCheck::Result Judge(const StoredSettings& cleanAfter, const StoredSettings& after,
                                 const StoredSettings& before = After(0, Saved(kOneFolderset))) {
    return SweepSettingsCheck::Compare({before, cleanAfter}, {before, after});
}

TEST(SweepSettings, TheOldContentTheCleanRunsOrACompleteSaveWithARecordPass) {
    const auto clean = After(9, Saved(kOneFolderset));
    EXPECT_TRUE(Judge(clean, After(9, Saved(kOneFolderset))).Findings.empty());
    // The folderset dropped at start, and kept in the recovery record.
    const std::vector<std::string> record = {
        "Dropped Foldersets\\A|ContactsEntryID=C1", "Dropped Foldersets\\A|ContactsStoreID=S",
        "Dropped Foldersets\\A|JournalsEntryID=J1", "Dropped Foldersets\\A|JournalsStoreID=S",
        "Dropped Foldersets\\A|EmailsEntryID=E1",   "Dropped Foldersets\\A|EmailsStoreID=S"};
    EXPECT_TRUE(Judge(clean, After(9, Saved({}), record)).Findings.empty());
}

TEST(SweepSettings, AFoldersetGoneWithoutARecordIsAFindingAtStartAndOnThePage) {
    const auto clean = After(9, Saved(kOneFolderset));
    for (const char* command : {"start", "option", "track"}) {
        const auto judged = Judge(clean, After(9, Saved({}), {}, command));
        ASSERT_EQ(judged.Findings.size(), 1u) << command;
        EXPECT_EQ(judged.Findings[0],
                  "after line 9: the folderset of contacts folder C1 is gone, and "
                  "not in the recovery record");
    }
}

TEST(SweepSettings, AnUntrackThatTookAnotherFoldersetMayLoseOneAndNoMore) {
    const std::vector<std::string> second = {
        "Tracked Foldersets\\Contacts\\EntryID|1=C2", "Tracked Foldersets\\Contacts\\StoreID|1=S",
        "Tracked Foldersets\\Journals\\EntryID|1=J2", "Tracked Foldersets\\Journals\\StoreID|1=S",
        "Tracked Foldersets\\Emails\\EntryID|1=E2",   "Tracked Foldersets\\Emails\\StoreID|1=S"};
    std::vector<std::string> both = kOneFolderset;
    for (std::string line : second) {
        both.push_back(line.replace(line.find("|1="), 3, "|2="));
    }
    const auto before = After(0, Saved(both));
    // The clean run removed the first; this one the second, as the page listed it first.
    const auto clean = After(9, Saved(second), {}, "untrack");
    EXPECT_TRUE(
        Judge(clean, After(9, Saved(kOneFolderset), {}, "untrack"), before).Findings.empty());
    // Not on another command: there no folderset goes without a record.
    EXPECT_EQ(Judge(clean, After(9, Saved(kOneFolderset), {}, "option"), before).Findings.size(),
              1u);
    const auto bothGone = Judge(clean, After(9, Saved({}), {}, "untrack"), before);
    ASSERT_EQ(bothGone.Findings.size(), 1u);
    EXPECT_NE(bothGone.Findings[0].find("contacts folder C2 is gone"), std::string::npos);
}

TEST(SweepSettings, AValueWrittenOverOrLeftOutIsAFinding) {
    const auto clean = After(9, Saved(kOneFolderset));
    const auto overwritten = Judge(clean, After(9, Saved(kOneFolderset, "False")));
    ASSERT_EQ(overwritten.Findings.size(), 1u);
    EXPECT_EQ(overwritten.Findings[0],
              "after line 9: Tracking|JournalEmails: \"False\" written "
              "over \"True\" (the clean run has \"True\")");

    auto half = Saved(kOneFolderset);
    half.erase(half.begin());  // Logging|LogLevel
    const auto findings = Judge(clean, After(9, half)).Findings;
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0], "after line 9: half a save: Logging|LogLevel is missing");
}

TEST(SweepSettings, TheScenariosOwnEditAfterTheRunStrayedIsNoFinding) {
    // The failing run never saved; the scenario then sets one value, as the clean run did.
    const auto cleanBefore = After(0, Saved(kOneFolderset));
    const auto cleanAfter = After(5, Saved(kOneFolderset, "False"), {}, "setting");
    const auto before = After(0, {"Tracking|JournalEmails=True"});
    const auto after = After(5, {"Tracking|JournalEmails=False"}, {}, "setting");
    EXPECT_TRUE(
        SweepSettingsCheck::Compare({cleanBefore, cleanAfter}, {before, after}).Findings.empty());
}

TEST(SweepSettings, ACommandTheScenariosStoreFailuresRefusedIsNotJudged) {
    auto after = After(9, {"Tracking|JournalEmails=False"});
    after.StoreRefusals = 1;
    EXPECT_TRUE(Judge(After(9, Saved(kOneFolderset)), after).Findings.empty());
}

}  // namespace
}  // namespace pwk::scenario
