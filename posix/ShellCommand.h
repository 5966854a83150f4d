#pragma once

#include <functional>
#include <string>

namespace pwk {

// Turns the add-in's command lines into commands for /bin/sh and starts them. The add-in only
// ever starts "Notepad.exe " with a file: that opens the file in the user's editor ($VISUAL,
// else $EDITOR, else the desktop's opener "xdg-open"), with the file's native path.
class ShellCommand {
  public:
    using NativePathFunction = std::function<std::string(const std::string&)>;

    // The shell command for `commandLine`; any other command line is passed on as it is.
    static std::string ForCommandLine(const std::string& commandLine,
                                      const NativePathFunction& nativePath);
    // The user's editor command.
    static std::string Editor();
    // `word` as one shell word, in single quotes.
    static std::string Quote(const std::string& word);
    // Starts `command` with /bin/sh -c and does not wait for it; fails (53) when the shell
    // cannot be started.
    static void Start(const std::string& command);
};

}  // namespace pwk
