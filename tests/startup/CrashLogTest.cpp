#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "posix/CrashHandlers.h"
#include "src/errors/Procedure.h"
#include "tests/startup/StartupFixture.h"
#include "tests/support/FileText.h"

namespace pwk::test {
namespace {

using CrashLog = StartupFixture;

// The add-in started with tracing dies of a fatal signal inside a traced procedure, after more
// lines than the log keeps in memory: the file holds every line up to the crash, in order, then
// the filter's report.
TEST_F(CrashLog, EveryLineUpToAFatalSignalIsInTheLog) {
    constexpr int kLines = 5000;  // about 200 KiB, several times the log's buffer
    platform.SetCommandLine("OUTLOOK.EXE /TRACE");
    MStartup::Main(component);
    ASSERT_TRUE(component.ErrorFrameworkStarted);
    const std::string path = Library()->LogFileNativePath();
    Library()->Flush();  // the child must not write the parent's lines a second time
    const pid_t child = fork();
    if (child == 0) {
        // The process-wide handlers, handing the crash to the filter the add-in gave its
        // platform, as the POSIX platform does.
        CrashHandlers::Install([this](const ExceptionRecord& record) {
            return platform.RaiseUnhandledException(record);
        });
        Procedure proc(component, "CrashLog", "Deep", Boundary::Component);
        proc.Run([&] {
            for (int i = 1; i <= kLines; ++i) {
                component.Errors().LogText("line " + std::to_string(i));
            }
            // SIGILL, because the sanitizers keep handlers of their own for the other signals.
            raise(SIGILL);
        });
        _exit(0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGILL);

    const std::string log = FileText(path);
    const auto entered = log.find("> CrashLog.Deep\n");
    ASSERT_NE(entered, std::string::npos) << log.substr(0, 2000);
    std::size_t at = entered;
    for (int i = 1; i <= kLines; ++i) {
        const auto next = log.find("line " + std::to_string(i) + "\n", at);
        ASSERT_NE(next, std::string::npos) << "line " << i << " is missing";
        at = next;
    }
    const auto report = log.find("UNHANDLED EXCEPTION 0xC000001D", at);
    EXPECT_NE(report, std::string::npos) << log.substr(at);
    EXPECT_NE(log.find("    CrashLog.Deep\n", report), std::string::npos) << log.substr(at);
}

}  // namespace
}  // namespace pwk::test
