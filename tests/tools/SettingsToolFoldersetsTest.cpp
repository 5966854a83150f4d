#include <algorithm>
#include <string>
#include <vector>

#include "src/util/Failure.h"

#include "tests/tools/SettingsToolFixture.h"

namespace pwk::settingstool::test {
namespace {

using SettingsToolFoldersets = SettingsToolFixture;

constexpr const char* Section = "Tracked Foldersets";

// The layout lines of one stored folderset at `position`, as the store lists them.
std::vector<std::string> LayoutOf(const std::string& group, int position) {
    const std::string key = std::to_string(position);
    std::vector<std::string> lines;
    const struct {
        const char* subsection;
        const char* folder;
    } parts[] = {{"Contacts", "/Contacts"}, {"Journals", "/Journal"}, {"Emails", "/E-mails"}};
    for (const auto& part : parts) {
        const FolderIds ids = FixedMailbox::IdsOf(group + part.folder);
        const std::string prefix = std::string(Section) + "\\" + part.subsection + "\\";
        lines.push_back(prefix + "EntryID|" + key + "=" + ids.EntryID);
        lines.push_back(prefix + "StoreID|" + key + "=" + ids.StoreID);
    }
    return lines;
}

TEST_F(SettingsToolFoldersets, RemoveRenumbersAndLeavesNoStalePosition) {
    AddGroup(Customers);
    AddGroup(Suppliers);
    AddGroup(Partners);

    EXPECT_EQ(Run({"remove", "2"}), "Removed tracked folderset 2; 2 left.\n");

    std::vector<std::string> expected = LayoutOf(Customers, 1);
    const std::vector<std::string> second = LayoutOf(Partners, 2);
    expected.insert(expected.end(), second.begin(), second.end());
    expected.push_back("Tracked Foldersets|Count=2");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(store.Dump(App), expected);
}

TEST_F(SettingsToolFoldersets, RemovingTheLastLeavesCountZero) {
    AddGroup(Customers);
    Run({"remove", "1"});

    EXPECT_EQ(store.Dump(App), std::vector<std::string>{"Tracked Foldersets|Count=0"});
}

TEST_F(SettingsToolFoldersets, RemoveOutsideThePositionsIsRefusedAndChangesNothing) {
    std::string message;
    EXPECT_EQ(Refusal({"remove", "1"}, &message), ToolError::Refused);
    EXPECT_NE(message.find("none is stored"), std::string::npos) << message;

    AddGroup(Customers);
    AddGroup(Suppliers);
    const auto before = store.Dump(App);
    for (const char* position : {"0", "3", "-1", "x", "1.5", "99999999999"}) {
        EXPECT_EQ(Refusal({"remove", position}, &message), ToolError::Refused) << position;
        EXPECT_EQ(store.Dump(App), before) << position;
    }
    EXPECT_EQ(Refusal({"remove", "3"}, &message), ToolError::Refused);
    EXPECT_NE(message.find("positions run from 1 to 2"), std::string::npos) << message;
}

TEST_F(SettingsToolFoldersets, ATrackedContactsFolderIsRefusedWithTheAddInsText) {
    AddGroup(Customers);
    const auto before = store.Dump(App);

    std::string message;
    EXPECT_EQ(Refusal({"add", "--mailbox", "m", std::string(Customers) + "/Contacts",
                       std::string(Suppliers) + "/Journal", std::string(Suppliers) + "/E-mails"},
                      &message),
              ToolError::Refused);
    EXPECT_EQ(
        message.rfind("A contact folder cannot be assigned to more than one tracked folderset", 0),
        0u)
        << message;
    EXPECT_NE(message.find("position 1"), std::string::npos) << message;
    EXPECT_EQ(store.Dump(App), before);
}

TEST_F(SettingsToolFoldersets, AFolderPathNotInTheMailboxIsRefusedBeforeAnythingIsWritten) {
    std::string message;
    // The last path is the wrong one: the first two must not have been written meanwhile.
    EXPECT_EQ(Refusal({"add", "--mailbox", "m", std::string(Customers) + "/Contacts",
                       std::string(Customers) + "/Journal", "Acme Public/Customers/Emails"},
                      &message),
              ToolError::Refused);
    EXPECT_EQ(message, "there is no folder \"Acme Public/Customers/Emails\" in test.json");
    EXPECT_TRUE(store.Dump(App).empty());
}

TEST_F(SettingsToolFoldersets, AddByIdentifiersTakesThemAsGivenWithoutAMailbox) {
    Run({"add-ids", "ce", "cs", "je", "js", "ee", ""});

    EXPECT_EQ(Get("Tracked Foldersets\\Contacts\\StoreID", "1"), "cs");
    // An empty StoreID is kept: the host then searches every store.
    EXPECT_EQ(Get("Tracked Foldersets\\Emails\\StoreID", "1"), "");
    EXPECT_EQ(Get("Tracked Foldersets\\Emails\\EntryID", "1"), "ee");
}

TEST_F(SettingsToolFoldersets, AddByIdentifiersRefusesEmptyEntryIDsAndIdsNotInTheMailbox) {
    std::string message;
    EXPECT_EQ(Refusal({"add-ids", "ce", "cs", "", "js", "ee", "es"}, &message), ToolError::Refused);
    EXPECT_EQ(message, "the journal folder's EntryID is empty");
    EXPECT_EQ(Refusal({"add-ids", "ce\n", "cs", "je", "js", "ee", "es"}, &message),
              ToolError::Refused);
    EXPECT_EQ(message, "the contacts folder's EntryID holds a line break");
    EXPECT_EQ(Refusal({"add-ids", "ce", "cs", "je", "js", "ee", "e\rs"}, &message),
              ToolError::Refused);
    EXPECT_EQ(message, "the e-mails folder's StoreID holds a line break");
    EXPECT_TRUE(store.Dump(App).empty());

    const FolderIds contacts = FixedMailbox::IdsOf(std::string(Customers) + "/Contacts");
    const FolderIds journal = FixedMailbox::IdsOf(std::string(Customers) + "/Journal");
    EXPECT_EQ(Refusal({"add-ids", "--mailbox", "m", contacts.EntryID, contacts.StoreID,
                       journal.EntryID, journal.StoreID, "E:nowhere", journal.StoreID},
                      &message),
              ToolError::Refused);
    EXPECT_EQ(message,
              "the e-mails folder (EntryID=E:nowhere StoreID=S:Acme Public) is not in "
              "test.json");
    EXPECT_TRUE(store.Dump(App).empty());
}

// Whichever store operation fails, a change lands whole or not at all.
TEST_F(SettingsToolFoldersets, AFailingWriteLeavesTheOldListWhole) {
    AddGroup(Customers);
    AddGroup(Suppliers);
    AddGroup(Partners);
    const MemorySettingsStore original = store;
    const auto before = store.Dump(App);
    int failures = 0;
    for (int n = 1;; ++n) {
        store = original;
        store.FailOperation(n, FailureNumber::PermissionDenied);
        try {
            Run({"remove", "1"});
            break;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.Number, FailureNumber::PermissionDenied);
        }
        ++failures;
        EXPECT_EQ(store.Dump(App), before) << "operation " << n;
    }
    // Reading three foldersets (Count and six listings), then removing the section and writing
    // Count and 12 identifiers, then reading and raising the count of saves: each of these was
    // the failing one once.
    EXPECT_EQ(failures, 7 + 14 + 2);
}

TEST_F(SettingsToolFoldersets, AStoredCountThatIsNotANumberIsReportedNotRewritten) {
    store.SaveSetting(App, Section, "Count", "two");

    std::string message;
    EXPECT_EQ(Refusal({"add-ids", "ce", "cs", "je", "js", "ee", "es"}, &message),
              ToolError::Refused);
    EXPECT_NE(message.find("\"two\", not a number"), std::string::npos) << message;
    EXPECT_EQ(Refusal({"list"}), ToolError::Refused);
    EXPECT_EQ(Get(Section, "Count"), "two");
}

}  // namespace
}  // namespace pwk::settingstool::test
