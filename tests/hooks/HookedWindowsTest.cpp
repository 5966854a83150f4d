// The window hooks on the simulated host with a recording application object: the default
// Inbox is known by both its identifiers, and a selection in a folder that cannot be asked
// leaves the buttons disabled without a report.
#include <gtest/gtest.h>

#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "src/component/Component.h"
#include "src/hooks/HookedExplorer.h"
#include "src/hooks/HookedInspector.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tests/hooks/RecordingHookOwner.h"
#include "tests/sim/SimTestMailbox.h"
#include "tests/support/AddinControls.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/NullPlatform.h"

namespace pwk {
namespace {

constexpr const char* kInbox = "Mailbox - Pat Jones/Inbox";
constexpr const char* kLookAlike = "Acme Public/Customers/E-mails";

class HookedWindowsTest : public ::testing::Test {
  protected:
    HookedWindowsTest() {
        component.SetErrorObject(library);
        sim::test::FillMailbox(host);
        owner->nameSpace = host.Application()->GetNamespace("MAPI");
        // A folder of another store that carries the Inbox's EntryID text.
        host.Folder(kLookAlike)->SetEntryId(host.Folder(kInbox)->EntryId());
    }

    std::shared_ptr<HookedExplorer> HookExplorer(const std::shared_ptr<sim::SimExplorer>& window) {
        auto hook = std::make_shared<HookedExplorer>(component);
        hook->Initialize(host.Application(), owner, window, "1");
        return hook;
    }
    std::shared_ptr<HookedInspector> HookInspector(
        const std::shared_ptr<sim::SimInspector>& window) {
        auto hook = std::make_shared<HookedInspector>(component);
        hook->Initialize(host.Application(), owner, window, "1");
        return hook;
    }
    // The owner's settings track the public customers' folderset.
    void TrackPublicCustomers() {
        const auto folder = [&](const char* name) {
            return host.Folder(std::string("Acme Public/Customers/") + name);
        };
        owner->settings = std::make_shared<RegSettings>(component);
        owner->settings->SetTrackedFoldersets(std::make_shared<TrackedFoldersets>(component));
        ASSERT_TRUE(owner->settings->TrackedFoldersets()->AddByIDs(
            folder("Contacts")->EntryId(), folder("Contacts")->StoreId(),
            folder("Journal")->EntryId(), folder("Journal")->StoreId(),
            folder("E-mails")->EntryId(), folder("E-mails")->StoreId(), owner->nameSpace));
    }
    // The state of our control of that caption: "shown enabled", "hidden disabled"..., or
    // "none".
    static std::string State(const sim::SimWindowState& window, const std::string& caption) {
        const auto control = test::AddedControl(window, caption);
        if (!control) {
            return "none";
        }
        return std::string(control->Spec.Visible ? "shown" : "hidden") +
               (control->Spec.Enabled ? " enabled" : " disabled");
    }
    std::shared_ptr<host::Item> PutMail(const std::string& folder) {
        return host.PutItem(folder, host::ItemType::Mail, {{"Subject", "Invoice 42"}})->AsItem();
    }

    test::NullPlatform platform;
    std::shared_ptr<test::FakeErrorLibrary> library = std::make_shared<test::FakeErrorLibrary>();
    Component component{platform};
    sim::SimHost host;
    std::shared_ptr<test::RecordingHookOwner> owner =
        std::make_shared<test::RecordingHookOwner>(component);
};

TEST_F(HookedWindowsTest, InboxIsKnownByEntryIdAndStoreIdTogether) {
    const auto inboxMail = PutMail(kInbox);
    const auto filedMail = PutMail(kLookAlike);
    const auto inbox = host.OpenExplorer(kInbox);
    const auto lookAlike = host.OpenExplorer(kLookAlike);
    const auto inboxHook = HookExplorer(inbox);
    const auto lookAlikeHook = HookExplorer(lookAlike);
    host.Select(inbox, {inboxMail});
    host.Select(lookAlike, {filedMail});
    EXPECT_EQ(State(*inbox, "Log"), "shown enabled");
    EXPECT_EQ(State(*lookAlike, "Log"), "hidden disabled");

    const auto inboxInspector = host.OpenItem(inboxMail);
    const auto inboxInspectorHook = HookInspector(inboxInspector);
    const auto filedInspector = host.OpenItem(filedMail);
    const auto filedInspectorHook = HookInspector(filedInspector);
    EXPECT_EQ(State(*inboxInspector, "Log"), "shown enabled");
    EXPECT_EQ(State(*filedInspector, "Log"), "none");
}

TEST_F(HookedWindowsTest, SelectionInAFolderThatCannotBeAskedEndsQuietlyWithButtonsDisabled) {
    const auto mail = PutMail(kInbox);
    const auto inbox = host.OpenExplorer(kInbox);
    const auto hook = HookExplorer(inbox);
    host.Faults().FailMember("MAPIFolder.Parent", 5);
    library->calls.clear();
    host.Select(inbox, {mail});

    EXPECT_EQ(State(*inbox, "Log"), "shown disabled");
    for (const auto& call : library->calls) {
        EXPECT_EQ(call.rfind("handle", 0), std::string::npos) << call;
    }
    EXPECT_EQ(library->calls.back(), "exit HookedExplorer.MyExplorer_SelectionChange");
}

TEST_F(HookedWindowsTest, KilledHooksLeaveNoButtonAndHoldNothing) {
    auto contacts = host.OpenExplorer(sim::test::PublicContacts);
    TrackPublicCustomers();
    auto contact = sim::test::PutContact(host, "Aiko Tanaka", "aiko@kestrel.example");
    auto inspector = host.OpenItem(contact->AsItem());
    const auto explorerHook = HookExplorer(contacts);
    const auto inspectorHook = HookInspector(inspector);
    EXPECT_EQ(State(*contacts, "Phone Call"), "shown enabled");
    EXPECT_EQ(State(*inspector, "New Note for Contact"), "shown enabled");

    explorerHook->Kill();
    inspectorHook->Kill();
    EXPECT_EQ(State(*contacts, "Phone Call"), "none");
    EXPECT_EQ(State(*inspector, "Phone Call"), "none");
    EXPECT_EQ(State(*inspector, "New Note for Contact"), "none");
    host.Close(inspector);
    host.Close(contacts);
    EXPECT_TRUE(owner->calls.empty());  // killed hooks hear no close
    owner->nameSpace.reset();
    contacts.reset();
    inspector.reset();
    contact.reset();
    for (const auto& held : host.HeldObjects()) {
        ADD_FAILURE() << held.Type << " " << held.Name;
    }
}

}  // namespace
}  // namespace pwk
