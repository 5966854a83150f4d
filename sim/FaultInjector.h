#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pwk::sim {

// Counts the calls the add-in makes into the host and makes chosen ones fail. Members are
// named "Type.Member" with the host's names ("Items.Find", "MAPIFolder.Items").
class FaultInjector {
  public:
    // The n-th host call from now (1 = the next one) fails with `number`.
    void FailNthCall(std::int64_t n, std::int32_t number);
    // The same, planned from outside what runs on the host (a sweep failing each call in
    // turn): Clear keeps it, so that a scenario's own "fail-clear" does not cancel it.
    void FailNthCallKept(std::int64_t n, std::int32_t number);
    // Every call of `member` fails with `number`; only the next `times` calls when given.
    void FailMember(const std::string& member, std::int32_t number,
                    std::optional<int> times = std::nullopt);
    // Every call of `member` (an object getter) hands back nothing instead of an object, as a
    // host's automation getter may; only the next `times` calls when given.
    void GiveNothing(const std::string& member, std::optional<int> times = std::nullopt);
    void Clear();

    std::int64_t Calls() const { return calls_; }
    // How many planned failures (or planned nothings) have been met so far.
    std::int64_t Raised() const { return raised_; }
    std::int64_t Calls(const std::string& member) const;
    // Keeps the names of the calls from now on, in order, until TakeLog.
    void StartLog() { logging_ = true; }
    std::vector<std::string> TakeLog();

    // The calls made per member ("Items.Find"), and which of those members hand back an object.
    const std::map<std::string, std::int64_t>& CallsPerMember() const { return perMember_; }
    const std::set<std::string>& ObjectGetters() const { return getters_; }

    // Counts one call and raises the failure planned for it, if any. True when the call (of a
    // member that hands back an object) is to hand back nothing.
    bool Before(std::string_view type, std::string_view member, bool objectGetter);

  private:
    struct MemberFault {
        std::int32_t number;
        std::optional<int> remaining;
        bool nothing = false;
    };

    std::int64_t calls_ = 0;
    std::int64_t raised_ = 0;
    std::map<std::string, std::int64_t> perMember_;
    std::set<std::string> getters_;
    std::map<std::int64_t, std::int32_t> nthCall_;
    std::map<std::int64_t, std::int32_t> keptNthCall_;
    std::unordered_map<std::string, MemberFault> memberFaults_;
    bool logging_ = false;
    std::vector<std::string> log_;
    std::string name_;  // the current call's "Type.Member"
};

}  // namespace pwk::sim
