#include "tools/scenario/BoxNames.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform-support/MessageBoxButtons.h"
#include "sim/ScriptedPlatform.h"
#include "src/platform/MessageBoxStyle.h"

namespace pwk::scenario::BoxNames {

namespace {

constexpr std::array<std::pair<int, const char*>, 8> kAnswers{{
    {MsgBoxResult::OK, "OK"},
    {MsgBoxResult::Cancel, "Cancel"},
    {MsgBoxResult::Abort, "Abort"},
    {MsgBoxResult::Retry, "Retry"},
    {MsgBoxResult::Ignore, "Ignore"},
    {MsgBoxResult::Yes, "Yes"},
    {MsgBoxResult::No, "No"},
    {sim::ScriptedPlatform::HelpAnswer, "Help"},
}};

}  // namespace

std::string Answer(int answer) {
    for (const auto& [code, name] : kAnswers) {
        if (code == answer) {
            return name;
        }
    }
    return "answer " + std::to_string(answer);
}

std::optional<int> AnswerCode(const std::string& name) {
    for (const auto& [code, known] : kAnswers) {
        if (name == known) {
            return code;
        }
    }
    return std::nullopt;
}

std::string Icon(int style) {
    switch (style & MsgBoxStyle::IconMask) {
        case MsgBoxStyle::Critical:
            return "critical";
        case MsgBoxStyle::Question:
            return "question";
        case MsgBoxStyle::Exclamation:
            return "exclamation";
        case MsgBoxStyle::Information:
            return "information";
        default:
            return "no icon";
    }
}

bool HasButton(int style, int answer) {
    if (answer == sim::ScriptedPlatform::HelpAnswer) {
        return (style & MsgBoxStyle::MsgBoxHelpButton) != 0;
    }
    const std::vector<int> buttons = MsgBoxButtons(style);
    return std::find(buttons.begin(), buttons.end(), answer) != buttons.end();
}

std::string Buttons(int style) {
    const int standard = MsgBoxDefaultAnswer(style);
    std::string text;
    for (const int button : MsgBoxButtons(style)) {
        const std::string name = Answer(button);
        text += (text.empty() ? "" : " ") + (button == standard ? "[" + name + "]" : name);
    }
    if ((style & MsgBoxStyle::MsgBoxHelpButton) != 0) {
        text += " Help";
    }
    return text;
}

}  // namespace pwk::scenario::BoxNames
