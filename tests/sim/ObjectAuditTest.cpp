#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sim/AuditedObject.h"
#include "sim/ObjectAudit.h"

namespace pwk::sim {
namespace {

class Folder : public AuditedObject {
  public:
    explicit Folder(std::string name) : name_(std::move(name)) {}
    std::string AuditType() const override { return "MAPIFolder"; }
    std::string AuditName() const override { return name_; }

  private:
    std::string name_;
};

std::shared_ptr<Folder> Made(ObjectAudit& audit, const std::string& name) {
    auto folder = std::make_shared<Folder>(name);
    audit.Register(folder);
    return folder;
}

std::vector<std::string> HeldNames(ObjectAudit& audit) {
    std::vector<std::string> names;
    for (const HeldObject& held : audit.Held()) {
        names.push_back(held.Name + " x" + std::to_string(held.Holders));
    }
    return names;
}

// Thousands of objects made and gone between a few that are held, as a start-up's folder
// look-ups go between the windows it keeps: whether or not the audit walks the gone away when
// it grows, the held ones stay listed, in the order they were made, and what was let go of is
// told in order.
TEST(ObjectAuditTest, HeldObjectsOutlastTheMakingAndGoingOfThousandsAroundThem) {
    ObjectAudit audit;
    std::vector<std::shared_ptr<Folder>> kept;
    for (int round = 0; round < 5; ++round) {
        kept.push_back(Made(audit, "kept " + std::to_string(round)));
        for (int i = 0; i < 3000; ++i) {
            Made(audit, "passing");
        }
    }
    auto twice = kept[0];
    EXPECT_EQ(HeldNames(audit), (std::vector<std::string>{"kept 0 x2", "kept 1 x1", "kept 2 x1",
                                                          "kept 3 x1", "kept 4 x1"}));
    EXPECT_TRUE(audit.TakeReleases().empty());  // the passing ones were never held
    twice.reset();
    kept[0].reset();
    kept[3].reset();
    EXPECT_EQ(audit.TakeReleases(),
              (std::vector<Release>{{Release::Kind::References, "MAPIFolder", "kept 0"},
                                    {Release::Kind::References, "MAPIFolder", "kept 3"}}));
    EXPECT_EQ(HeldNames(audit), (std::vector<std::string>{"kept 1 x1", "kept 2 x1", "kept 4 x1"}));
}

// A host nobody asks keeps no log: what went before the first take is not told, and from then
// on connections and references are told in the order they ended.
TEST(ObjectAuditTest, ReleasesAreRecordedFromTheFirstTakeOn) {
    ObjectAudit audit;
    auto early = Made(audit, "early");
    audit.EventsReleased("Explorer", "before anyone asked");
    early.reset();
    EXPECT_TRUE(audit.TakeReleases().empty());
    EXPECT_TRUE(audit.RecordsReleases());
    auto late = Made(audit, "late");
    audit.EventsReleased("Explorer", "Inbox");
    late.reset();
    EXPECT_EQ(audit.TakeReleases(),
              (std::vector<Release>{{Release::Kind::Events, "Explorer", "Inbox"},
                                    {Release::Kind::References, "MAPIFolder", "late"}}));
}

}  // namespace
}  // namespace pwk::sim
