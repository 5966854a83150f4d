#include "tools/scenario/ScenarioFileUtility.h"

#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

std::optional<std::string> ScenarioFileUtility::ChooseFile(const std::string& title) {
    std::optional<std::string> choice = ScriptedFileUtility::ChooseFile(title);
    transcript_.Event("file chooser \"" + title + "\" -> " +
                      (choice ? "\"" + *choice + "\"" : std::string("cancelled")));
    return choice;
}

}  // namespace pwk::scenario
