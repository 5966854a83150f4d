#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "src/platform/Platform.h"
#include "tools/scenario/FailingSettingsStore.h"

namespace pwk::scenario {

// The machine a host process runs on, as a component that calls the system itself meets it:
// what the scenario scripts for the core's platform (the host's command line, the operating
// system's record, the clock, the user's documents folder, the component's own folder, the
// classes installed, the files that fail, the settings store's planned failures, the programs
// it starts and the help it asks for, debug mode and unattended execution), answered the same way
// and reported into the same transcript.
class ScenarioMachine {
  public:
    enum class FileOperation { Copy, Delete };

    virtual ~ScenarioMachine() = default;

    // The command line the host process was started with.
    virtual std::string CommandLine() = 0;
    virtual std::optional<OsVersionInfo> OsVersion() = 0;
    virtual Platform::Clock::time_point Now() = 0;
    // The user's documents folder ("" when the machine has no file utility to name one), and
    // the folder the component is installed in.
    virtual std::string DocumentsFolder() = 0;
    virtual std::string ComponentFolder() = 0;
    // Whether the machine has the class of `progId` installed (the scenario makes components
    // absent).
    virtual bool Installed(const std::string& progId) = 0;
    // The number a copy or deletion of this path fails with by the scenario's plan, if any.
    virtual std::optional<std::int32_t> PlannedFailure(const std::string& path,
                                                       FileOperation operation) = 0;
    // What became of a copy or deletion the component made: done (no number) or failed.
    virtual void Copied(const std::string& source, const std::string& destination,
                        std::optional<std::int32_t> failure) = 0;
    virtual void Deleted(const std::string& path, std::optional<std::int32_t> failure) = 0;
    // The number the next read, save or removal of the component's settings fails with by the
    // scenario's plan, if any; asking counts the operation as done.
    virtual std::optional<std::int32_t> PlannedStoreFailure(
        FailingSettingsStore::Operation operation) = 0;
    // A program the component starts (the scenario's machine starts every program it is given).
    virtual void StartProgram(const std::string& commandLine, int windowStyle) = 0;
    // The help the component opens for a box's Help button.
    virtual void Help(const std::string& helpFile, int helpContext) = 0;
    // The error library's debug mode and unattended execution, which only a test machine
    // turns on for the component.
    virtual bool DebugMode() = 0;
    virtual bool Unattended() = 0;
};

}  // namespace pwk::scenario
