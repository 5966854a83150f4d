#include "tools/settings/SettingsCommand.h"

#include <array>
#include <cctype>
#include <cstddef>

#include "tools/settings/SettingKey.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

namespace {

struct CommandForm {
    const char* Name;
    std::size_t Arguments;
    enum { NoMailbox, MailboxOptional, MailboxRequired } Mailbox;
    bool ReadsOnly;  // the store is opened for reading only
    const char* Synopsis;
    const char* Description;
};

constexpr std::array<CommandForm, 8> kForms = {{
    {"show", 0, CommandForm::NoMailbox, true, "show",
     "Prints every value stored under \"Parleywick\", section by section."},
    {"list", 0, CommandForm::MailboxOptional, true, "list [--mailbox FILE]",
     "Lists the tracked foldersets by position with their six identifiers; with a\n"
     "mailbox, also the folder each pair names, or \"(not found)\"."},
    {"add", 3, CommandForm::MailboxRequired, false, "add --mailbox FILE CONTACTS JOURNAL EMAILS",
     "Tracks a contacts folder with its journal and e-mails folders, given as folder\n"
     "paths of the mailbox (\"Acme Public/Customers/Contacts\")."},
    {"add-ids", 6, CommandForm::MailboxOptional, false,
     "add-ids [--mailbox FILE] CEID CSID JEID JSID EEID ESID",
     "The same by identifiers: EntryID and StoreID of the contacts, journal and\n"
     "e-mails folders. With a mailbox, each pair must name one of its folders."},
    {"remove", 1, CommandForm::NoMailbox, false, "remove N",
     "Stops tracking the folderset at position N; the others are renumbered."},
    {"set", 2, CommandForm::NoMailbox, false, "set KEY VALUE",
     "Sets a tracking switch (true or false), LogLevel (a whole number), LogPath or\n"
     "LogFilename (text)."},
    {"dropped", 0, CommandForm::MailboxOptional, true, "dropped [--mailbox FILE]",
     "Lists the foldersets the add-in dropped because it could not resolve them (or\n"
     "found them stored after \"Count\"), with when and why, numbered for restore."},
    {"restore", 1, CommandForm::MailboxOptional, false, "restore [--mailbox FILE] N|all",
     "Tracks dropped folderset N (or all of them) again, at the end of the list. With a\n"
     "mailbox, one whose folders are not in it is refused; without, the add-in checks\n"
     "at its next start and drops it again if it still cannot resolve it."},
}};

[[noreturn]] void Usage(const std::string& message) {
    throw ToolError(message + " (see --help)", ToolError::Usage);
}

const CommandForm& FormOf(const std::string& name) {
    for (const CommandForm& form : kForms) {
        if (name == form.Name) {
            return form;
        }
    }
    Usage("unknown command \"" + name + "\"");
}

void Check(const SettingsCommand& command) {
    const CommandForm& form = FormOf(command.Name);
    if (command.Arguments.size() != form.Arguments) {
        Usage(command.Name + " takes " + std::to_string(form.Arguments) + " argument" +
              (form.Arguments == 1 ? "" : "s") + ", " + std::to_string(command.Arguments.size()) +
              " given: " + form.Synopsis);
    }
    if (form.Mailbox == CommandForm::MailboxRequired && !command.MailboxPath) {
        Usage(command.Name + " needs the mailbox the folder paths belong to: " + form.Synopsis);
    }
    if (form.Mailbox == CommandForm::NoMailbox && command.MailboxPath) {
        Usage(command.Name + " does not use a mailbox: " + form.Synopsis);
    }
}

std::string Indented(const std::string& text) {
    std::string result = "      ";
    for (const char c : text) {
        result += c;
        if (c == '\n') {
            result += "      ";
        }
    }
    return result + "\n";
}

}  // namespace

std::string SettingsCommand::HelpText() {
    std::string text =
        "Usage: parleywick-settings [--store FILE] COMMAND [ARGUMENTS]\n"
        "Reads and changes the settings store of the Parleywick add-in, in the layout the\n"
        "add-in reads. A refused command changes nothing.\n"
        "\n"
        "Commands:\n";
    for (const CommandForm& form : kForms) {
        text += std::string("  ") + form.Synopsis + "\n" + Indented(form.Description);
    }
    text += "\nKeys for set:";
    std::size_t column = 0;
    for (const SettingKey& key : SettingKey::All()) {
        const std::string name = key.Key;
        if (column + name.size() > 70) {
            column = 0;
        }
        text += (column == 0 ? "\n   " : " ") + name;
        column += name.size() + 1;
    }
    text +=
        "\n"
        "\n"
        "Options:\n"
        "  --store FILE    the settings file; default $PWK_SETTINGS, else\n"
        "                  $XDG_CONFIG_HOME/parleywick/settings.db, else\n"
        "                  ~/.config/parleywick/settings.db\n"
        "  --mailbox FILE  a mailbox file (JSON) in which folder paths and identifiers\n"
        "                  are looked up\n"
        "  --help, -h      this text\n"
        "  --              ends the options (for a value that starts with \"-\")\n"
        "\n"
        "Exit status: 0 done, 1 refused or the store failed, 2 wrong command line.\n";
    return text;
}

bool SettingsCommand::ReadsOnly() const {
    return !Help && FormOf(Name).ReadsOnly;
}

SettingsCommand SettingsCommand::Parse(const std::vector<std::string>& args) {
    SettingsCommand command;
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) {
                Usage(arg + " needs a file name");
            }
            return args[++i];
        };
        // "-1" is a value (a log level), not an option.
        const bool option = arg.size() >= 2 && arg[0] == '-' &&
                            std::isdigit(static_cast<unsigned char>(arg[1])) == 0;
        if (optionsEnded || !option) {
            words.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            command.Help = true;
        } else if (arg == "--store") {
            command.StorePath = value();
            if (command.StorePath->empty()) {
                Usage("--store needs a file name, not an empty text");
            }
        } else if (arg == "--mailbox") {
            command.MailboxPath = value();
            if (command.MailboxPath->empty()) {
                Usage("--mailbox needs a file name, not an empty text");
            }
        } else {
            Usage("unknown option \"" + arg + "\"");
        }
    }
    if (command.Help) {
        return command;
    }
    if (words.empty()) {
        Usage("no command given");
    }
    command.Name = words.front();
    command.Arguments.assign(words.begin() + 1, words.end());
    Check(command);
    return command;
}

}  // namespace pwk::settingstool
