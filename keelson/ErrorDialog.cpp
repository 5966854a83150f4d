#include "keelson/ErrorDialog.h"

#include "src/platform/MessageBoxStyle.h"

namespace pwk::keelson {

ErrorDialog::ErrorDialog(const FailureReport& report, const std::string& title,
                         const std::string& applicationName, bool debugMode,
                         const std::map<int, CustomButton>& customButtons,
                         const std::string& frameCaption) {
    dialog_.Title = title;
    dialog_.Text = Text(report, applicationName);
    dialog_.Icon =
        report.severity == Severity::Minor ? MsgBoxStyle::Exclamation : MsgBoxStyle::Critical;
    AddButton("Abort", "Leave the procedure that failed", {ErrorAction::Exit, 0});
    if (debugMode) {
        AddButton("Retry", "Retry the failing statement in the debugger", {ErrorAction::Debug, 0});
    }
    AddButton("Ignore", "Continue with the next statement", {ErrorAction::ResumeNext, 0});
    AddButton("End", "End the application", {ErrorAction::EndApp, 0});
    for (const auto& [index, button] : customButtons) {
        AddButton(button.Caption, button.ToolTip, {ErrorAction::Exit, index});
    }
    dialog_.DefaultButton = 0;
    dialog_.FrameCaption = frameCaption;
}

void ErrorDialog::AddButton(const std::string& caption, const std::string& toolTip, Choice choice) {
    dialog_.Buttons.push_back(caption);
    dialog_.ButtonToolTips.push_back(toolTip);
    choices_.push_back(choice);
}

ErrorDialog::Choice ErrorDialog::Interpret(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= choices_.size()) {
        return choices_.front();
    }
    return choices_[static_cast<std::size_t>(index)];
}

std::string ErrorDialog::Text(const FailureReport& report, const std::string& applicationName) {
    std::string text = "An error occurred in " + applicationName + ".\r\n\r\n";
    text += "Error " + std::to_string(report.Number) + ": " + report.Description + "\r\n";
    if (report.Details != report.Description) {
        text += "Details: " + report.Details + "\r\n";
    }
    text += "Where: " + report.Module + "." + report.Procedure;
    if (report.Line != 0) {
        text += ", line " + std::to_string(report.Line);
    }
    text += "\r\n";
    if (!report.Source.empty()) {
        text += "Source: " + report.Source + "\r\n";
    }
    if (!report.Activity.empty()) {
        text += "While: " + report.Activity + "\r\n";
    }
    if (!report.StepSuggestion.empty()) {
        text += "\r\n" + report.StepSuggestion + "\r\n";
    }
    if (!report.Suggestion.empty()) {
        text += "\r\n" + report.Suggestion + "\r\n";
    }
    if (!report.Notes.empty()) {
        text += "\r\n" + report.Notes;
    }
    return text;
}

}  // namespace pwk::keelson
