#pragma once

#include <optional>
#include <string>

namespace pwk::scenario {

// Names of message-box answers and styles as the transcript and the `answer` command use
// them. The Help button has no answer of its own; AnswerCode gives the scripted platform's.
namespace BoxNames {

std::string Answer(int answer);
std::optional<int> AnswerCode(const std::string& name);
// "information", "question" ... or "no icon".
std::string Icon(int style);
// "Yes No" with the default one marked: "Yes [No]", and "Help" when the box has it.
std::string Buttons(int style);
bool HasButton(int style, int answer);

}  // namespace BoxNames

}  // namespace pwk::scenario
