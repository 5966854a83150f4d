#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/HostError.h"
#include "src/host/CommandBarButton.h"
#include "src/host/CommandBarPopup.h"
#include "src/host/Inspector.h"
#include "src/host/Items.h"
#include "src/util/Ref.h"
#include "tests/sim/SimTestMailbox.h"

namespace pwk::sim {
namespace {

using test::FailureOf;

std::vector<std::string> Captions(const std::shared_ptr<host::CommandBarControls>& controls) {
    std::vector<std::string> captions;
    for (std::int32_t i = 1; i <= controls->Count(); ++i) {
        captions.push_back(controls->Item(i)->Caption());
    }
    return captions;
}

class SimCommandBarsTest : public ::testing::Test {
  protected:
    SimCommandBarsTest() {
        test::FillMailbox(host);
        explorer = host.OpenExplorer(test::PublicContacts);
        bar = explorer->GetCommandBars()->Item("Standard");
    }

    std::shared_ptr<host::CommandBarControl> AddButton(const std::string& caption,
                                                       bool temporary = true) {
        auto button =
            bar->Controls()->Add(host::ControlType::Button, std::nullopt, "", {}, temporary);
        button->SetCaption(caption);
        return button;
    }

    SimHost host;
    std::shared_ptr<SimExplorer> explorer;
    std::shared_ptr<host::CommandBar> bar;
};

TEST_F(SimCommandBarsTest, ControlsAreAddedAtTheEndOrBeforeAPosition) {
    const auto before = Captions(bar->Controls());
    AddButton("Last");
    auto first = bar->Controls()->Add(host::ControlType::Button, std::nullopt, "p", 1, true);
    first->SetCaption("First");

    auto captions = Captions(bar->Controls());
    EXPECT_EQ(captions.front(), "First");
    EXPECT_EQ(captions.back(), "Last");
    EXPECT_EQ(captions.size(), before.size() + 2);
    EXPECT_EQ(first->Parameter(), "p");
    EXPECT_EQ(first->Id(), 1);
    EXPECT_EQ(FailureOf([&] { bar->Controls()->Add(host::ControlType::Button, {}, "", 0, true); }),
              5);
    EXPECT_EQ(FailureOf([&] { bar->Controls()->Add(host::ControlType::Button, {}, "", 99, true); }),
              5);
    EXPECT_EQ(FailureOf([&] { bar->Controls()->Add(3, {}, "", {}, true); }), 5);
}

TEST_F(SimCommandBarsTest, MoveBeforeCountMinusOnePutsButtonsInCallOrderBeforeTheLastControl) {
    const auto original = Captions(bar->Controls());
    for (const char* caption : {"A", "B", "C"}) {
        auto button = AddButton(caption);
        button->Move(nullptr, bar->Controls()->Count() - 1);
    }

    auto captions = Captions(bar->Controls());
    const std::size_t n = captions.size();
    EXPECT_EQ((std::vector<std::string>{captions[n - 4], captions[n - 3], captions[n - 2]}),
              (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(captions.back(), original.back());
}

TEST_F(SimCommandBarsTest, MoveBeforeItsOwnPositionOrTheCountLeavesALastButtonLast) {
    auto button = AddButton("Mine");
    button->Move(nullptr, bar->Controls()->Count());
    EXPECT_EQ(Captions(bar->Controls()).back(), "Mine");

    button->Move(nullptr, 1);
    EXPECT_EQ(Captions(bar->Controls()).front(), "Mine");
    button->Move(nullptr, 3);  // before the control now at 3: it lands at 2
    EXPECT_EQ(Captions(bar->Controls())[1], "Mine");
    button->Move();
    EXPECT_EQ(Captions(bar->Controls()).back(), "Mine");
    EXPECT_EQ(FailureOf([&] { button->Move(nullptr, 0); }), 5);
}

TEST_F(SimCommandBarsTest, MenuItemsMovedToTheTopReadInReverseOrderOfAdding) {
    auto menu = As<host::CommandBarPopup>(
        explorer->GetCommandBars()->Item("Menu Bar")->Controls()->Item("Actions"));
    const auto own = Captions(menu->Controls());
    for (const char* caption : {"3", "2", "1"}) {
        auto item = menu->Controls()->Add(host::ControlType::Button, {}, "", {}, true);
        item->SetCaption(caption);
        item->Move(nullptr, 1);
    }

    auto captions = Captions(menu->Controls());
    EXPECT_EQ((std::vector<std::string>(captions.begin(), captions.begin() + 3)),
              (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(captions.size(), own.size() + 3);
    auto parent = As<host::CommandBar>(menu->Controls()->Item(1)->Parent());
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->Name(), "Actions");
}

TEST_F(SimCommandBarsTest, FindControlSearchesMenusOnlyWhenRecursive) {
    host::FindControlQuery byId;
    byId.Id = CommandBarLayout::NewMessageToContact;
    EXPECT_EQ(bar->FindControl(byId), nullptr);

    byId.Recursive = true;
    auto found = bar->FindControl(byId);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Caption(), "Message to Contact");
}

TEST_F(SimCommandBarsTest, FindControlMatchesTheWholeTagAndEveryCriterion) {
    auto first = AddButton("one");
    first->SetTag("ACTION_PhoneCall0");
    auto second = AddButton("two");
    second->SetTag("ACTION_PhoneCall");
    host::FindControlQuery query;
    query.Tag = "ACTION_PhoneCall";

    EXPECT_EQ(bar->FindControl(query), second);
    second->SetVisible(false);
    query.Visible = true;
    EXPECT_EQ(bar->FindControl(query), nullptr);
    query.Tag = "action_phonecall0";
    query.Visible.reset();
    EXPECT_EQ(bar->FindControl(query), nullptr);
}

TEST_F(SimCommandBarsTest, ADeletedControlFailsEveryMember) {
    auto button = As<host::CommandBarButton>(AddButton("Gone"));
    const auto count = bar->Controls()->Count();
    button->Delete(true);

    EXPECT_EQ(bar->Controls()->Count(), count - 1);
    const std::vector<std::function<void()>> members = {
        [&] { button->Caption(); },  [&] { button->SetCaption("x"); },
        [&] { button->Tag(); },      [&] { button->SetVisible(true); },
        [&] { button->Enabled(); },  [&] { button->Move(); },
        [&] { button->Delete(); },   [&] { button->Execute(); },
        [&] { button->Parent(); },   [&] { button->TooltipText(); },
        [&] { button->OnAction(); }, [&] { button->BeginGroup(); },
    };
    for (const auto& member : members) {
        EXPECT_EQ(FailureOf(member), HostError::OperationFailed);
    }
}

TEST_F(SimCommandBarsTest, TemporaryControlsGoWithTheWindowAndOthersStayForTheNextWindow) {
    auto kept = AddButton("Kept", false);
    kept->SetTag("KEPT");
    auto temporary = AddButton("Temporary");
    temporary->SetTag("TEMP");
    host.OpenExplorer(test::PublicContacts);  // keeps the host running

    host.Close(explorer);
    auto next = host.OpenExplorer(test::PublicContacts);
    auto nextBar = next->GetCommandBars()->Item("Standard");

    EXPECT_EQ(FailureOf([&] { temporary->Caption(); }), HostError::OperationFailed);
    host::FindControlQuery query;
    query.Tag = "TEMP";
    EXPECT_EQ(nextBar->FindControl(query), nullptr);
    query.Tag = "KEPT";
    auto found = nextBar->FindControl(query);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Caption(), "Kept");
    EXPECT_NE(found, kept);
}

TEST_F(SimCommandBarsTest, AClickReachesEveryButtonWithTheSameTag) {
    struct Sink : host::CommandBarButtonEvents {
        int clicks = 0;
        void Click(const Ref<host::CommandBarButton>&, bool&) override { ++clicks; }
    } a, b, c;
    auto other = host.OpenExplorer(test::PublicContacts);
    auto otherBar = other->GetCommandBars()->Item("Standard");
    auto mine = As<host::CommandBarButton>(AddButton("A"));
    auto twin = As<host::CommandBarButton>(
        otherBar->Controls()->Add(host::ControlType::Button, {}, "", {}, true));
    auto stranger = As<host::CommandBarButton>(AddButton("C"));
    mine->SetTag("T");
    twin->SetTag("T");
    stranger->SetTag("U");
    auto c1 = mine->Advise(a);
    auto c2 = twin->Advise(b);
    auto c3 = stranger->Advise(c);

    host.Click(mine);

    EXPECT_EQ(a.clicks, 1);
    EXPECT_EQ(b.clicks, 1);
    EXPECT_EQ(c.clicks, 0);
}

TEST_F(SimCommandBarsTest, HiddenOrDisabledControlsCannotBeClickedNorDisabledOnesExecuted) {
    auto button = AddButton("B");
    button->SetEnabled(false);
    EXPECT_THROW(host.Click(button), UserActionError);
    EXPECT_EQ(FailureOf([&] { button->Execute(); }), HostError::OperationFailed);
    button->SetEnabled(true);
    button->SetVisible(false);
    EXPECT_THROW(host.Click(button), UserActionError);
}

TEST_F(SimCommandBarsTest, InspectorsKnowTheirEditor) {
    auto contact = test::PutContact(host, "Ann Lee", "ann@initech.example");
    host.SetMailEditor(host::EditorType::Word);
    auto mailWindow = host.InspectorOf(host.ComposeMail("x")->AsItem());
    auto contactWindow = host.OpenItem(contact->AsItem());

    EXPECT_EQ(mailWindow->EditorType(), host::EditorType::Word);
    EXPECT_EQ(contactWindow->EditorType(), host::EditorType::RichText);
    EXPECT_EQ(host.OpenItem(contact->AsItem()), contactWindow);
}

}  // namespace
}  // namespace pwk::sim
