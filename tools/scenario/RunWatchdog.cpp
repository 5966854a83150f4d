#include "tools/scenario/RunWatchdog.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#else
#include <condition_variable>
#include <mutex>
#include <thread>
#endif

namespace pwk::scenario {
namespace {

// The label of the run in progress, for the signal handler, which may only write bytes.
char gCurrent[512] = "";

extern "C" void SayWhichRun(int signalNumber) {
    constexpr char kPrefix[] = "\nsweep: the process died during the run with ";
    // The label is short (512 bytes at most): its length fits every platform's count type.
    const auto labelLength = static_cast<unsigned>(std::strlen(gCurrent));
    if (write(STDERR_FILENO, kPrefix, sizeof kPrefix - 1) >= 0 &&
        write(STDERR_FILENO, gCurrent, labelLength) >= 0) {
        (void)write(STDERR_FILENO, "\n", 1);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

[[noreturn]] void SayItHangs(const std::string& label, std::chrono::seconds limit) {
    std::cerr << "sweep: HANG: the run with " << label << " did not finish in " << limit.count()
              << " s" << std::endl;
    std::_Exit(1);
}

}  // namespace

#ifdef _WIN32

// A one-shot timer of the system's timer queue per run; removing it waits for a callback that
// is under way, so the label is never read while the next run changes it.
class RunWatchdog::Alarm {
  public:
    explicit Alarm(std::chrono::seconds limit) : limit_(limit) {}
    ~Alarm() { Stop(); }

    void Start(const std::string& label) {
        Stop();
        label_ = label;
        CreateTimerQueueTimer(&timer_, nullptr, &Alarm::Ring, this,
                              static_cast<DWORD>(limit_.count() * 1000), 0, WT_EXECUTEONLYONCE);
    }

    void Stop() {
        if (timer_ != nullptr) {
            DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE);
            timer_ = nullptr;
        }
    }

  private:
    static void CALLBACK Ring(void* self, BOOLEAN /*fired*/) {
        const auto* alarm = static_cast<Alarm*>(self);
        SayItHangs(alarm->label_, alarm->limit_);
    }

    std::chrono::seconds limit_;
    std::string label_;
    HANDLE timer_ = nullptr;
};

#else

class RunWatchdog::Alarm {
  public:
    explicit Alarm(std::chrono::seconds limit) : limit_(limit), thread_([this] { Watch(); }) {}

    ~Alarm() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    void Start(const std::string& label) {
        std::lock_guard lock(mutex_);
        label_ = label;
        running_ = true;
        started_ = std::chrono::steady_clock::now();
        changed_.notify_all();
    }

    void Stop() {
        std::lock_guard lock(mutex_);
        running_ = false;
        changed_.notify_all();
    }

  private:
    void Watch() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            if (!running_) {
                changed_.wait(lock);
                continue;
            }
            const auto started = started_;
            if (changed_.wait_until(lock, started + limit_) == std::cv_status::timeout &&
                running_ && started_ == started) {
                SayItHangs(label_, limit_);
            }
        }
    }

    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string label_;
    bool running_ = false;
    bool stopping_ = false;
    std::chrono::steady_clock::time_point started_;
    std::thread thread_;
};

#endif

RunWatchdog::RunWatchdog(std::chrono::seconds limit) : alarm_(std::make_unique<Alarm>(limit)) {
    for (int signalNumber : {SIGSEGV, SIGABRT, SIGFPE, SIGILL}) {
        std::signal(signalNumber, SayWhichRun);
    }
#ifdef SIGBUS  // not on Windows
    std::signal(SIGBUS, SayWhichRun);
#endif
}

RunWatchdog::~RunWatchdog() = default;

void RunWatchdog::Begin(const std::string& label) {
    std::snprintf(gCurrent, sizeof gCurrent, "%s", label.c_str());
    alarm_->Start(label);
}

void RunWatchdog::End() {
    alarm_->Stop();
    gCurrent[0] = '\0';
}

}  // namespace pwk::scenario
