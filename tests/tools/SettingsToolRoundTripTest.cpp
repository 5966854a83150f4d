#include <memory>
#include <string>

#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "src/component/Component.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/tools/SettingsToolFixture.h"

namespace pwk::settingstool::test {
namespace {

// What the tool writes, read by the add-in's own settings object (and the other way round),
// on a simulated host whose folders carry the identifiers of the tool's mailbox.
class SettingsToolRoundTrip : public SettingsToolFixture {
  protected:
    SettingsToolRoundTrip() {
        component.SetErrorObject(errors);
        host.Mailbox().AddStore("Acme Public", FixedMailbox::IdsOf("Acme Public").StoreID);
        for (const char* group : {"Customers", "Suppliers", "Partners"}) {
            host.AddFolder("Acme Public", group, host::ItemType::Mail);
        }
        for (const std::string& path : mailbox.Paths()) {
            const auto slash = path.rfind('/');
            host.AddFolder(path.substr(0, slash), path.substr(slash + 1), host::ItemType::Contact)
                ->SetEntryId(FixedMailbox::IdsOf(path).EntryID);
        }
    }

    // A new settings object, loaded as the add-in loads it at start-up.
    std::shared_ptr<RegSettings> AddInRead() {
        auto settings = std::make_shared<RegSettings>(component);
        settings->ReadReg(application);
        return settings;
    }

    // The path of a folder on the host.
    static std::string PathOf(const std::shared_ptr<host::MAPIFolder>& folder) {
        return std::dynamic_pointer_cast<sim::SimFolder>(folder)->Path();
    }
    // The contacts folder of the folderset at `position`.
    std::string ContactsAt(RegSettings& settings, std::int32_t position) {
        return PathOf(settings.TrackedFoldersets()->Item(position)->ContactMAPIFolder(nameSpace));
    }

    std::shared_ptr<pwk::test::FakeErrorLibrary> errors =
        std::make_shared<pwk::test::FakeErrorLibrary>();
    Component component{platform};
    sim::SimHost host;
    std::shared_ptr<host::Application> application = host.Application();
    std::shared_ptr<host::NameSpace> nameSpace = application->GetNamespace("MAPI");
};

TEST_F(SettingsToolRoundTrip, TheAddInReadsBackEverythingTheToolWrote) {
    AddGroup(Customers);
    Run({"add", "--mailbox", "m", std::string(Suppliers) + "/Contacts",
         std::string(Partners) + "/Journal", std::string(Customers) + "/E-mails"});
    // Every switch away from the value the add-in assumes when nothing is stored.
    Run({"set", "TrackUnlinkedEmail", "false"});
    Run({"set", "JournalEmails", "true"});
    Run({"set", "SaveLinksByRef", "true"});
    Run({"set", "TrackAppointments", "false"});
    Run({"set", "UseSentMailFolder", "false"});
    Run({"set", "LogLevel", "-4"});

    const auto settings = AddInRead();

    EXPECT_EQ(settings->LogLevel(), -4);
    EXPECT_FALSE(settings->TrackUnlinkedEmail());
    EXPECT_TRUE(settings->JournalEmails());
    EXPECT_TRUE(settings->SaveLinksByRef());
    EXPECT_FALSE(settings->TrackAppointments());
    EXPECT_FALSE(settings->UseSentMailFolder());
    ASSERT_EQ(settings->TrackedFoldersets()->Count(), 2);
    EXPECT_EQ(ContactsAt(*settings, 1), "Acme Public/Customers/Contacts");
    EXPECT_EQ(ContactsAt(*settings, 2), "Acme Public/Suppliers/Contacts");
    auto second = settings->TrackedFoldersets()->Item(2);
    EXPECT_EQ(PathOf(second->JournMAPIFolder(nameSpace)), "Acme Public/Partners/Journal");
    EXPECT_EQ(PathOf(second->EmailMAPIFolder(nameSpace)), "Acme Public/Customers/E-mails");
    EXPECT_TRUE(errors->logLines.empty()) << errors->logLines.front();
    // The tool records no save of the add-in: the next start is still a first run.
    EXPECT_TRUE(settings->FirstRun());
    EXPECT_EQ(settings->PrevRunVersionMajor(), 0);
}

TEST_F(SettingsToolRoundTrip, TheToolChangesWhatTheAddInSavedAndKeepsItsRecordOfTheSave) {
    auto saved = std::make_shared<RegSettings>(component);
    saved->ReadReg(application);
    for (const char* group : {Customers, Suppliers}) {
        const std::string base(group);
        const FolderIds c = FixedMailbox::IdsOf(base + "/Contacts");
        const FolderIds j = FixedMailbox::IdsOf(base + "/Journal");
        const FolderIds e = FixedMailbox::IdsOf(base + "/E-mails");
        ASSERT_TRUE(saved->TrackedFoldersets()->AddByIDs(c.EntryID, c.StoreID, j.EntryID, j.StoreID,
                                                         e.EntryID, e.StoreID, nameSpace));
    }
    saved->SaveReg(application);

    EXPECT_NE(Run({"list", "--mailbox", "m"})
                  .find("2  contacts EntryID=E:Acme Public/Suppliers/"
                        "Contacts StoreID=S:Acme Public  Acme Public/"
                        "Suppliers/Contacts\n"),
              std::string::npos);
    Run({"remove", "1"});
    Run({"set", "JournalEmails", "true"});
    Run({"set", "LogPath", "/var/log/parleywick"});

    const auto settings = AddInRead();
    ASSERT_EQ(settings->TrackedFoldersets()->Count(), 1);
    EXPECT_EQ(ContactsAt(*settings, 1), "Acme Public/Suppliers/Contacts");
    EXPECT_TRUE(settings->JournalEmails());
    EXPECT_FALSE(settings->FirstRun());
    EXPECT_FALSE(settings->JustUpgraded());
    // The log location set by the tool is where the add-in's own save looks for it.
    settings->SaveReg(application);
    EXPECT_EQ(Get("Logging", "LogPath"), "/var/log/parleywick");
}

}  // namespace
}  // namespace pwk::settingstool::test
