// Every host call of every button and window-hook path fails once, one run per call: no
// failure reaches the host, the windows lose their buttons when they close, and after quit
// nothing of the host is held.
#include <gtest/gtest.h>

#include <functional>

#include "sim/EscapedFailureError.h"
#include "sim/FaultInjector.h"
#include "sim/HostError.h"
#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "src/host/CommandBarControl.h"
#include "tests/support/AddinControls.h"
#include "tests/support/AddinHarness.h"

namespace pwk {
namespace {

constexpr const char* kContacts = "Public/Customers/Contacts";
constexpr const char* kInbox = "Mailbox/Inbox";

// One add-in on a host with one tracked folderset, a contact and an Inbox mail.
struct World {
    World() {
        harness.StoreSavedSettings(ComponentVersion);
        harness.StoreFoldersets(
            {{kContacts, "Public/Customers/Journal", "Public/Customers/E-mails"}});
        contact = harness.host.PutItem(kContacts, host::ItemType::Contact,
                                       {{"FullName", "Aiko Tanaka"},
                                        {"CompanyName", "Kestrel Logistics"},
                                        {"Email1Address", "aiko@kestrel.example"}});
        mail = harness.host.PutItem(kInbox, host::ItemType::Mail, {{"Subject", "Order 4471"}});
        harness.host.PutItem(
            "Mailbox/Contacts", host::ItemType::Contact,
            {{"FullName", "Aiko Tanaka"}, {"Email1Address", "aiko@kestrel.example"}});
        harness.fileUtility->QueueChoice("C:\\Docs\\contract.doc");
    }

    void StartOn(const std::string& folder) {
        explorer = harness.host.OpenExplorer(folder);
        harness.Start();
    }
    void Click(const sim::SimWindowState& window, const std::string& caption) {
        test::ClickAddedControl(harness.host, window, caption);
    }

