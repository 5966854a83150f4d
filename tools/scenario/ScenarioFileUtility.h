#pragma once

#include <optional>
#include <string>

#include "sim/ScriptedFileUtility.h"

namespace pwk::scenario {

class Transcript;

// The file utility of a scenario: the file chooser's answers come from `choose-file`
// commands (none queued: the user cancels), and every chooser goes into the transcript.
class ScenarioFileUtility : public sim::ScriptedFileUtility {
  public:
    explicit ScenarioFileUtility(Transcript& transcript) : transcript_(transcript) {}

    std::optional<std::string> ChooseFile(const std::string& title) override;

  private:
    Transcript& transcript_;
};

}  // namespace pwk::scenario
