#include <cinttypes>
#include <cstdio>

#include "keelson/ErrorDialog.h"
#include "keelson/Keelson.h"
#include "src/errorlib/IErrorClient.h"

namespace pwk {

namespace {

// The failures to create an object that CheckRecordedError turns into "class not available".
constexpr std::int32_t kClassNotRegistered = static_cast<std::int32_t>(0x80040154u);
constexpr std::int32_t kClassNotAvailable = static_cast<std::int32_t>(0x80040111u);

std::string ActionName(ErrorAction action) {
    switch (action) {
        case ErrorAction::Exit:
            return "2 (exit procedure)";
        case ErrorAction::EndApp:
            return "3 (end application)";
        case ErrorAction::Debug:
            return "4 (debug, retry)";
        case ErrorAction::ResumeNext:
            return "5 (resume next)";
    }
    return std::to_string(static_cast<int>(action));
}

// The client answers with a plain number; only the four actions count as an answer.
std::optional<ErrorAction> AsAction(int number) {
    if (number < static_cast<int>(ErrorAction::Exit) ||
        number > static_cast<int>(ErrorAction::ResumeNext)) {
        return std::nullopt;
    }
    return static_cast<ErrorAction>(number);
}

std::string Hex(std::uint64_t value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*" PRIX64, digits, value);
    return text;
}

}  // namespace

// A failing callback must not stop the report: its failure is logged and the report goes on.
template <class Call>
void Keelson::CallClient(std::string_view name, Call&& call) {
    if (!client_) {
        return;
    }
    try {
        call(*client_);
    } catch (const Failure& failure) {
        WriteLine("  The client's " + std::string(name) + " failed: error " +
                  std::to_string(failure.Number) + ": " + failure.Description);
    }
}

ErrorAction Keelson::HandleError(const Failure& failure, const std::string& module,
                                 const std::string& procedure, const std::string& context,
                                 Boundary boundary, Severity severity, std::int32_t /*flags*/) {
    current_ = failure;
    const ErrorAction action =
        failure.Reported ? PassThrough(failure, module, procedure, context, boundary, severity)
                         : ReportNew(failure, module, procedure, context, boundary, severity);
    log_.Flush();
    return action;
}

// A failure already reported further in is on its way out: note it and keep it going.
ErrorAction Keelson::PassThrough(const Failure& failure, const std::string& module,
                                 const std::string& procedure, const std::string& context,
                                 Boundary boundary, Severity severity) {
    WriteLine("  passing through " + module + "." + procedure + ": error " +
              std::to_string(failure.Number));
    int action = static_cast<int>(ErrorAction::Exit);
    CallClient("StackCollapse", [&](IErrorClient& client) {
        client.StackCollapse(module, procedure, context, static_cast<int>(boundary),
                             static_cast<int>(severity), failure.Line, action);
    });
    return ErrorAction::Exit;
}

ErrorAction Keelson::ReportNew(const Failure& failure, const std::string& module,
                               const std::string& procedure, const std::string& context,
                               Boundary boundary, Severity severity) {
    WriteDiagnosticsOnce();
    const keelson::FailureReport report =
        Describe(failure, module, procedure, context, boundary, severity);
    WriteReport(report);

    // The client may decide the action itself; otherwise the user does, unless nobody is there.
    int answer = 0;
    CallClient("NotifyError", [&](IErrorClient& client) {
        client.NotifyError(module, procedure, context, static_cast<int>(boundary),
                           static_cast<int>(severity), failure.Line, failure.Number,
                           failure.Description, failure.Source, answer);
    });
    std::optional<ErrorAction> chosen = AsAction(answer);
    if (!chosen) {
        chosen = unattended_ ? ErrorAction::Exit : AskUser(report);
    }
    const ErrorAction action = *chosen;
    WriteLine("  Action: " + ActionName(action));
    if (action == ErrorAction::EndApp) {
        log_.Flush();
        CallClient("EndApplication", [](IErrorClient& client) { client.EndApplication(); });
    }
    return action;
}

void Keelson::WriteDiagnosticsOnce() {
    if (diagnosticsWritten_ || !client_) {
        return;
    }
    diagnosticsWritten_ = true;
    WriteLine("---- Diagnostics ----");
    std::string diagnostics;
    CallClient("GetDiagnostics", [&](IErrorClient& client) { client.GetDiagnostics(diagnostics); });
    if (!diagnostics.empty()) {
        WriteLine(diagnostics);
    }
    WriteLine("---- End of diagnostics ----");
}

keelson::FailureReport Keelson::Describe(const Failure& failure, const std::string& module,
                                         const std::string& procedure, const std::string& context,
                                         Boundary boundary, Severity severity) {
    keelson::FailureReport report;
    report.Number = failure.Number;
    report.Description = failure.Description;
    report.Details = failure.Description;
    report.Source = failure.Source;
    report.Line = failure.Line;
    report.Module = module;
    report.Procedure = procedure;
    report.Context = context;
    report.boundary = boundary;
    report.severity = severity;
    report.Activity = activity_;
    report.StepSuggestion = suggestion_;
    CallClient("GetErrorText", [&](IErrorClient& client) {
        client.GetErrorText(failure.Number, report.Description, report.Suggestion, report.Notes);
    });
    return report;
}

void Keelson::WriteReport(const keelson::FailureReport& report) {
    WriteLine("ERROR " + std::to_string(report.Number) + " in " + report.Module + "." +
              report.Procedure + ", line " + std::to_string(report.Line));
    WriteLine("  Description: " + report.Details);
    WriteLine("  Source: " + report.Source);
    if (!report.Context.empty()) {
        WriteLine("  Context: " + report.Context);
    }
    WriteLine("  Boundary: " + std::to_string(static_cast<int>(report.boundary)) +
              ", severity: " + std::to_string(static_cast<int>(report.severity)));
    if (!report.Activity.empty()) {
        WriteLine("  Activity: " + report.Activity);
    }
    if (!report.StepSuggestion.empty()) {
        WriteLine("  Suggestion: " + report.StepSuggestion);
    }
    WriteCallStack();
    WriteLine("  Reported as: " + report.Description + " / " + report.Suggestion);
}

ErrorAction Keelson::AskUser(const keelson::FailureReport& report) {
    for (;;) {
        const keelson::ErrorDialog dialog(
            report, platform_.AppTitle(), applicationName_, debugMode_,
            showCustomButtons_ ? customButtons_ : std::map<int, keelson::CustomButton>{},
            frameCaption_);
        int index = 0;
        try {
            index = platform_.ShowDialog(dialog.Dialog());
        } catch (const Failure& failure) {
            WriteLine("  The error dialog failed: error " + std::to_string(failure.Number) + ": " +
                      failure.Description);
            return ErrorAction::Exit;
        }
        const keelson::ErrorDialog::Choice choice = dialog.Interpret(index);
        if (choice.CustomIndex == 0) {
            return choice.Action;
        }
        // The client's own tool (such as viewing the log); the failure still waits for an answer.
        auto customIndex = static_cast<std::int16_t>(choice.CustomIndex);
        log_.Flush();
        CallClient("CustomClick", [&](IErrorClient& client) { client.CustomClick(customIndex); });
    }
}

// The failing procedure is leaving; at a host entry the failure has gone as far as it goes.
void Keelson::ErrorExit(Boundary boundary) {
    log_.Flush();
    const bool failed = current_.has_value();
    current_.reset();
    if (failed && boundary == Boundary::Host) {
        CallClient("EndStackCollapse", [](IErrorClient& client) { client.EndStackCollapse(); });
    }
}

void Keelson::RecordError(const std::optional<Failure>& failure) {
    recorded_ = failure;
    if (failure && trace_) {
        WriteLine("  recorded error " + std::to_string(failure->Number) + ": " +
                  failure->Description);
    }
}

void Keelson::ReadRecordedError(std::int32_t& number, std::int32_t& line, std::int32_t& severity,
                                std::int32_t& boundary, std::int32_t& helpContext) {
    number = recorded_ ? recorded_->Number : 0;
    line = recorded_ ? recorded_->Line : 0;
    severity = recorded_ ? static_cast<std::int32_t>(Severity::Normal) : 0;
    boundary = 0;
    helpContext = 0;
}

void Keelson::CheckRecordedError(std::int32_t& number) {
    if (number == FailureNumber::CannotCreateObject || number == kClassNotRegistered) {
        number = kClassNotAvailable;
    }
}

// Runs as the process dies, from a fatal-signal handler or the unhandled-exception filter, where
// the heap may be what failed. The lines buffered so far go to the file first, since that flush
// allocates nothing; building the report's lines allocates and may not come back, and the
// client's EndApplication runs only after the report is in the file.
std::int32_t Keelson::ExceptionFilter(const ExceptionRecord& record) {
    log_.Flush();
    WriteLine("UNHANDLED EXCEPTION " + Hex(record.Code, 8) + " at " + Hex(record.Address, 16) +
              ": " + record.Description);
    WriteCallStack();
    log_.Flush();
    CallClient("EndApplication", [](IErrorClient& client) { client.EndApplication(); });
    log_.Flush();
    return 1;
}

}  // namespace pwk
