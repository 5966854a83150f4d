// The button set and its buttons on the simulated host's windows, driven by a recording
// application object: placement, tags, states, clicks and removal. The tooltips naming the
// contact, the e-mail button without the host's command and an explorer hooked again once its
// bar exists are in explorer-buttons, inspector-buttons, contact-actions and
// explorer-retry.scenario.
#include <gtest/gtest.h>

#include "sim/SimCommandBar.h"
#include "sim/SimCommandBars.h"
#include "sim/SimControlState.h"
#include "sim/SimPopup.h"
#include "src/component/Component.h"
#include "src/hooks/HookedButton.h"
#include "src/hooks/HookedButtonSet.h"
#include "src/host/CommandBarButton.h"
#include "src/host/CommandBarPopup.h"
#include "tests/hooks/RecordingHookOwner.h"
#include "tests/sim/SimTestMailbox.h"
#include "tests/support/AddinControls.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/NullPlatform.h"

namespace pwk {
namespace {

using Texts = std::vector<std::string>;

// Keeps every activity text in the call list, to see the order of removals.
class ActivityLibrary : public test::FakeErrorLibrary {
  public:
    void SetActivity(const std::string& text) override { calls.push_back("activity " + text); }
};

struct Control {
    std::string Caption, Tag, Parameter, OnAction, Tooltip;
    bool BeginGroup, Visible, Enabled;
};

class ButtonSetTest : public ::testing::Test {
  protected:
    ButtonSetTest() {
        component.SetErrorObject(library);
        sim::test::FillMailbox(host);
        aiko = sim::test::PutContact(host, "Aiko Tanaka", "aiko@kestrel.example");
        ben = sim::test::PutContact(host, "Ben Okafor", "ben@kestrel.example");
        owner->nameSpace = host.Application()->GetNamespace("MAPI");
    }

    std::shared_ptr<HookedButtonSet> Hook(const Ref<host::HostObject>& window) {
        auto set = std::make_shared<HookedButtonSet>(component);
        set->HookWindow(window, owner, owner->progId);
        return set;
    }
    static sim::SimCommandBar& Bar(const sim::SimWindowState& window, const std::string& name) {
        return *window.Bars().Bar(name);
    }
    static sim::SimCommandBar& Menu(const sim::SimWindowState& window) {
        for (const auto& control : Bar(window, "Menu Bar").ControlList()) {
            if (control->Spec.Caption == "Actions") {
                return std::dynamic_pointer_cast<sim::SimPopup>(control.get())->Menu();
            }
        }
        throw std::logic_error("no Actions menu");
    }
    static std::vector<Control> Controls(const sim::SimCommandBar& bar) {
        std::vector<Control> controls;
        for (const auto& c : bar.ControlList()) {
            const auto& s = c->Spec;
            controls.push_back({s.Caption, s.Tag, s.Parameter, s.OnAction, s.TooltipText,
                                s.BeginGroup, s.Visible, s.Enabled});
        }
        return controls;
    }
    static Texts Captions(const std::vector<Control>& controls, bool visibleOnly = false) {
        Texts captions;
        for (const auto& c : controls) {
            if (!visibleOnly || c.Visible) {
                captions.push_back(c.Caption);
            }
        }
        return captions;
    }
    static Texts Ours(const sim::SimCommandBar& bar, bool visibleOnly = false) {
        std::vector<Control> ours;
        for (const auto& c : Controls(bar)) {
            if (c.OnAction == "<!Wickline.Connect>") {
                ours.push_back(c);
            }
        }
        return Captions(ours, visibleOnly);
    }
    void ClickOn(const sim::SimWindowState& window, const std::string& caption) {
        test::ClickAddedControl(host, window, caption);
    }
    void Select(const std::shared_ptr<sim::SimExplorer>& explorer,
                std::vector<std::shared_ptr<sim::SimItemState>> items) {
        std::vector<Ref<host::Item>> selection;
        for (const auto& item : items) {
            selection.push_back(item->AsItem());
        }
        host.Select(explorer, selection);
    }

