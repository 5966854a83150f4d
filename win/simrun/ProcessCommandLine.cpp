#include "win/simrun/ProcessCommandLine.h"

#include <windows.h>

#include <cwchar>

#include "tools/scenario/ScenarioError.h"
#include "win/dispatch/WideText.h"

namespace pwk::simrun {

namespace {

void Write(const std::wstring& text) {
    wchar_t* buffer = GetCommandLineW();
    std::wmemcpy(buffer, text.c_str(), text.size() + 1);
}

}  // namespace

ProcessCommandLine::ProcessCommandLine() : original_(GetCommandLineW()) {}

void ProcessCommandLine::Set(const std::string& commandLine) {
    const std::wstring text = win::Widen(commandLine);
    // The buffer holds at least the runner's own command line and its end.
    if (text.size() > original_.size()) {
        throw scenario::CommandError(
            "the host's command line \"" + commandLine + "\" is longer than the runner's own (" +
            std::to_string(original_.size()) + " characters), so it cannot be given with --com");
    }
    Write(text);
}

void ProcessCommandLine::Restore() {
    Write(original_);
}

}  // namespace pwk::simrun
