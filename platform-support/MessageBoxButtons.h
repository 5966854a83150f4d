#pragma once

#include <vector>

namespace pwk {

// The answers of the buttons a message box of `style` shows, in order (the Help button, which
// answers nothing, is left out).
std::vector<int> MsgBoxButtons(int style);

// The answer of the box's default button: the button chosen by the default-button flags, or
// the first one when the style names a button the box does not have.
int MsgBoxDefaultAnswer(int style);

}  // namespace pwk
