#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "sim/ScriptedPlatform.h"
#include "tools/scenario/ExternalAddIn.h"

namespace pwk::scenario {

class Transcript;

// A message box the add-in showed, as the checks see it.
struct ShownBox {
    std::string Title;
    std::string Text;
    int Style = 0;
    int Answer = 0;
};

// The scripted platform of a scenario: every box, dialog and program start goes into the
// transcript as it happens; answers to boxes and to the error library's dialog come, in one
// order, from `answer` commands, otherwise the default button is taken. An answer that is not
// a button of the box or dialog it meets is a scenario error, reported after the command (the
// box then takes its default button: the add-in must never see the scenario's mistake as an
// exception). Dialogs wait for the checks as boxes do.
class ScenarioPlatform : public sim::ScriptedPlatform {
  public:
    explicit ScenarioPlatform(Transcript& transcript) : transcript_(transcript) {}

    // `answer` names a button: a box's ("OK", "Help" ...) or the dialog's ("Ignore", "View
    // Log" ...); `line` is the answer command's line.
    void QueueScenarioAnswer(std::string answer, int line) {
        answers_.push_back({std::move(answer), line});
    }
    std::size_t UnusedAnswers() const { return answers_.size(); }
    // From now on an error dialog with no answer queued is answered Ignore, where it has that
    // button, instead of with its default button.
    void IgnoreUnansweredReports() { ignoreReports_ = true; }

    // Called before each user action: the boxes and help requests of the last action start
    // afresh.
    void BeginAction();
    // The boxes of the last action that no check has taken yet, oldest first.
    std::deque<ShownBox>& UncheckedBoxes() { return unchecked_; }
    std::size_t HelpRequestsOfAction() const { return HelpRequests().size() - helpMark_; }
    std::size_t ShellCallsOfAction() const { return ShellCalls().size() - shellMark_; }
    // A misplaced answer since the last call, with its line.
    std::optional<std::pair<int, std::string>> TakeProblem();

    // A box an external add-in shows on its own platform, while it waits for the answer: into
    // the transcript as the boxes shown here (without the style, which only the add-in knows),
    // answered from the `answer` commands as they are, to the checks. Returns the caption of
    // the button to press, "" for the default one. After Help the same box is asked again;
    // the help it opens comes through ExternalHelp.
    std::string ExternalBox(const ExternalAddIn::Box& box);

    int MsgBox(const std::string& text, int style, const std::string& title,
               const std::string& helpFile = "", int helpContext = 0) override;
    int ShowDialog(const CustomDialog& dialog) override;
    void Shell(const std::string& commandLine, int windowStyle) override;
    void FileCopy(const std::string& source, const std::string& destination) override;
    void DeleteFile(const std::string& path) override;

    // The transcript's lines for a copy or deletion, done (no number) or failed with a number.
    void ReportCopy(const std::string& source, const std::string& destination,
                    std::optional<std::int32_t> failure);
    void ReportDelete(const std::string& path, std::optional<std::int32_t> failure);
    // A box of an external add-in whose Help button was pressed: the help it opened, into the
    // transcript as the Help answer of a box shown here, and recorded for the checks.
    void ExternalHelp(const std::string& helpFile, int helpContext);

  private:
    struct QueuedAnswer {
        std::string Answer;
        int Line;
    };

    // Hands the queued answers meant for this box to the scripted platform; true when a
    // button other than Help was chosen by the scenario.
    bool PrepareAnswers(int style, const std::string& title, const std::string& helpFile,
                        int helpContext);
    // Hands the queued answer meant for this dialog to the scripted platform; true when the
    // scenario chose the button.
    bool PrepareDialogAnswer(const CustomDialog& dialog);
    void NoSuchButton(const QueuedAnswer& queued, const std::string& what,
                      const std::string& buttons);

    Transcript& transcript_;
    std::deque<QueuedAnswer> answers_;
    bool ignoreReports_ = false;
    std::deque<ShownBox> unchecked_;
    std::size_t helpMark_ = 0;
    std::size_t shellMark_ = 0;
    std::optional<std::pair<int, std::string>> problem_;
    bool helpPressed_ = false;
};

}  // namespace pwk::scenario
