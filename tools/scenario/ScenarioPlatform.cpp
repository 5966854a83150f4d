#include "tools/scenario/ScenarioPlatform.h"

#include "src/util/Failure.h"
#include "tools/scenario/BoxNames.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

void ScenarioPlatform::BeginAction() {
    unchecked_.clear();
    helpMark_ = HelpRequests().size();
}

std::optional<std::pair<int, std::string>> ScenarioPlatform::TakeProblem() {
    auto problem = std::move(problem_);
    problem_.reset();
    return problem;
}

bool ScenarioPlatform::PrepareAnswers(int style, const std::string& title,
                                      const std::string& helpFile, int helpContext) {
    while (!answers_.empty()) {
        const QueuedAnswer queued = answers_.front();
        answers_.pop_front();
        if (!BoxNames::HasButton(style, queued.Answer)) {
            if (!problem_) {
                problem_ = {queued.Line, "the answer " + BoxNames::Answer(queued.Answer) +
                                             " met the box \"" + title +
                                             "\", which has no such button (" +
                                             BoxNames::Buttons(style) + ")"};
            }
            return false;
        }
        QueueAnswer(queued.Answer);
        if (queued.Answer != HelpAnswer) {
            return true;
        }
        transcript_.Event("  -> Help: opens " + helpFile + " #" + std::to_string(helpContext));
    }
    return false;
}

int ScenarioPlatform::MsgBox(const std::string& text, int style, const std::string& title,
                             const std::string& helpFile, int helpContext) {
    transcript_.Box(title, text, style, helpFile, helpContext);
    const bool chosen = PrepareAnswers(style, title, helpFile, helpContext);
    const int answer = ScriptedPlatform::MsgBox(text, style, title, helpFile, helpContext);
    transcript_.BoxAnswer(answer, !chosen);
    unchecked_.push_back({title, text, style, answer});
    return answer;
}

int ScenarioPlatform::ShowDialog(const CustomDialog& dialog) {
    std::string buttons;
    for (std::size_t i = 0; i < dialog.Buttons.size(); ++i) {
        const bool standard = static_cast<int>(i) == dialog.DefaultButton;
        buttons += (buttons.empty() ? "" : " ") +
                   (standard ? "[" + dialog.Buttons[i] + "]" : dialog.Buttons[i]);
    }
    transcript_.Event("dialog \"" + dialog.Title + "\" (" + BoxNames::Icon(dialog.Icon) + "; " +
                      buttons + ")");
    transcript_.Block(dialog.Text);
    const int answer = ScriptedPlatform::ShowDialog(dialog);
    const bool valid = answer >= 0 && static_cast<std::size_t>(answer) < dialog.Buttons.size();
    transcript_.Event(
        "  -> " +
        (valid ? dialog.Buttons[static_cast<std::size_t>(answer)] : std::to_string(answer)) +
        " (default button)");
    return answer;
}

void ScenarioPlatform::Shell(const std::string& commandLine, int windowStyle) {
    transcript_.Event("program started: " + commandLine);
    ScriptedPlatform::Shell(commandLine, windowStyle);
}

void ScenarioPlatform::FileCopy(const std::string& source, const std::string& destination) {
    try {
        ScriptedPlatform::FileCopy(source, destination);
        transcript_.Event("file copied: " + source + " -> " + destination);
    } catch (const Failure& failure) {
        transcript_.Event("file copy failed (" + std::to_string(failure.Number) + "): " + source +
                          " -> " + destination);
        throw;
    }
}

void ScenarioPlatform::DeleteFile(const std::string& path) {
    try {
        ScriptedPlatform::DeleteFile(path);
        transcript_.Event("file deleted: " + path);
    } catch (const Failure& failure) {
        transcript_.Event("file delete failed (" + std::to_string(failure.Number) + "): " + path);
        throw;
    }
}

}  // namespace pwk::scenario
