#include <gtest/gtest.h>

#include <functional>

#include "sim/SimControlState.h"
#include "sim/SimExplorer.h"
#include "sim/SimFolder.h"
#include "sim/SimInspector.h"
#include "sim/SimItemState.h"
#include "src/host/CommandBar.h"
#include "src/host/CommandBarControl.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBars.h"
#include "tests/tools/ScenarioDemoHost.h"
#include "tools/scenario/DateArgument.h"
#include "tools/scenario/Describe.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/WindowFocus.h"

namespace pwk::scenario {
namespace {

using namespace std::chrono;

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const CommandError& error) {
        return error.what();
    }
    return "no error";
}

class ScenarioLookupTest : public test::ScenarioDemoHost {
  protected:
    std::shared_ptr<sim::SimFolder> Contacts() {
        return host.Folder("Acme Public/Customers/Contacts");
    }
};

TEST_F(ScenarioLookupTest, ItemsAreFoundByPositionOrByName) {
    EXPECT_EQ(Lookup::Item(*Contacts(), "1")->AuditName(), "Maria Gonzales");
    EXPECT_EQ(Lookup::Item(*Contacts(), "Aiko Tanaka").get(),
              Contacts()->Contents()[2].get().get());
    EXPECT_EQ(Lookup::Item(*host.Folder("Mailbox - Pat Jones/Inbox"), "Renewal quote")->AuditName(),
              "Renewal quote");
    EXPECT_EQ(ErrorOf([&] { Lookup::Item(*Contacts(), "0"); }),
              "\"Acme Public/Customers/Contacts\" holds 13 items; there is no item 0");
    EXPECT_EQ(ErrorOf([&] { Lookup::Item(*Contacts(), "14"); }),
              "\"Acme Public/Customers/Contacts\" holds 13 items; there is no item 14");
}

TEST_F(ScenarioLookupTest, AContactNamedInTwoFoldersMustBeSaidWhere) {
    EXPECT_EQ(Lookup::Contact(host, "Aiko Tanaka")->AuditName(), "Aiko Tanaka");
    host.PutItem("Archive - Pat Jones/Old Contacts", host::ItemType::Contact,
                 {{"FullName", "Aiko Tanaka"}});
    const std::string error = ErrorOf([&] { Lookup::Contact(host, "Aiko Tanaka"); });
    EXPECT_NE(error.find("there are several contacts \"Aiko Tanaka\""), std::string::npos) << error;
    EXPECT_EQ(ErrorOf([&] { Lookup::Contact(host, "Nobody"); }),
              "there is no contact \"Nobody\" in the mailbox");
}

TEST_F(ScenarioLookupTest, ControlsAreFoundByCaptionAVisibleOneFirst) {
    const auto explorer = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    EXPECT_EQ(Lookup::Control(*explorer, "File")->Spec.Caption, "&File");
    EXPECT_EQ(Lookup::Control(*explorer, "New Mail Message")->Spec.Caption, "New Mail &Message");
    EXPECT_EQ(Lookup::Control(*explorer, "Phone Call"), nullptr);

    auto controls = explorer->GetCommandBars()->Item("Standard")->Controls();
    auto hidden = controls->Add(host::ControlType::Button, std::nullopt, "", 1, true);
    hidden->SetCaption("Phone Call");
    hidden->SetVisible(false);
    EXPECT_FALSE(Lookup::Control(*explorer, "Phone Call")->Spec.Visible);
    auto shown = controls->Add(host::ControlType::Button, std::nullopt, "", {}, true);
    shown->SetCaption("Phone Call");
    EXPECT_TRUE(Lookup::Control(*explorer, "Phone Call")->Spec.Visible);
}

TEST_F(ScenarioLookupTest, TheFrontWindowFallsBackToTheLastInspectorThenExplorer) {
    WindowFocus focus;
    const auto inbox = host.OpenExplorer("Mailbox - Pat Jones/Inbox");
    const auto contacts = host.OpenExplorer("Acme Public/Customers/Contacts");
    const auto first = host.OpenItem(Contacts()->Contents()[0].get()->AsItem());
    const auto second = host.OpenItem(Contacts()->Contents()[1].get()->AsItem());
    focus.Bring(inbox);
    EXPECT_EQ(focus.Front(host), inbox);
    EXPECT_EQ(focus.Explorer(host), inbox);
    EXPECT_EQ(focus.Inspector(host), second);

    host.Close(inbox);
    EXPECT_EQ(focus.Front(host), second);
    EXPECT_EQ(focus.Explorer(host), contacts);
    focus.Bring(first);
    host.Close(first);
    EXPECT_EQ(focus.Front(host), second);
    host.Close(second);
    EXPECT_EQ(focus.Front(host), contacts);
    EXPECT_EQ(focus.Inspector(host), nullptr);
}

TEST_F(ScenarioLookupTest, FieldsReadAsTheChecksCompareThem) {
    const auto review = host.Folder("Mailbox - Pat Jones/Calendar")->Contents()[0].get();
    bool known = false;
    EXPECT_EQ(Describe::Field(*review, "Start", known), "2000-03-08 14:00");
    EXPECT_TRUE(known);
    EXPECT_EQ(Describe::Field(*review, "Duration", known), "60");
    EXPECT_EQ(Describe::Field(*review, "Class", known), "AppointmentItem");
    EXPECT_EQ(Describe::Field(*review, "Links", known), "");
    EXPECT_TRUE(known);
    Describe::Field(*review, "FullName", known);
    EXPECT_FALSE(known);
}

TEST(ScenarioArguments, DatesAndTimesOfDay) {
    const host::Date today = sys_days{year{2000} / March / 6} + hours{9};
    EXPECT_EQ(ParseDateArgument("2000-03-07 10:30", today),
              sys_days{year{2000} / March / 7} + hours{10} + minutes{30});
    EXPECT_EQ(ParseDateArgument("14:05", today),
              sys_days{year{2000} / March / 6} + hours{14} + minutes{5});
    EXPECT_THROW(ParseDateArgument("2000-02-30 10:00", today), CommandError);
    EXPECT_THROW(ParseDateArgument("24:00", today), CommandError);
    EXPECT_THROW(ParseDateArgument("10:00pm", today), CommandError);
    EXPECT_THROW(ParseDateArgument("tomorrow", today), CommandError);
}

TEST(ScenarioArguments, FailureNumbersInDecimalOrAsTheHostWritesThem) {
    EXPECT_EQ(Lookup::Number32("0x80004005"), -2147467259);
    EXPECT_EQ(Lookup::Number32("-2147467259"), -2147467259);
    EXPECT_EQ(Lookup::Number32("70"), 70);
    EXPECT_THROW(Lookup::Number32("4294967296"), CommandError);
}

}  // namespace
}  // namespace pwk::scenario
