#pragma once

#include <cstdint>
#include <string>

namespace pwk {

// The callbacks the error library makes into the add-in that started it.
class IErrorClient {
  public:
    virtual ~IErrorClient() = default;

    virtual void GetDiagnostics(std::string& diagnostics) = 0;
    virtual void GetErrorText(std::int32_t error, std::string& description, std::string& suggestion,
                              std::string& notes) = 0;
    virtual void NotifyError(const std::string& module, const std::string& procedure,
                             const std::string& context, int boundary, int severity,
                             std::int32_t errorLine, std::int32_t errorNum,
                             const std::string& errorText, const std::string& errorSource,
                             int& action) = 0;
    virtual void StackCollapse(const std::string& module, const std::string& procedure,
                               const std::string& context, int boundary, int severity,
                               std::int32_t errorLine, int& action) = 0;
    virtual void EndStackCollapse() = 0;
    virtual void LogString(const std::string& logString, int& action) = 0;
    virtual void TraceString(const std::string& traceString, int& action) = 0;
    virtual void CustomClick(std::int16_t& index) = 0;
    virtual void EndApplication() = 0;
};

}  // namespace pwk