    test::NullPlatform platform;
    std::shared_ptr<ActivityLibrary> library = std::make_shared<ActivityLibrary>();
    Component component{platform};
    sim::SimHost host;
    std::shared_ptr<test::RecordingHookOwner> owner =
        std::make_shared<test::RecordingHookOwner>(component);
    std::shared_ptr<sim::SimItemState> aiko, ben;
};

TEST_F(ButtonSetTest, ExplorerButtonsStandBeforeTheLastControlTaggedWithTheSetSerial) {
    const auto explorer = host.OpenExplorer(sim::test::PublicContacts);
    const auto set = Hook(explorer);
    const auto second = Hook(host.OpenExplorer(sim::test::PublicContacts));

    const auto controls = Controls(Bar(*explorer, "Standard"));
    const Texts captions = Captions(controls);
    EXPECT_EQ(Texts(captions.end() - 7, captions.end()),
              (Texts{"Phone Call", "Email", "File Link", "Note", "Appointment", "Log", "Help"}));
    const Control& phone = controls[controls.size() - 7];
    EXPECT_EQ(phone.Tag, "ACTION_PhoneCall0");
    EXPECT_EQ(phone.Parameter, "ACTION_PhoneCall0");
    EXPECT_EQ(phone.OnAction, "<!Wickline.Connect>");
    EXPECT_TRUE(phone.BeginGroup);
    EXPECT_FALSE(controls[controls.size() - 6].BeginGroup);
    EXPECT_EQ(controls[controls.size() - 2].Tag, "ACTION_LogIncoming0");
    EXPECT_EQ(set->Buttons.size(), 6u);
    EXPECT_EQ(set->OwnerExplorer(), Ref<host::Explorer>(explorer));
    EXPECT_FALSE(set->OwnerInspector());
    EXPECT_EQ(second->SetSerial(), 1);
    EXPECT_EQ(second->Buttons[1]->CommandBarButton()->Tag(), "ACTION_Email1");
}

TEST_F(ButtonSetTest, InspectorGetsActionsMenuItemsOnTopAndToolbarButtonsLast) {
    const auto inspector = host.OpenItem(aiko->AsItem());
    const auto set = Hook(inspector);

    const auto menu = Controls(Menu(*inspector));
    EXPECT_EQ(Captions(menu),
              (Texts{"New Phone Call to Contact", "New Email to Contact", "Link a File to Contact",
                     "New Note for Contact", "New Appointment for Contact", "New Mail &Message",
                     "&Forward"}));
    EXPECT_TRUE(menu[4].BeginGroup);
    EXPECT_EQ(menu[0].Tag, "ACTION_PhoneCall0");
    const Texts toolbar = Captions(Controls(Bar(*inspector, "Standard")));
    EXPECT_EQ(Texts(toolbar.end() - 6, toolbar.end()),
              (Texts{"Help", "Phone Call", "Email", "File Link", "Note", "Appointment"}));
    EXPECT_EQ(set->Buttons.size(), 10u);
    EXPECT_EQ(set->OwnerInspector(), Ref<host::Inspector>(inspector));

    // Without the menu the toolbar buttons still come; without the toolbar the menu items.
    auto& layout = host.InspectorLayout();
    auto& menuBar = layout.Bars[0].Controls;
    std::erase_if(menuBar, [](const sim::ControlSpec& c) { return c.Caption == "Actions"; });
    EXPECT_EQ(Hook(host.OpenItem(ben->AsItem()))->Buttons.size(), 5u);
    layout = sim::CommandBarLayout::DefaultInspector();
    std::erase_if(layout.Bars, [](const sim::BarSpec& b) { return b.Name == "Standard"; });
    const auto contact = host.PutItem(sim::test::PublicContacts, host::ItemType::Contact, {});
    const auto menuOnly = host.OpenItem(contact->AsItem());
    EXPECT_EQ(Hook(menuOnly)->Buttons.size(), 5u);
    EXPECT_EQ(Ours(Menu(*menuOnly)).size(), 5u);
}

TEST_F(ButtonSetTest, ControlLeftWithTheBareTagIsAdoptedUnchanged) {
    sim::ControlSpec leftOver;
    leftOver.Caption = "Old Phone";
    leftOver.Tag = "ACTION_PhoneCall";
    leftOver.OnAction = "<!Old.Connect>";
    auto& standard = host.ExplorerLayout().Bars[1].Controls;
    standard.insert(standard.begin(), leftOver);
    const auto explorer = host.OpenExplorer(sim::test::PublicContacts);
    const auto set = Hook(explorer);

    const auto controls = Controls(Bar(*explorer, "Standard"));
    EXPECT_EQ(controls[0].Caption, "Old Phone");
    EXPECT_EQ(controls[0].Tag, "ACTION_PhoneCall0");
    EXPECT_EQ(controls[0].OnAction, "<!Old.Connect>");
    EXPECT_EQ(Ours(Bar(*explorer, "Standard")),
              (Texts{"Email", "File Link", "Note", "Appointment", "Log"}));
    EXPECT_EQ(set->Buttons[0]->CommandBarButton()->Caption(), "Old Phone");
}

TEST_F(ButtonSetTest, ModeChoosesTheButtonsVisibleShowsAndModeNeverShows) {
    const auto explorer = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    const auto set = Hook(explorer);
    const auto& bar = Bar(*explorer, "Standard");

    set->SetVisible(false);
    set->SetMode(1);
    EXPECT_TRUE(Ours(bar, true).empty());
    set->SetVisible(true);
    EXPECT_EQ(Ours(bar, true), Texts{"Log"});
    set->SetMode(0);
    EXPECT_TRUE(Ours(bar, true).empty());
    set->SetVisible(true);
    EXPECT_EQ(Ours(bar, true), (Texts{"Phone Call", "Email", "File Link", "Note", "Appointment"}));
    set->SetMode(2);
    set->SetVisible(true);
    EXPECT_TRUE(Ours(bar, true).empty());
    EXPECT_EQ(set->Mode(), 2);
    // The mode assignment reports neither entry nor exit.
    for (const auto& call : library->calls) {
        EXPECT_EQ(call.find("Mode [Let]"), std::string::npos) << call;
    }
    set->SetEnabled(false);
    for (const auto& c : Controls(bar)) {
        EXPECT_EQ(c.Enabled, c.OnAction.empty()) << c.Caption;
    }
}

TEST_F(ButtonSetTest, KillRemovesTheButtonsLastFirstNamingEachAndItsBar) {
    const auto inspector = host.OpenItem(aiko->AsItem());
    const auto set = Hook(inspector);
    library->calls.clear();
    set->Kill();

    Texts activities;
    for (const auto& call : library->calls) {
        if (call.rfind("activity ", 0) == 0) {
            activities.push_back(call.substr(9));
        }
    }
    ASSERT_EQ(activities.size(), 10u);
    EXPECT_EQ(activities.front(),
              "Unable to remove the Appointment button from the Standard "
              "CommmandBar.");
    EXPECT_EQ(activities.back(),
              "Unable to remove the New Appointment for Contact button from "
              "the Actions CommmandBar.");
    EXPECT_TRUE(Ours(Bar(*inspector, "Standard")).empty());
    EXPECT_TRUE(Ours(Menu(*inspector)).empty());
    EXPECT_TRUE(set->Buttons.empty());
}

TEST_F(ButtonSetTest, FailedDeleteIsReportedInAnInspectorAndHiddenInAnExplorer) {
    const auto inspector = host.OpenItem(aiko->AsItem());
    const auto explorer = host.OpenExplorer(sim::test::PublicContacts);
    const auto inInspector = Hook(inspector);
    const auto inExplorer = Hook(explorer);
    host.Faults().FailMember("CommandBarButton.Delete", 5);
    library->calls.clear();

    inInspector->Kill();
    inExplorer->Kill();
    int reports = 0;
    for (const auto& call : library->calls) {
        reports += call.rfind("handle 5 HookedButton.Kill b4 s1", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(reports, 10);  // every inspector button, none of the explorer's
    EXPECT_EQ(Ours(Bar(*inspector, "Standard")).size(), 5u);
    EXPECT_EQ(Ours(Bar(*explorer, "Standard")).size(), 6u);
    EXPECT_TRUE(Ours(Bar(*explorer, "Standard"), true).empty());
}

TEST_F(ButtonSetTest, ClickHandsTheOneSelectedContactOrMailToItsAction) {
    const auto explorer = host.OpenExplorer(sim::test::PublicContacts);
    const auto set = Hook(explorer);
    ClickOn(*explorer, "Phone Call");  // nothing selected
    Select(explorer, {aiko, ben});
    ClickOn(*explorer, "Note");
    Select(explorer, {aiko});
    for (const char* caption : {"Phone Call", "File Link", "Note", "Appointment", "Log"}) {
        ClickOn(*explorer, caption);
    }
    EXPECT_EQ(owner->calls, (Texts{"NewPhoneCall Aiko Tanaka", "NewFileLink Aiko Tanaka",
                                   "NewJournalEntry Aiko Tanaka", "NewAppointment Aiko Tanaka"}));

    // The e-mail button runs the host's own command when the bar has it.
    owner->calls.clear();
    ClickOn(*explorer, "Email");
    EXPECT_TRUE(owner->calls.empty());
    ASSERT_FALSE(host.CommandsRun().empty());
    EXPECT_EQ(host.CommandsRun().back().Id, 1978);

    const auto inbox = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    const auto inboxSet = Hook(inbox);
    const auto mail = host.PutItem("Mailbox - Pat Jones/Inbox", host::ItemType::Mail,
                                   {{"Subject", "Invoice 42"}});
    Select(inbox, {mail});
    ClickOn(*inbox, "Log");
    ClickOn(*inbox, "Phone Call");
    EXPECT_EQ(owner->calls, Texts{"LogIncoming Invoice 42"});
}

TEST_F(ButtonSetTest, WindowsOtherThanExplorersAndInspectorsAreRefused) {
    const Ref<host::HostObject> folder = host.Folder(sim::test::PublicContacts);
    const auto set = std::make_shared<HookedButtonSet>(component);
    EXPECT_THROW(set->HookWindow(folder, owner, owner->progId), Failure);
    HookedButton button(component);
    EXPECT_THROW(button.Initialize(owner, ACTION_JournalEntry, nullptr, folder), Failure);
    EXPECT_EQ(library->calls.back(), "errorexit 4");
    EXPECT_NE(std::find(library->calls.begin(), library->calls.end(),
                        "handle 5 HookedButtonSet.HookWindow b1 s2 f1"),
              library->calls.end());
}

}  // namespace
}  // namespace pwk
