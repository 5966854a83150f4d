#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "posix/Terminal.h"

namespace pwk {

// A message box or dialog drawn as text: title, icon word, text, help reference and numbered
// buttons with the default marked. The user answers with a button's number, its initial or
// its caption; an empty answer, end of input or nobody at the terminal takes the default.
class TerminalBox {
  public:
    std::string Title;
    std::string Text;
    int Icon = 0;  // a MsgBoxStyle icon flag
    std::vector<std::string> Buttons;
    std::vector<std::string> ToolTips;
    std::size_t DefaultButton = 0;
    std::string FrameCaption;
    bool HelpButton = false;
    std::string HelpFile;
    int HelpContext = 0;

    // Draws the box and returns the index of the button chosen.
    std::size_t Show(const Terminal& terminal) const;

    // The word that stands for an icon flag ("Critical", "Question" ...), empty for none.
    static std::string IconWord(int icon);
    // The button an answer names, if exactly one.
    std::optional<std::size_t> ButtonFor(const std::string& answer) const;

  private:
    void Draw(std::ostream& out) const;
    void DrawHelp(std::ostream& out) const;
};

}  // namespace pwk
