#include "sim/FaultInjector.h"

#include "src/util/Failure.h"

namespace pwk::sim {
namespace {

[[noreturn]] void Inject(std::int32_t number, const std::string& member) {
    throw Failure(number, "Simulated failure of " + member, member);
}

}  // namespace

void FaultInjector::FailNthCall(std::int64_t n, std::int32_t number) {
    nthCall_[calls_ + n] = number;
}

void FaultInjector::FailNthCallKept(std::int64_t n, std::int32_t number) {
    keptNthCall_[calls_ + n] = number;
}

void FaultInjector::FailMember(const std::string& member, std::int32_t number,
                               std::optional<int> times) {
    memberFaults_[member] = MemberFault{number, times};
}

void FaultInjector::GiveNothing(const std::string& member, std::optional<int> times) {
    memberFaults_[member] = MemberFault{0, times, true};
}

void FaultInjector::Clear() {
    nthCall_.clear();
    memberFaults_.clear();
}

std::int64_t FaultInjector::Calls(const std::string& member) const {
    auto found = perMember_.find(member);
    return found == perMember_.end() ? 0 : found->second;
}

std::vector<std::string> FaultInjector::TakeLog() {
    logging_ = false;
    return std::exchange(log_, {});
}

bool FaultInjector::Before(std::string_view type, std::string_view member, bool objectGetter) {
    // One buffer for every call's name: the host's own bookkeeping allocates nothing per call.
    std::string& name = name_;
    name.assign(type).append(".").append(member);
    ++calls_;
    if (auto counted = perMember_.find(name); counted != perMember_.end()) {
        ++counted->second;
    } else {
        perMember_.emplace(name, 1);
    }
    if (objectGetter) {
        getters_.insert(name);
    }
    if (logging_) {
        log_.push_back(name);
    }
    for (auto* planned : {&keptNthCall_, &nthCall_}) {
        if (auto nth = planned->find(calls_); nth != planned->end()) {
            const std::int32_t number = nth->second;
            planned->erase(nth);
            ++raised_;
            Inject(number, name);
        }
    }
    if (auto fault = memberFaults_.find(name); fault != memberFaults_.end()) {
        const MemberFault planned = fault->second;
        if (planned.remaining && --*fault->second.remaining <= 0) {
            memberFaults_.erase(fault);
        }
        ++raised_;
        if (planned.nothing) {
            return true;
        }
        Inject(planned.number, name);
    }
    return false;
}

}  // namespace pwk::sim
