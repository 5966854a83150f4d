#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "src/errorlib/ErrorCodes.h"
#include "src/platform/AutomationObject.h"
#include "src/platform/ExceptionRecord.h"
#include "src/util/Failure.h"

namespace pwk {

class IErrorClient;

// The ProgID by which start-up creates the process-wide error object.
inline constexpr const char* ErrorLibraryProgID = "Keelson6.ErrorObject";

// The process-wide error object of the external error library: tracing, the log, failure
// handling and the error dialog. The add-in relies on exactly these operations.
class ErrorLibrary : public AutomationObject {
  public:
    // Tracing.
    virtual void ProcEnter(std::string_view module, std::string_view procedure) = 0;
    virtual void ProcExit(std::string_view module, std::string_view procedure) = 0;

    // Failure handling: HandleError answers with the action the failing procedure takes.
    // ErrorExit tells the library that the procedure is leaving after the failure; it never
    // throws. What goes on to the caller is the traced procedure's business, not the library's.
    virtual ErrorAction HandleError(const Failure& failure, const std::string& module,
                                    const std::string& procedure, const std::string& context,
                                    Boundary boundary, Severity severity, std::int32_t flags) = 0;
    virtual void ErrorExit(Boundary boundary) = 0;
    virtual bool DebugMode() const = 0;

    virtual void LogText(const std::string& text) = 0;

    // Failures of steps run with failures ignored: recorded, then read back.
    virtual void RecordError(const std::optional<Failure>& failure) = 0;
    virtual void ReadRecordedError(std::int32_t& number, std::int32_t& line, std::int32_t& severity,
                                   std::int32_t& boundary, std::int32_t& helpContext) = 0;
    virtual void CheckRecordedError(std::int32_t& number) = 0;

    virtual void SetActivity(const std::string& text) = 0;
    virtual void SetSuggestion(const std::string& text) = 0;

    // Settings, made before Start.
    virtual void SetClient(std::shared_ptr<IErrorClient> client) = 0;
    virtual void SetApplicationName(const std::string& name) = 0;
    virtual void SetLogPath(const std::string& path) = 0;
    virtual std::string LogPath() const = 0;
    virtual void SetLogFilename(const std::string& name) = 0;
    virtual std::string LogFilename() const = 0;
    virtual void SetInIDE(bool inIde) = 0;
    virtual void SetTrace(bool trace) = 0;
    virtual bool Trace() const = 0;
    virtual void SetUnattended(bool unattended) = 0;
    virtual void SetDateFormat(const std::string& format) = 0;
    virtual std::string DateFormat() const = 0;

    virtual void Start() = 0;
    virtual std::int32_t ExceptionFilter(const ExceptionRecord& record) = 0;

    // The client's custom button on the error dialog (button 1 only).
    virtual void ClearCustomButtons(int index) = 0;
    virtual void SetCustomButtonCaption(int index, const std::string& caption) = 0;
    virtual void SetCustomButtonToolTip(int index, const std::string& tooltip) = 0;
    virtual void SetShowCustomButtons(bool show) = 0;
    virtual void SetCustomFrameCaption(const std::string& caption) = 0;
};

}  // namespace pwk
