#include "posix/ShellCommand.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "src/util/Failure.h"
#include "store/UserFolders.h"

extern char** environ;

namespace pwk {

namespace {

constexpr std::string_view EditorProgram = "notepad.exe ";

bool StartsWithEditorProgram(const std::string& commandLine) {
    if (commandLine.size() < EditorProgram.size()) {
        return false;
    }
    for (std::size_t i = 0; i < EditorProgram.size(); ++i) {
        const char c = commandLine[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != EditorProgram[i]) {
            return false;
        }
    }
    return true;
}

// The file argument, without the double quotes a host command line may put around it.
std::string Unquoted(std::string argument) {
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
        return argument.substr(1, argument.size() - 2);
    }
    return argument;
}

}  // namespace

std::string ShellCommand::ForCommandLine(const std::string& commandLine,
                                         const NativePathFunction& nativePath) {
    if (!StartsWithEditorProgram(commandLine)) {
        return commandLine;
    }
    const std::string file = Unquoted(commandLine.substr(EditorProgram.size()));
    return Editor() + " " + Quote(nativePath(file));
}

std::string ShellCommand::Editor() {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        if (std::string editor = UserFolders::Environment(variable); !editor.empty()) {
            return editor;
        }
    }
    return "xdg-open";
}

std::string ShellCommand::Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

void ShellCommand::Start(const std::string& command) {
    std::string shell = "/bin/sh";
    std::string flag = "-c";
    std::string text = command;
    char* argv[] = {shell.data(), flag.data(), text.data(), nullptr};
    pid_t child = 0;
    const int error = posix_spawn(&child, shell.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0) {
        throw Failure(FailureNumber::FileNotFound,
                      DescriptionOf(FailureNumber::FileNotFound) + ": cannot start \"" + command +
                          "\" (" + std::strerror(error) + ")",
                      "Shell");
    }
    // Nobody waits for the program, but its exit must still be collected.
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
}

}  // namespace pwk
