#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keelson/CustomButton.h"
#include "keelson/FailureReport.h"
#include "keelson/LogWriter.h"
#include "src/errorlib/ErrorLibrary.h"
#include "src/platform/Platform.h"

namespace pwk {

// The error library: the log, tracing, failure reports with the error dialog, and the
// actions that tell a traced procedure what to do about a failure. One object serves one
// add-in and is used from its user-interface thread only, so nothing here locks.
//
// Log lines read "[<date-time>] <text>"; see docs/keelson.md for the layout of traces and
// failure reports.
class Keelson : public ErrorLibrary {
  public:
    static constexpr const char* ProgID = ErrorLibraryProgID;

    explicit Keelson(Platform& platform);
    ~Keelson() override;
    Keelson(const Keelson&) = delete;
    Keelson& operator=(const Keelson&) = delete;

    void ProcEnter(std::string_view module, std::string_view procedure) override;
    void ProcExit(std::string_view module, std::string_view procedure) override;

    ErrorAction HandleError(const Failure& failure, const std::string& module,
                            const std::string& procedure, const std::string& context,
                            Boundary boundary, Severity severity, std::int32_t flags) override;
    void ErrorExit(Boundary boundary) override;
    bool DebugMode() const override { return debugMode_; }
    void SetDebugMode(bool debugMode) { debugMode_ = debugMode; }

    void LogText(const std::string& text) override;

    void RecordError(const std::optional<Failure>& failure) override;
    void ReadRecordedError(std::int32_t& number, std::int32_t& line, std::int32_t& severity,
                           std::int32_t& boundary, std::int32_t& helpContext) override;
    void CheckRecordedError(std::int32_t& number) override;

    void SetActivity(const std::string& text) override { activity_ = text; }
    void SetSuggestion(const std::string& text) override { suggestion_ = text; }

    void SetClient(std::shared_ptr<IErrorClient> client) override { client_ = std::move(client); }
    void SetApplicationName(const std::string& name) override { applicationName_ = name; }
    void SetLogPath(const std::string& path) override { logPath_ = path; }
    std::string LogPath() const override { return logPath_; }
    void SetLogFilename(const std::string& name) override { logFilename_ = name; }
    std::string LogFilename() const override { return logFilename_; }
    void SetInIDE(bool inIde) override { inIde_ = inIde; }
    void SetTrace(bool trace) override { trace_ = trace; }
    bool Trace() const override { return trace_; }
    void SetUnattended(bool unattended) override { unattended_ = unattended; }
    void SetDateFormat(const std::string& format) override { dateFormat_ = format; }
    std::string DateFormat() const override { return dateFormat_; }

    // Opens the log (folders are created as needed); fails with 75 when it cannot.
    void Start() override;
    // Logs the exception, saves the log, ends the application; 1 = handled.
    std::int32_t ExceptionFilter(const ExceptionRecord& record) override;

    void ClearCustomButtons(int index) override;
    void SetCustomButtonCaption(int index, const std::string& caption) override;
    void SetCustomButtonToolTip(int index, const std::string& tooltip) override;
    void SetShowCustomButtons(bool show) override { showCustomButtons_ = show; }
    void SetCustomFrameCaption(const std::string& caption) override { frameCaption_ = caption; }

    // Where the log is written on this machine ("" before Start).
    const std::string& LogFileNativePath() const { return logNativePath_; }
    // Writes what is buffered now.
    void Flush() { log_.Flush(); }

  private:
    struct Frame {
        std::string_view Module;
        std::string_view Procedure;
    };

    // Log lines.
    void BeginLine();
    void WriteLine(std::string_view text);
    void TraceLine(std::string_view marker, std::size_t depth, std::string_view module,
                   std::string_view procedure);
    void WriteCallStack();

    // Failures.
    ErrorAction ReportNew(const Failure& failure, const std::string& module,
                          const std::string& procedure, const std::string& context,
                          Boundary boundary, Severity severity);
    ErrorAction PassThrough(const Failure& failure, const std::string& module,
                            const std::string& procedure, const std::string& context,
                            Boundary boundary, Severity severity);
    void WriteDiagnosticsOnce();
    keelson::FailureReport Describe(const Failure& failure, const std::string& module,
                                    const std::string& procedure, const std::string& context,
                                    Boundary boundary, Severity severity);
    void WriteReport(const keelson::FailureReport& report);
    ErrorAction AskUser(const keelson::FailureReport& report);
    template <class Call>
    void CallClient(std::string_view name, Call&& call);

    Platform& platform_;
    std::shared_ptr<IErrorClient> client_;
    std::string applicationName_;
    std::string logPath_;
    std::string logFilename_;
    std::string dateFormat_;
    bool inIde_ = false;
    bool trace_ = false;
    bool unattended_ = false;
    bool debugMode_ = false;

    keelson::LogWriter log_;
    std::string logNativePath_;
    std::chrono::sys_seconds stampSecond_{};
    std::string stamp_;
    bool diagnosticsWritten_ = false;

    // The traced procedures now running, innermost last. The names are the callers' own
    // (literals, as the traced-procedure guard passes them), so keeping views costs nothing.
    std::vector<Frame> stack_;

    std::optional<Failure> current_;
    std::optional<Failure> recorded_;
    std::string activity_;
    std::string suggestion_;

    std::map<int, keelson::CustomButton> customButtons_;
    bool showCustomButtons_ = false;
    std::string frameCaption_;
};

}  // namespace pwk
