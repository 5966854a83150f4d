#include "tools/scenario/ScenarioPlatform.h"

#include <algorithm>
#include <utility>

#include "src/util/Failure.h"
#include "tools/scenario/BoxNames.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

void ScenarioPlatform::BeginAction() {
    unchecked_.clear();
    helpMark_ = HelpRequests().size();
    shellMark_ = ShellCalls().size();
}

std::optional<std::pair<int, std::string>> ScenarioPlatform::TakeProblem() {
    auto problem = std::move(problem_);
    problem_.reset();
    return problem;
}

void ScenarioPlatform::NoSuchButton(const QueuedAnswer& queued, const std::string& what,
                                    const std::string& buttons) {
    if (!problem_) {
        problem_ = {queued.Line, "the answer " + queued.Answer + " met " + what +
                                     ", which has no such button (" + buttons + ")"};
    }
}

bool ScenarioPlatform::PrepareAnswers(int style, const std::string& title,
                                      const std::string& helpFile, int helpContext) {
    while (!answers_.empty()) {
        const QueuedAnswer queued = answers_.front();
        answers_.pop_front();
        const std::optional<int> code = BoxNames::AnswerCode(queued.Answer);
        if (!code || !BoxNames::HasButton(style, *code)) {
            NoSuchButton(queued, "the box \"" + title + "\"", BoxNames::Buttons(style));
            return false;
        }
        QueueAnswer(*code);
        if (*code != HelpAnswer) {
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

std::string ScenarioPlatform::ExternalBox(const ExternalAddIn::Box& box) {
    std::string buttons;
    for (const std::string& button : box.Buttons) {
        const bool standard = button == box.DefaultButton && button != "Help";
        buttons += (buttons.empty() ? "" : " ") + (standard ? "[" + button + "]" : button);
    }
    // A box whose Help button was pressed is the same box, asked again.
    if (!std::exchange(helpPressed_, false)) {
        transcript_.Event(std::string(box.Dialog ? "dialog" : "box") + " \"" + box.Title + "\" (" +
                          buttons + ")");
        transcript_.Block(box.Text);
        unchecked_.push_back({box.Title, box.Text, 0, 0});
    }
    std::string chosen;
    if (!answers_.empty()) {
        const QueuedAnswer queued = answers_.front();
        answers_.pop_front();
        if (std::find(box.Buttons.begin(), box.Buttons.end(), queued.Answer) != box.Buttons.end()) {
            chosen = queued.Answer;
        } else {
            NoSuchButton(
                queued,
                std::string(box.Dialog ? "the dialog" : "the box") + " \"" + box.Title + "\"",
                buttons);
        }
    }
    if (chosen == "Help") {
        // The help it opens is reported by the machine (ExternalHelp).
        helpPressed_ = true;
        return chosen;
    }
    const std::string pressed = chosen.empty() ? box.DefaultButton : chosen;
    transcript_.Event("  -> " + pressed + (chosen.empty() ? " (default button)" : ""));
    return chosen;
}

namespace {
// "[Abort] Ignore End View Log", the default button marked.
std::string DialogButtons(const CustomDialog& dialog) {
    std::string buttons;
    for (std::size_t i = 0; i < dialog.Buttons.size(); ++i) {
        const bool standard = static_cast<int>(i) == dialog.DefaultButton;
        buttons += (buttons.empty() ? "" : " ") +
                   (standard ? "[" + dialog.Buttons[i] + "]" : dialog.Buttons[i]);
    }
    return buttons;
}
}  // namespace

bool ScenarioPlatform::PrepareDialogAnswer(const CustomDialog& dialog) {
    if (answers_.empty()) {
        constexpr const char* ignore = "Ignore";
        if (!ignoreReports_ || std::find(dialog.Buttons.begin(), dialog.Buttons.end(), ignore) ==
                                   dialog.Buttons.end()) {
            return false;
        }
        QueueDialogAnswer(ignore);
        return true;
    }
    const QueuedAnswer queued = answers_.front();
    answers_.pop_front();
    if (std::find(dialog.Buttons.begin(), dialog.Buttons.end(), queued.Answer) ==
        dialog.Buttons.end()) {
        NoSuchButton(queued, "the dialog \"" + dialog.Title + "\"", DialogButtons(dialog));
        return false;
    }
    QueueDialogAnswer(queued.Answer);
    return true;
}

int ScenarioPlatform::ShowDialog(const CustomDialog& dialog) {
    transcript_.Event("dialog \"" + dialog.Title + "\" (" + BoxNames::Icon(dialog.Icon) + "; " +
                      DialogButtons(dialog) + ")");
    transcript_.Block(dialog.Text);
    const bool chosen = PrepareDialogAnswer(dialog);
    const int answer = ScriptedPlatform::ShowDialog(dialog);
    const bool valid = answer >= 0 && static_cast<std::size_t>(answer) < dialog.Buttons.size();
    transcript_.Event(
        "  -> " +
        (valid ? dialog.Buttons[static_cast<std::size_t>(answer)] : std::to_string(answer)) +
        (chosen ? "" : " (default button)"));
    unchecked_.push_back({dialog.Title, dialog.Text, dialog.Icon, answer});
    return answer;
}

void ScenarioPlatform::Shell(const std::string& commandLine, int windowStyle) {
    transcript_.Event("program started: " + commandLine);
    ScriptedPlatform::Shell(commandLine, windowStyle);
}

void ScenarioPlatform::ReportCopy(const std::string& source, const std::string& destination,
                                  std::optional<std::int32_t> failure) {
    transcript_.Event((failure ? "file copy failed (" + std::to_string(*failure) + "): "
                               : std::string("file copied: ")) +
                      source + " -> " + destination);
}

void ScenarioPlatform::ReportDelete(const std::string& path, std::optional<std::int32_t> failure) {
    transcript_.Event((failure ? "file delete failed (" + std::to_string(*failure) + "): "
                               : std::string("file deleted: ")) +
                      path);
}

void ScenarioPlatform::FileCopy(const std::string& source, const std::string& destination) {
    try {
        ScriptedPlatform::FileCopy(source, destination);
        ReportCopy(source, destination, std::nullopt);
    } catch (const Failure& failure) {
        ReportCopy(source, destination, failure.Number);
        throw;
    }
}

void ScenarioPlatform::DeleteFile(const std::string& path) {
    try {
        ScriptedPlatform::DeleteFile(path);
        ReportDelete(path, std::nullopt);
    } catch (const Failure& failure) {
        ReportDelete(path, failure.Number);
        throw;
    }
}

void ScenarioPlatform::ExternalHelp(const std::string& helpFile, int helpContext) {
    transcript_.Event("  -> Help: opens " + helpFile + " #" + std::to_string(helpContext));
    RecordHelpRequest(helpFile, helpContext);
}

}  // namespace pwk::scenario
