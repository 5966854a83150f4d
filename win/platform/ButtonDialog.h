#pragma once

#include "src/platform/Platform.h"

namespace pwk::win {

// A real modal dialog for the error library's error dialog, which has more buttons, and other
// captions, than a message box can offer: the frame caption and the text above, one row of
// buttons with the default one marked, each button's tool tip under the text. Built from an
// in-memory template, so the component needs no resource script.
class ButtonDialog {
  public:
    // The index of the button chosen; -1 when the dialog was closed without one (Escape, the
    // close box) or could not be shown.
    static int Show(const CustomDialog& dialog);
};

}  // namespace pwk::win
