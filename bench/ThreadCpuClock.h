#pragma once

#include <chrono>
#include <ctime>

namespace bench_clock {

// The processor time of the calling thread, as a std::chrono clock. On a shared machine the
// time other processes take from this one does not count, so two parts of one iteration can
// be compared even while the machine is busy.
struct ThreadCpuClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<ThreadCpuClock>;
    static constexpr bool is_steady = true;

    static time_point now() noexcept {
        timespec spec{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spec);
        return time_point(std::chrono::seconds(spec.tv_sec) +
                          std::chrono::nanoseconds(spec.tv_nsec));
    }
};

}  // namespace bench_clock
