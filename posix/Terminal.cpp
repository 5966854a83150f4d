#include "posix/Terminal.h"

#include <unistd.h>

#include <iostream>

namespace pwk {

Terminal Terminal::Standard() {
    return Terminal(std::cerr, isatty(STDIN_FILENO) == 1 ? &std::cin : nullptr);
}

std::optional<std::string> Terminal::Ask(const std::string& prompt) const {
    if (in_ == nullptr) {
        return std::nullopt;
    }
    *out_ << prompt << std::flush;
    std::string line;
    if (!std::getline(*in_, line)) {
        *out_ << '\n';
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace pwk
