#include "posix/TerminalBox.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "src/platform/MessageBoxStyle.h"

namespace pwk {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A caption without its accelerator marks ("&Retry" is answered with "r").
std::string Plain(const std::string& caption) {
    std::string plain;
    std::copy_if(caption.begin(), caption.end(), std::back_inserter(plain),
                 [](char c) { return c != '&'; });
    return plain;
}

constexpr const char* HelpAnswer = "?";

}  // namespace

std::string TerminalBox::IconWord(int icon) {
    switch (icon & MsgBoxStyle::IconMask) {
        case MsgBoxStyle::Critical:
            return "Critical";
        case MsgBoxStyle::Question:
            return "Question";
        case MsgBoxStyle::Exclamation:
            return "Warning";
        case MsgBoxStyle::Information:
            return "Information";
        default:
            return "";
    }
}

std::optional<std::size_t> TerminalBox::ButtonFor(const std::string& answer) const {
    const std::string wanted = Lower(Trim(answer));
    if (wanted.empty()) {
        return std::nullopt;
    }
    if (std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const std::size_t number = wanted.size() > 3 ? 0 : std::stoul(wanted);
        if (number >= 1 && number <= Buttons.size()) {
            return number - 1;
        }
        return std::nullopt;
    }
    std::optional<std::size_t> byInitial;
    int initials = 0;
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        const std::string caption = Lower(Plain(Buttons[i]));
        if (caption == wanted) {
            return i;
        }
        if (wanted.size() == 1 && !caption.empty() && caption[0] == wanted[0]) {
            byInitial = i;
            ++initials;
        }
    }
    return initials == 1 ? byInitial : std::nullopt;
}

void TerminalBox::DrawHelp(std::ostream& out) const {
    out << "Help: " << (HelpFile.empty() ? "(no help file)" : HelpFile) << ", context "
        << HelpContext << '\n';
}

void TerminalBox::Draw(std::ostream& out) const {
    const std::string icon = IconWord(Icon);
    out << "\n==== " << Title << (icon.empty() ? "" : " [" + icon + "]") << " ====\n"
        << Text << '\n';
    if (HelpButton) {
        DrawHelp(out);
    }
    if (!FrameCaption.empty()) {
        out << FrameCaption << ":\n";
    }
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        out << "  " << i + 1 << ") " << Plain(Buttons[i]) << (i == DefaultButton ? " *" : "");
        if (i < ToolTips.size() && !ToolTips[i].empty()) {
            out << "  - " << ToolTips[i];
        }
        out << '\n';
    }
    if (HelpButton) {
        out << "  " << HelpAnswer << ") Help\n";
    }
}

std::size_t TerminalBox::Show(const Terminal& terminal) const {
    std::ostream& out = terminal.Out();
    Draw(out);
    const std::size_t fallback = DefaultButton < Buttons.size() ? DefaultButton : 0;
    const std::string prompt = "Answer (number or initial, Enter for the default *): ";
    for (;;) {
        const std::optional<std::string> answer = terminal.Ask(prompt);
        if (!answer || Trim(*answer).empty()) {
            break;
        }
        if (HelpButton && Trim(*answer) == HelpAnswer) {
            DrawHelp(out);
            continue;
        }
        if (const auto chosen = ButtonFor(*answer)) {
            return *chosen;
        }
        out << "Please answer with a number from 1 to " << Buttons.size()
            << " or a button's name.\n";
    }
    if (!Buttons.empty()) {
        out << "-> " << Plain(Buttons[fallback]) << '\n';
    }
    out.flush();
    return fallback;
}

}  // namespace pwk
