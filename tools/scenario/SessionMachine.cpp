#include "tools/scenario/SessionMachine.h"

#include "src/platform/FileUtility.h"
#include "tools/scenario/ScenarioFileUtility.h"
#include "tools/scenario/ScenarioPlatform.h"

namespace pwk::scenario {

std::string SessionMachine::CommandLine() {
    return platform_.CommandLine();
}

bool SessionMachine::Unattended() {
    return platform_.AppUnattended();
}

std::optional<OsVersionInfo> SessionMachine::OsVersion() {
    return platform_.GetVersionEx();
}

Platform::Clock::time_point SessionMachine::Now() {
    return platform_.Now();
}

std::string SessionMachine::DocumentsFolder() {
    return absent_.count(FileUtilityProgID) != 0 ? std::string() : fileUtility_.DefaultFolder();
}

std::string SessionMachine::ComponentFolder() {
    return platform_.AppPath();
}

bool SessionMachine::Installed(const std::string& progId) {
    return absent_.count(progId) == 0;
}

std::optional<std::int32_t> SessionMachine::PlannedFailure(const std::string& path,
                                                           FileOperation operation) {
    return platform_.PlannedFailure(path, operation == FileOperation::Copy
                                              ? sim::ScriptedPlatform::FileOperation::Copy
                                              : sim::ScriptedPlatform::FileOperation::Delete);
}

void SessionMachine::Copied(const std::string& source, const std::string& destination,
                            std::optional<std::int32_t> failure) {
    platform_.ReportCopy(source, destination, failure);
}

void SessionMachine::Deleted(const std::string& path, std::optional<std::int32_t> failure) {
    platform_.ReportDelete(path, failure);
}

std::optional<std::int32_t> SessionMachine::PlannedStoreFailure(
    FailingSettingsStore::Operation operation) {
    return storeFaults_.Take(operation);
}

void SessionMachine::StartProgram(const std::string& commandLine, int windowStyle) {
    platform_.Shell(commandLine, windowStyle);
}

void SessionMachine::Help(const std::string& helpFile, int helpContext) {
    platform_.ExternalHelp(helpFile, helpContext);
}

}  // namespace pwk::scenario
