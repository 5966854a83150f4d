#pragma once

#include <windows.h>

#include <cstdint>

namespace pwk::winbench {

// What a piece of work cost, in seconds: the processor time of this thread, that of the Wine
// server (under Wine every registry call and much of COM's bookkeeping is work the server does
// for the process, out of the process's own account; 0 where there is no server to read), and
// the wall time.
struct Cost {
    double Thread = 0;
    double Server = 0;
    double Wall = 0;

    double Processor() const { return Thread + Server; }
    Cost& operator+=(const Cost& other) {
        Thread += other.Thread;
        Server += other.Server;
        Wall += other.Wall;
        return *this;
    }
};

// A stopwatch of the three: started when made.
class CostClock {
  public:
    CostClock();
    Cost Elapsed() const;
    // Whether the Wine server's processor time can be read here.
    static bool SeesServer();
    // Whether this thread's processor time is read in nanoseconds' detail (the Linux
    // scheduler's record) rather than in Wine's ticks of 10 ms.
    static bool SeesThread();
    // Called on the program's main thread before any clock: the thread the scheduler's record
    // of the process counts.
    static void TakeMainThread();

  private:
    double thread_;
    double server_;
    std::int64_t wall_;
};

}  // namespace pwk::winbench
