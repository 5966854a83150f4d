#pragma once

#include <map>
#include <string>
#include <vector>

#include "keelson/CustomButton.h"
#include "keelson/FailureReport.h"
#include "src/platform/Platform.h"

namespace pwk::keelson {

// The error dialog for one failure: what it shows, and what each of its buttons means.
//   "Abort"  leave the failing procedure (2)
//   "Retry"  retry the failing statement under the debugger (4); shown in debug mode only
//   "Ignore" continue with the next statement (5)
//   "End"    end the application (3)
// followed by the client's custom buttons in index order.
class ErrorDialog {
  public:
    struct Choice {
        ErrorAction Action = ErrorAction::Exit;  // the action chosen, unless a custom button was
        int CustomIndex = 0;                     // the custom button chosen, or 0
    };

    ErrorDialog(const FailureReport& report, const std::string& title,
                const std::string& applicationName, bool debugMode,
                const std::map<int, CustomButton>& customButtons, const std::string& frameCaption);

    const CustomDialog& Dialog() const { return dialog_; }
    // The meaning of the button at `index`; an index outside the dialog means "Abort".
    Choice Interpret(int index) const;

  private:
    void AddButton(const std::string& caption, const std::string& toolTip, Choice choice);
    static std::string Text(const FailureReport& report, const std::string& applicationName);

    CustomDialog dialog_;
    std::vector<Choice> choices_;
};

}  // namespace pwk::keelson
