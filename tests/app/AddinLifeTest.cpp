// The add-in's start on the simulated host where the scenario files cannot look: box icons,
// an inspector without an item and the host versions accepted.
#include <gtest/gtest.h>

#include "src/platform/MessageBoxStyle.h"
#include "src/util/Ref.h"
#include "tests/support/AddinHarness.h"

namespace pwk {
namespace {

using Keys = std::vector<std::string>;

class AddinLife : public ::testing::Test {
  protected:
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const auto& box : harness.platform.MessageBoxes()) {
            titles.push_back(box.Title);
        }
        return titles;
    }

    test::AddinHarness harness;
};

// The boxes' words, their order and the settings the start saves: first-start.scenario. Their
// icons and buttons are checked only here.
TEST_F(AddinLife, FirstStartWelcomesWithHelpThenOffersTheBackup) {
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();

    ASSERT_EQ(Titles(), (std::vector<std::string>{"Welcome", "Backup Error Log?"}));
    const auto& welcome = harness.platform.MessageBoxes()[0];
    EXPECT_EQ(welcome.Style, MsgBoxStyle::Information | MsgBoxStyle::MsgBoxHelpButton);
    EXPECT_EQ(welcome.HelpFile, "Parleywick.hlp");
    EXPECT_EQ(welcome.HelpContext, 210);
}

// An inspector that shows no item, which the simulated host never opens by itself.
class EmptyInspector : public host::Inspector {
  public:
    Ref<host::CommandBars> GetCommandBars() override { return nullptr; }
    Ref<host::Item> CurrentItem() override { return nullptr; }
    int EditorType() override { return host::EditorType::Html; }
    Connection Advise(host::InspectorEvents&) override { return {}; }
};

TEST_F(AddinLife, AnInspectorWithoutAnItemIsNotHooked) {
    harness.StoreSavedSettings(ComponentVersion);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    auto app = harness.App();
    app->AddToHooked(std::make_shared<EmptyInspector>());
    EXPECT_TRUE(app->HookedInspectorKeys().empty());
    // The counter was not used up either: the next inspector still gets key "1".
    harness.host.ComposeMail("first hooked");
    EXPECT_EQ(app->HookedInspectorKeys(), Keys{"1"});
}

struct HostCase {
    const char* name;
    const char* version;
    bool accepted;
};

class HostTest : public ::testing::TestWithParam<HostCase> {};

TEST_P(HostTest, OnlyTheSupportedHostAndVersionsConnect) {
    const HostCase& c = GetParam();
    sim::HostInfo info;
    info.Name = c.name;
    info.Version = c.version;
    test::AddinHarness harness(info);
    harness.host.OpenExplorer("Mailbox/Inbox");
    harness.Start();
    EXPECT_EQ(static_cast<bool>(harness.App()), c.accepted) << c.name << " " << c.version;
    const std::string log = harness.LogContents();
    const bool refusedLines = log.find("Invalid Outlook version or app") != std::string::npos &&
                              log.find(std::string("Invalid version is: ") + c.name + " " +
                                       c.version + "  {") != std::string::npos;
    EXPECT_EQ(refusedLines, !c.accepted) << log;
    if (!c.accepted) {
        EXPECT_TRUE(harness.platform.MessageBoxes().empty());
        EXPECT_FALSE(harness.component.AddinIsRunning());
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, HostTest,
                         ::testing::Values(HostCase{"Outlook", "9.0.0.2711", true},
                                           HostCase{"Outlook", "9.0.0.2710", false},
                                           HostCase{"Outlook", "9.1.0.2711", true},
                                           HostCase{"Outlook", "9.0.0.2416", false},
                                           HostCase{"Outlook", "10.5", true},
                                           HostCase{"Outlook", "100.0", true},
                                           HostCase{"Outlook", "8.5.5104.6", false},
                                           HostCase{"Outlook", "11.0.5510", false},
                                           HostCase{"outlook", "9.0.0.3821", false}));

}  // namespace
}  // namespace pwk
