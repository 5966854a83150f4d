#include "tools/scenario/RunWatchdog.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

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

}  // namespace

RunWatchdog::RunWatchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { Watch(); }) {
    for (int signalNumber : {SIGSEGV, SIGABRT, SIGFPE, SIGILL}) {
        std::signal(signalNumber, SayWhichRun);
    }
#ifdef SIGBUS  // not on Windows
    std::signal(SIGBUS, SayWhichRun);
#endif
}

RunWatchdog::~RunWatchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void RunWatchdog::Begin(const std::string& label) {
    std::lock_guard lock(mutex_);
    label_ = label;
    std::snprintf(gCurrent, sizeof gCurrent, "%s", label.c_str());
    running_ = true;
    started_ = std::chrono::steady_clock::now();
    changed_.notify_all();
}

void RunWatchdog::End() {
    std::lock_guard lock(mutex_);
    running_ = false;
    gCurrent[0] = '\0';
    changed_.notify_all();
}

void RunWatchdog::Watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!running_) {
            changed_.wait(lock);
            continue;
        }
        const auto started = started_;
        if (changed_.wait_until(lock, started + limit_) == std::cv_status::timeout && running_ &&
            started_ == started) {
            std::cerr << "sweep: HANG: the run with " << label_ << " did not finish in "
                      << limit_.count() << " s" << std::endl;
            std::_Exit(1);
        }
    }
}

}  // namespace pwk::scenario
