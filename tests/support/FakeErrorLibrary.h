#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "src/errorlib/ErrorLibrary.h"

namespace pwk::test {

// An error library that records what it is told and answers HandleError from a queue
// (Exit when the queue is empty).
class FakeErrorLibrary : public ErrorLibrary {
  public:
    std::vector<std::string> calls;
    std::vector<std::string> logLines;
    std::deque<ErrorAction> actions;
    bool debugMode = false;
    std::optional<Failure> current;  // the failure last handed to HandleError
    std::optional<Failure> recorded;
    std::string activity, suggestion, logPath, logFilename, dateFormat;
    bool trace = false;

    void ProcEnter(std::string_view module, std::string_view procedure) override {
        calls.push_back("enter " + std::string(module) + "." + std::string(procedure));
    }
    void ProcExit(std::string_view module, std::string_view procedure) override {
        calls.push_back("exit " + std::string(module) + "." + std::string(procedure));
    }
    ErrorAction HandleError(const Failure& failure, const std::string& module,
                            const std::string& procedure, const std::string& /*context*/,
                            Boundary boundary, Severity severity, std::int32_t flags) override {
        calls.push_back("handle " + std::to_string(failure.Number) + " " + module + "." +
                        procedure + " b" + std::to_string(static_cast<int>(boundary)) + " s" +
                        std::to_string(static_cast<int>(severity)) + " f" + std::to_string(flags));
        current = failure;
        if (actions.empty()) {
            return ErrorAction::Exit;
        }
        const ErrorAction action = actions.front();
        actions.pop_front();
        return action;
    }
    void ErrorExit(Boundary boundary) override {
        calls.push_back("errorexit " + std::to_string(static_cast<int>(boundary)));
    }
    bool DebugMode() const override { return debugMode; }
    void LogText(const std::string& text) override { logLines.push_back(text); }
    void RecordError(const std::optional<Failure>& failure) override { recorded = failure; }
    void ReadRecordedError(std::int32_t& number, std::int32_t&, std::int32_t&, std::int32_t&,
                           std::int32_t&) override {
        number = recorded ? recorded->Number : 0;
    }
    void CheckRecordedError(std::int32_t&) override {}
    void SetActivity(const std::string& text) override { activity = text; }
    void SetSuggestion(const std::string& text) override { suggestion = text; }
    void SetClient(std::shared_ptr<IErrorClient>) override {}
    void SetApplicationName(const std::string&) override {}
    void SetLogPath(const std::string& path) override { logPath = path; }
    std::string LogPath() const override { return logPath; }
    void SetLogFilename(const std::string& name) override { logFilename = name; }
    std::string LogFilename() const override { return logFilename; }
    void SetInIDE(bool) override {}
    void SetTrace(bool on) override { trace = on; }
    bool Trace() const override { return trace; }
    void SetUnattended(bool) override {}
    void SetDateFormat(const std::string& format) override { dateFormat = format; }
    std::string DateFormat() const override { return dateFormat; }
    void Start() override { calls.push_back("start"); }
    std::int32_t ExceptionFilter(const ExceptionRecord&) override { return 1; }
    void ClearCustomButtons(int) override {}
    void SetCustomButtonCaption(int, const std::string&) override {}
    void SetCustomButtonToolTip(int, const std::string&) override {}
    void SetShowCustomButtons(bool) override {}
    void SetCustomFrameCaption(const std::string&) override {}
};

}  // namespace pwk::test