    test::AddinHarness harness;
    std::shared_ptr<sim::SimItemState> contact;
    std::shared_ptr<sim::SimItemState> mail;
    std::shared_ptr<sim::SimExplorer> explorer;
    std::shared_ptr<sim::SimInspector> inspector;
};

struct Path {
    std::string Name;
    std::function<void(World&)> Setup;
    std::function<void(World&)> Act;
};

std::vector<Path> Paths() {
    std::vector<Path> paths;
    const auto contactsExplorer = [](World& w) {
        w.StartOn(kContacts);
        w.harness.host.Select(w.explorer, {w.contact->AsItem()});
    };
    const auto inboxExplorer = [](World& w) {
        w.StartOn(kInbox);
        w.harness.host.Select(w.explorer, {w.mail->AsItem()});
    };
    const auto contactInspector = [](World& w) {
        w.StartOn(kInbox);
        w.inspector = w.harness.host.OpenItem(w.contact->AsItem());
    };
    const auto mailInspector = [](World& w) {
        w.StartOn(kInbox);
        w.inspector = w.harness.host.OpenItem(w.mail->AsItem());
    };
    paths.push_back({"start in a tracked contacts folder",
                     [](World& w) { w.explorer = w.harness.host.OpenExplorer(kContacts); },
                     [](World& w) { w.harness.Start(); }});
    paths.push_back({"switch to the Inbox", contactsExplorer,
                     [](World& w) { w.harness.host.SwitchFolder(w.explorer, kInbox); }});
    paths.push_back({"switch to tracked contacts", inboxExplorer,
                     [](World& w) { w.harness.host.SwitchFolder(w.explorer, kContacts); }});
    paths.push_back({"select a contact", [](World& w) { w.StartOn(kContacts); },
                     [](World& w) { w.harness.host.Select(w.explorer, {w.contact->AsItem()}); }});
    paths.push_back({"select an Inbox mail", [](World& w) { w.StartOn(kInbox); },
                     [](World& w) { w.harness.host.Select(w.explorer, {w.mail->AsItem()}); }});
    for (const char* caption : {"Phone Call", "Email", "File Link", "Note", "Appointment"}) {
        paths.push_back({std::string("explorer ") + caption, contactsExplorer,
                         [caption](World& w) { w.Click(*w.explorer, caption); }});
    }
    paths.push_back({"explorer Log", inboxExplorer, [](World& w) { w.Click(*w.explorer, "Log"); }});
    paths.push_back({"contact inspector opens", [](World& w) { w.StartOn(kInbox); },
                     [](World& w) { w.harness.host.OpenItem(w.contact->AsItem()); }});
    for (const char* caption :
         {"New Phone Call to Contact", "New Email to Contact", "Link a File to Contact",
          "New Note for Contact", "New Appointment for Contact", "Phone Call", "Email", "File Link",
          "Note", "Appointment"}) {
        paths.push_back({std::string("inspector ") + caption, contactInspector,
                         [caption](World& w) { w.Click(*w.inspector, caption); }});
    }
    paths.push_back({"Inbox mail inspector opens", [](World& w) { w.StartOn(kInbox); },
                     [](World& w) { w.harness.host.OpenItem(w.mail->AsItem()); }});
    paths.push_back(
        {"inspector Log", mailInspector, [](World& w) { w.Click(*w.inspector, "Log"); }});
    paths.push_back({"appointment saved",
                     [](World& w) {
                         w.StartOn(kInbox);
                         const auto appointment = w.harness.host.ComposeAppointment("Visit");
                         w.harness.host.AddLink(appointment->AsItem(), w.contact->AsItem());
                         w.mail = appointment;  // the item to save
                     },
                     [](World& w) { w.harness.host.Save(w.mail->AsItem()); }});
    paths.push_back({"contact inspector closes", contactInspector,
                     [](World& w) { w.harness.host.Close(w.inspector); }});
    paths.push_back({"explorer closes",
                     [](World& w) {
                         w.StartOn(kContacts);
                         w.harness.host.OpenExplorer(kInbox);
                     },
                     [](World& w) { w.harness.host.Close(w.explorer); }});
    // The options page hands settings back; a failure of the rebuild goes back to the page.
    paths.push_back({"settings change", contactInspector, [](World& w) {
                         auto live = w.harness.App()->theRegSettings();
                         auto edited = std::make_shared<RegSettings>(w.harness.component);
                         try {
                             edited->UpdateFrom(live, w.harness.host.Application());
                             live->UpdateFrom(edited, w.harness.host.Application());
                         } catch (const Failure&) {
                         }
                     }});
    paths.push_back({"quit", contactInspector, [](World& w) { w.harness.host.Quit(); }});
    return paths;
}

// Runs a path with the n-th host call of its action failing (none when 0); returns the number
// of host calls the action made.
std::int64_t RunPath(const Path& path, std::int64_t failing) {
    World world;
    path.Setup(world);
    auto& faults = world.harness.host.Faults();
    faults.StartLog();
    if (failing > 0) {
        faults.FailNthCall(failing, sim::HostError::OperationFailed);
    }
    EXPECT_NO_THROW(path.Act(world)) << path.Name << ", call " << failing;
    const auto calls = static_cast<std::int64_t>(faults.TakeLog().size());
    faults.Clear();
    world.inspector.reset();
    world.explorer.reset();
    if (world.harness.host.Running()) {
        EXPECT_NO_THROW(world.harness.host.Quit()) << path.Name << ", call " << failing;
    }
    // What the closed windows leave to the next ones holds none of the add-in's buttons.
    const std::function<void(const std::vector<sim::ControlSpec>&)> check =
        [&](const std::vector<sim::ControlSpec>& controls) {
            for (const auto& control : controls) {
                EXPECT_NE(control.OnAction, "<!Wickline.Connect>")
                    << path.Name << ", call " << failing << ": " << control.Caption;
                check(control.Controls);
            }
        };
    for (const auto* layout :
         {&world.harness.host.ExplorerLayout(), &world.harness.host.InspectorLayout()}) {
        for (const auto& bar : layout->Bars) {
            check(bar.Controls);
        }
    }
    world.contact.reset();
    world.mail.reset();
    for (const auto& held : world.harness.host.HeldObjects()) {
        ADD_FAILURE() << path.Name << ", call " << failing << ": holds " << held.Type << " "
                      << held.Name;
    }
    return calls;
}

TEST(ButtonFaultSweep, EveryHostCallOfEveryButtonAndHookPathFailsOnce) {
    std::int64_t runs = 0;
    for (const Path& path : Paths()) {
        const std::int64_t calls = RunPath(path, 0);
        ASSERT_GT(calls, 0) << path.Name;
        for (std::int64_t n = 1; n <= calls; ++n) {
            RunPath(path, n);
            ++runs;
        }
        if (HasFailure()) {
            break;
        }
    }
    RecordProperty("runs", std::to_string(runs));
    std::cout << "fault sweep: " << runs << " runs\n";
}

}  // namespace
}  // namespace pwk
