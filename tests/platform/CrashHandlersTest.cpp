#include "posix/CrashHandlers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <stdexcept>
#include <string>

#include "src/errorlib/ErrorLibrary.h"

namespace pwk {
namespace {

using ::testing::HasSubstr;

struct ChildEnd {
    int Status = 0;
    std::string Reports;  // one line per filter call: code and description
};

// Runs `body` in a child with a filter installed that reports to the parent through a pipe.
ChildEnd RunWithFilter(const std::function<void()>& body, bool uninstallFirst = false) {
    int channel[2];
    if (pipe(channel) != 0) {
        throw std::runtime_error("pipe");
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const int writer = channel[1];
        CrashHandlers::Install([writer](const ExceptionRecord& record) {
            const std::string line = std::to_string(record.Code) + " " + record.Description + "\n";
            [[maybe_unused]] auto written = write(writer, line.data(), line.size());
            return 1;
        });
        if (uninstallFirst) {
            CrashHandlers::Install(nullptr);
        }
        body();
        _exit(0);
    }
    close(channel[1]);
    ChildEnd end;
    char buffer[256];
    ssize_t count = 0;
    while ((count = read(channel[0], buffer, sizeof buffer)) > 0) {
        end.Reports.append(buffer, static_cast<std::size_t>(count));
    }
    close(channel[0]);
    waitpid(child, &end.Status, 0);
    return end;
}

TEST(CrashHandlers, AFatalSignalReachesTheFilterOnceAndStillEndsTheProcess) {
    const ChildEnd end = RunWithFilter([] { raise(SIGFPE); });
    EXPECT_EQ(end.Reports, std::to_string(0xC0000094u) + " Arithmetic fault (signal 8)\n");
    ASSERT_TRUE(WIFSIGNALED(end.Status));
    EXPECT_EQ(WTERMSIG(end.Status), SIGFPE);
}

TEST(CrashHandlers, AnUnhandledExceptionIsReportedOnceNotAgainAsTheAbort) {
    const ChildEnd end = RunWithFilter([] {
        try {
            throw std::runtime_error("settings lost");
        } catch (...) {
            std::terminate();
        }
    });
    EXPECT_EQ(end.Reports, std::to_string(0xE06D7363u) + " Unhandled exception: settings lost\n");
    ASSERT_TRUE(WIFSIGNALED(end.Status));
    EXPECT_EQ(WTERMSIG(end.Status), SIGABRT);
}

TEST(CrashHandlers, AnEmptyFilterUninstalls) {
    // SIGILL, because the sanitizers keep handlers of their own for the other fatal signals.
    const ChildEnd end = RunWithFilter([] { raise(SIGILL); }, true);
    EXPECT_EQ(end.Reports, "");
    ASSERT_TRUE(WIFSIGNALED(end.Status));
    EXPECT_EQ(WTERMSIG(end.Status), SIGILL);
}

TEST(CrashHandlers, RecordsUseTheHostsCodesForTheSameFaults) {
    int here = 0;
    const ExceptionRecord segv = CrashHandlers::RecordForSignal(SIGSEGV, &here);
    EXPECT_EQ(segv.Code, 0xC0000005u);
    EXPECT_EQ(segv.Address, reinterpret_cast<std::uintptr_t>(&here));
    EXPECT_EQ(CrashHandlers::RecordForSignal(SIGILL, nullptr).Code, 0xC000001Du);
    EXPECT_THAT(CrashHandlers::RecordForSignal(SIGABRT, nullptr).Description, HasSubstr("Aborted"));
}

}  // namespace
}  // namespace pwk
