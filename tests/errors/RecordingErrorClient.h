#pragma once

#include <string>
#include <vector>

#include "src/errorlib/ErrorLibrary.h"
#include "src/errorlib/IErrorClient.h"

namespace pwk::test {

// An error client that records the library's callbacks and answers them as a test sets up.
class RecordingErrorClient : public IErrorClient {
  public:
    std::vector<std::string> calls;
    ErrorLibrary* library = nullptr;  // for the callbacks that call back into the library
    bool offerViewLog = false;        // NotifyError adds custom button 1
    int notifyAction = 0;             // what NotifyError sets Action to (0: leaves it)
    bool failEndApplication = false;

    void GetDiagnostics(std::string&) override {
        calls.push_back("GetDiagnostics");
        if (library != nullptr) {
            library->LogText("diagnostic line\r\n");
        }
    }
    void GetErrorText(std::int32_t error, std::string& description, std::string& suggestion,
                      std::string& notes) override {
        calls.push_back("GetErrorText " + std::to_string(error));
        description = "Client text for " + std::to_string(error);
        suggestion = "Client suggestion";
        notes = "Client notes";
    }
    void NotifyError(const std::string& module, const std::string& procedure, const std::string&,
                     int boundary, int, std::int32_t, std::int32_t errorNum, const std::string&,
                     const std::string&, int& action) override {
        calls.push_back("NotifyError " + module + "." + procedure + " b" +
                        std::to_string(boundary) + " e" + std::to_string(errorNum));
        if (offerViewLog && library != nullptr) {
            library->ClearCustomButtons(0);
            library->SetCustomButtonCaption(1, "View Log");
            library->SetCustomButtonToolTip(1, "Opens notepad");
            library->SetShowCustomButtons(true);
        }
        if (notifyAction != 0) {
            action = notifyAction;
        }
    }
    void StackCollapse(const std::string& module, const std::string& procedure, const std::string&,
                       int boundary, int, std::int32_t, int&) override {
        calls.push_back("StackCollapse " + module + "." + procedure + " b" +
                        std::to_string(boundary));
    }
    void EndStackCollapse() override { calls.push_back("EndStackCollapse"); }
    void LogString(const std::string&, int&) override {}
    void TraceString(const std::string&, int&) override {}
    void CustomClick(std::int16_t& index) override {
        calls.push_back("CustomClick " + std::to_string(index));
    }
    void EndApplication() override {
        calls.push_back("EndApplication");
        if (failEndApplication) {
            throw Failure(5, "cannot end");
        }
    }

    int Count(const std::string& prefix) const {
        int count = 0;
        for (const auto& call : calls) {
            count += call.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return count;
    }
};

}  // namespace pwk::test
