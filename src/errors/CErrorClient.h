#pragma once

#include "src/errorlib/IErrorClient.h"

namespace pwk {

class Component;
class ErrorLibrary;

// The add-in's side of the error library: system diagnostics for the log, the wording of
// failures for the error dialog, the dialog's "View Log" button, and ending the add-in when
// the library gives up. Keeps no state; everything comes from the component.
class CErrorClient : public IErrorClient {
  public:
    explicit CErrorClient(Component& component) : component_(component) {}

    void GetDiagnostics(std::string& diagnostics) override;
    void GetErrorText(std::int32_t error, std::string& description, std::string& suggestion,
                      std::string& notes) override;
    void NotifyError(const std::string& module, const std::string& procedure,
                     const std::string& context, int boundary, int severity, std::int32_t errorLine,
                     std::int32_t errorNum, const std::string& errorText,
                     const std::string& errorSource, int& action) override;
    void StackCollapse(const std::string&, const std::string&, const std::string&, int, int,
                       std::int32_t, int&) override {}
    void EndStackCollapse() override {}
    void LogString(const std::string&, int&) override {}
    void TraceString(const std::string&, int&) override {}
    void CustomClick(std::int16_t& index) override;
    void EndApplication() override;

  private:
    void LogOperatingSystem(ErrorLibrary& errors);

    Component& component_;
};

}  // namespace pwk
