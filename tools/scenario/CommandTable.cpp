#include "tools/scenario/CommandTable.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "tools/scenario/ScenarioError.h"

namespace pwk::scenario {

namespace {

ArgSpec Text(std::string name) {
    return ArgSpec{std::move(name), {}, false, {}};
}

ArgSpec Number(std::string name) {
    return ArgSpec{std::move(name), {}, true, {}};
}

// A place in a list, counted from 1.
ArgSpec Position(std::string name) {
    return ArgSpec{std::move(name), {}, true, 1};
}

// How many of something there are.
ArgSpec Count(std::string name) {
    return ArgSpec{std::move(name), {}, true, 0};
}

ArgSpec Choice(std::vector<std::string> choices) {
    std::string name;
    for (const std::string& choice : choices) {
        name += (name.empty() ? "" : "|") + choice;
    }
    return ArgSpec{name, std::move(choices), false, {}};
}

// A command with `required` of `args` needed.
CommandSpec Spec(std::string name, std::vector<ArgSpec> args, std::size_t required,
                 std::vector<std::string> keys, std::string usage, std::string summary) {
    CommandSpec spec;
    spec.Name = std::move(name);
    spec.Args = std::move(args);
    spec.Required = required;
    spec.Keys = std::move(keys);
    spec.Usage = std::move(usage);
    spec.Summary = std::move(summary);
    return spec;
}

CommandSpec Repeating(CommandSpec spec) {
    spec.Repeats = true;
    return spec;
}

CommandSpec AnyKeys(CommandSpec spec) {
    spec.AnyKeys = true;
    return spec;
}

// The command's `times=N` option counts, from `least`.
CommandSpec Times(CommandSpec spec, std::int64_t least) {
    spec.NumberKeys.push_back(ArgSpec{"times", {}, true, least});
    return spec;
}

std::vector<CommandSpec> StandardSpecs() {
    const std::vector<std::string> answers{"Yes",   "No",    "OK",     "Cancel", "Help",
                                           "Abort", "Retry", "Ignore", "End",    "View Log"};
    return {
        // Set-up.
        Spec("mailbox", {Text("FILE")}, 1, {}, "mailbox FILE|demo",
             "the mailbox the host starts with (demo: the bundled one)"),
        Spec("settings", {Text("memory|FILE")}, 1, {}, "settings memory|FILE",
             "keep the settings in memory or in an SQLite file"),
        Spec("setting", {Text("SECTION"), Text("KEY"), Text("VALUE")}, 3, {},
             "setting SECTION KEY VALUE", "store one setting of the add-in"),
        Spec("host name", {Text("TEXT")}, 1, {}, "host name TEXT", "the host's Name"),
        Spec("host version", {Text("TEXT")}, 1, {}, "host version TEXT", "the host's Version"),
        Spec("host productcode", {Text("TEXT")}, 1, {}, "host productcode TEXT",
             "the host's ProductCode"),
        Spec("host commandline", {Text("TEXT")}, 1, {}, "host commandline TEXT",
             "the host's command line (/TRACE turns tracing on)"),
        Spec("host typename", {Text("TEXT")}, 1, {}, "host typename TEXT",
             "the type name the host's application object reports"),
        Spec("host os",
             {Number("PLATFORM"), Number("MAJOR"), Number("MINOR"), Number("BUILD"),
              Text("SERVICEPACK")},
             4, {}, "host os PLATFORM MAJOR MINOR BUILD [SERVICEPACK]",
             "the operating system's version record"),
        Spec("debug-mode", {Choice({"on", "off"})}, 1, {}, "debug-mode on|off",
             "the error library's debug mode"),
        Spec("unattended", {Choice({"on", "off"})}, 1, {}, "unattended on|off",
             "the component's unattended-execution setting (read at start)"),
        Spec("host mail-editor", {Choice({"text", "html", "rich", "word"})}, 1, {},
             "host mail-editor text|html|rich|word", "the editor new mail inspectors get"),
        Spec("host without-bar", {Choice({"explorer", "inspector"}), Text("BAR")}, 2, {},
             "host without-bar explorer|inspector BAR", "new windows of the kind lack the bar"),
        Spec("host without-control", {Choice({"explorer", "inspector"}), Text("CAPTION")}, 2, {},
             "host without-control explorer|inspector CAPTION",
             "new windows of the kind lack the control (in menus too)"),
        Spec("host leftover",
             {Choice({"explorer", "inspector"}), Text("BAR"), Text("CAPTION"), Text("TAG"),
              Choice({"shown", "hidden"})},
             4, {}, "host leftover explorer|inspector BAR CAPTION TAG [shown|hidden]",
             "new windows of the kind have a button an earlier run left on the bar"),
        Spec("start", {}, 0, {"explorer", "inspector", "mode"},
             "start [explorer=FOLDER[,FOLDER ...]|none] [inspector=mail] [mode=N]",
             "start the host, open its first windows and load the add-in"),
        Spec("quit", {}, 0, {}, "quit", "close every window; the host shuts down"),
        // User actions.
        Spec("explorer", {Text("FOLDER")}, 1, {}, "explorer FOLDER",
             "open an explorer on a folder"),
        Spec("switch", {Text("FOLDER")}, 1, {}, "switch FOLDER",
             "show another folder in the explorer"),
        Repeating(Spec("select", {Text("ITEM")}, 0, {}, "select [ITEM ...]",
                       "select items of the explorer's folder (none: clear)")),
        Spec("open", {Text("ITEM")}, 1, {"in"}, "open ITEM [in=FOLDER]",
             "open an item in an inspector"),
        Spec("compose mail", {}, 0, {"to", "cc", "bcc", "subject", "body"},
             "compose mail [to=A,B] [cc=C] [bcc=D] [subject=TEXT] [body=TEXT]", "open a new mail"),
        Spec("compose appointment", {}, 0, {"subject", "start", "end", "body"},
             "compose appointment [subject=TEXT] [start=TIME] [end=TIME] [body=TEXT]",
             "open a new appointment"),
        Spec("link", {Text("CONTACT")}, 1, {"in"}, "link CONTACT [in=FOLDER]",
             "link a contact to the item of the inspector"),
        Spec("send", {}, 0, {}, "send", "send the mail of the inspector"),
        Spec("save", {}, 0, {}, "save", "save the item of the inspector"),
        AnyKeys(Spec("type", {}, 0, {}, "type FIELD=VALUE ...",
                     "fill in text fields of the inspector's item, as a user types")),
        Spec("click", {Text("CAPTION")}, 1, {}, "click CAPTION", "click a control of the window"),
        Spec("toolbar", {Text("BAR")}, 1, {}, "toolbar BAR",
             "turn on a bar the window lacks (as the host's default has it)"),
        Spec("close", {Choice({"explorer", "inspector"}), Position("N")}, 0, {},
             "close [explorer|inspector [N]]", "close the window (or the one named)"),
        Spec("deliver", {}, 0, {"from", "name", "subject", "body"},
             "deliver from=ADDRESS [name=TEXT] subject=TEXT [body=TEXT]",
             "a mail arrives in the Inbox"),
        Spec("add-in off", {}, 0, {}, "add-in off",
             "switch the add-in off in the host's add-in list (windows stay open)"),
        Spec("add-in on", {}, 0, {"mode"}, "add-in on [mode=N]",
             "switch the add-in on again in the host's add-in list"),
        Spec("options", {Choice({"keep-open"})}, 0, {}, "options [keep-open]",
             "open the options dialog (keep-open: it stays open, and the next change on the "
             "add-in's page is made in it)"),
        Spec("track", {Text("CONTACTS"), Text("JOURNAL"), Text("EMAILS")}, 3, {"attach"},
             "track CONTACTS|- JOURNAL|- EMAILS|- [attach=FOLDER]",
             "on the options page, add a tracked folderset of three folders picked in the "
             "host's picker (-: the user cancels the picker), then OK"),
        Spec("untrack", {Position("N")}, 1, {}, "untrack N",
             "on the options page, remove the n-th tracked folderset, then OK"),
        Spec("option", {Text("NAME"), Choice({"on", "off"})}, 2, {}, "option NAME on|off",
             "switch an option as the options page hands settings back"),
        Spec("log-level", {Text("TEXT")}, 1, {}, "log-level TEXT",
             "on the options page, type the log level, then OK"),
        Repeating(Spec("answer", {Choice(answers)}, 1, {},
                       "answer Yes|No|OK|Cancel|Help|Abort|Retry|Ignore|End|\"View Log\" ...",
                       "answers for the next message boxes and error dialogs")),
        Spec("choose-file", {Text("PATH|cancel")}, 1, {}, "choose-file PATH|cancel",
             "the answer for the next file chooser"),
        Spec("absent", {Choice({"options-page", "messaging", "error-library", "file-utility"})}, 1,
             {}, "absent options-page|messaging|error-library|file-utility",
             "uninstall a component the add-in creates by its ProgID"),
        Repeating(Spec("note", {Text("TEXT")}, 1, {}, "note TEXT ...",
                       "write a line into the transcript")),
        // Faults.
        Times(Spec("fail", {Text("MEMBER"), Number("NUMBER")}, 1, {"times"},
                   "fail MEMBER [NUMBER] [times=N]", "every call of a host member fails"),
              1),
        Times(Spec("nothing", {Text("MEMBER")}, 1, {"times"}, "nothing MEMBER [times=N]",
                   "a host member that hands back an object hands back nothing"),
              1),
        Spec("fail-call", {Position("N"), Number("NUMBER")}, 1, {}, "fail-call N [NUMBER]",
             "the n-th host call from now fails"),
        Spec("fail-file", {Text("PATH"), Number("NUMBER")}, 1, {"on"},
             "fail-file PATH [NUMBER] [on=copy|delete]",
             "copying or deleting that file fails (or only one of the two)"),
        Times(Spec("fail-store", {Choice({"read", "save", "remove"}), Number("NUMBER")}, 1,
                   {"times"}, "fail-store read|save|remove [NUMBER] [times=N]",
                   "reading, saving or removing settings fails"),
              1),
        Spec("fail-clear", {}, 0, {}, "fail-clear", "no planned failures any more"),
        // Looking.
        Repeating(Spec("admin", {Text("ARGUMENT")}, 1, {}, "admin COMMAND [ARGUMENT ...]",
                       "run the settings tool on the scenario's settings store")),
        Spec("show folder", {Text("FOLDER")}, 1, {}, "show folder FOLDER",
             "list the items of a folder"),
        Spec("show folders", {}, 0, {}, "show folders", "list every folder of the mailbox"),
        Spec("show buttons", {}, 0, {}, "show buttons", "list the controls of the window"),
        Spec("show windows", {}, 0, {}, "show windows", "list the open windows"),
        Spec("show settings", {}, 0, {}, "show settings", "list the stored settings"),
        Spec("show log", {}, 0, {}, "show log", "print the error library's log"),
        Spec("show held", {}, 0, {}, "show held", "list host objects held from outside"),
        Spec("show calls", {}, 0, {}, "show calls",
             "list the host members called in this host process, with their counts"),
        // Checks.
        Repeating(Spec("expect box", {Text("TITLE"), Text("TEXT")}, 1, {},
                       "expect box TITLE [TEXT ...]",
                       "the next message box of the last action, its text holding each TEXT")),
        Repeating(Spec("expect admin", {Text("TEXT")}, 1, {}, "expect admin TEXT ...",
                       "the last admin command's output holds each text")),
        Spec("expect no-box", {}, 0, {}, "expect no-box",
             "no unchecked message box is left from the last action"),
        Spec("expect help", {Text("FILE"), Number("CONTEXT")}, 2, {}, "expect help FILE CONTEXT",
             "help was asked for with that file and context"),
        Spec("expect program", {Text("COMMANDLINE")}, 1, {}, "expect program COMMANDLINE",
             "the last action started a program with that command line"),
        Spec("expect count", {Text("FOLDER"), Count("N")}, 2, {}, "expect count FOLDER N",
             "how many items a folder holds"),
        AnyKeys(Spec("expect item", {Text("FOLDER"), Position("N")}, 2, {},
                     "expect item FOLDER N FIELD=VALUE ...", "fields of the n-th item")),
        Spec("expect button",
             {Text("CAPTION"), Choice({"shown", "hidden", "enabled", "disabled"}),
              Choice({"shown", "hidden", "enabled", "disabled"})},
             1, {"tooltip"},
             "expect button CAPTION [shown|hidden] [enabled|disabled] [tooltip=TEXT]",
             "a control of the window"),
        Spec("expect no-button", {Text("CAPTION")}, 1, {}, "expect no-button CAPTION",
             "the window has no such control, shown or hidden"),
        Spec("expect setting", {Text("SECTION"), Text("KEY"), Text("VALUE")}, 3, {},
             "expect setting SECTION KEY VALUE", "a stored setting"),
        Spec("expect no-setting", {Text("SECTION"), Text("KEY")}, 2, {},
             "expect no-setting SECTION KEY", "the setting is not stored"),
        Times(
            Spec("expect log", {Text("TEXT")}, 1, {"times", "in"},
                 "expect log TEXT [times=N] [in=start]",
                 "a line of the log holds the text (exactly N lines do; in=start: of this start)"),
            0),
        Spec("expect no-log", {Text("TEXT")}, 1, {"in"}, "expect no-log TEXT [in=start]",
             "no line of the log (of this start) holds the text"),
        Spec("expect log-lines", {Count("N")}, 1, {}, "expect log-lines N",
             "lines this host process has written to the log"),
        Spec("expect sent", {}, 0, {}, "expect sent", "the last send went"),
        Spec("expect pages", {Count("N")}, 1, {}, "expect pages N",
             "the last options dialog had N pages from add-ins"),
        Spec("expect page-message", {Text("TEXT")}, 1, {}, "expect page-message TEXT",
             "the options page's message at the last change on it holds the text (\"\": "
             "it said nothing)"),
        Spec("expect failed-calls", {Count("N")}, 1, {}, "expect failed-calls N",
             "N planned host call failures have been raised since the host started"),
        Spec("expect cancelled", {}, 0, {}, "expect cancelled", "the last send was cancelled"),
        Spec("expect hooks", {Count("EXPLORERS"), Count("INSPECTORS")}, 2, {},
             "expect hooks EXPLORERS INSPECTORS", "windows the add-in has hooked"),
        Spec("expect watching", {Choice({"explorer", "inspector", "none"}), Position("N")}, 1, {},
             "expect watching explorer|inspector|none [N]",
             "the window the add-in watches (N: its place in the host's list)"),
        Repeating(Spec("expect hook-keys", {Choice({"explorer", "inspector"}), Text("KEY")}, 1, {},
                       "expect hook-keys explorer|inspector [KEY ...]",
                       "the keys of the add-in's hooks of that kind, in the order of hooking")),
        Spec("expect sent-items-hook", {Choice({"yes", "no"})}, 1, {},
             "expect sent-items-hook yes|no", "whether the add-in hooks the Sent Items folder"),
        Spec("expect inert", {}, 0, {}, "expect inert",
             "the add-in is loaded but made no application object"),
        Spec("expect released", {}, 0, {}, "expect released",
             "nothing of the host is held any more"),
        Spec("help", {}, 0, {}, "help", "list the commands"),
    };
}

bool AllOf(const std::string& text, std::size_t from, bool hex) {
    return from < text.size() &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), [hex](char c) {
               const auto u = static_cast<unsigned char>(c);
               return (hex ? std::isxdigit(u) : std::isdigit(u)) != 0;
           });
}

// Decimal with an optional minus, or hexadecimal with 0x (failure numbers as the host writes
// them); at most 32 bits' worth of digits.
bool IsNumber(const std::string& text) {
    if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
        return text.size() <= 10 && AllOf(text, 2, true);
    }
    const std::size_t from = !text.empty() && text.front() == '-' ? 1 : 0;
    return text.size() - from <= 10 && AllOf(text, from, false);
}

// The value of a text IsNumber accepted.
std::int64_t ValueOf(const std::string& text) {
    const bool hex = text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0;
    return std::stoll(hex ? text.substr(2) : text, nullptr, hex ? 16 : 10);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

const CommandTable& CommandTable::Standard() {
    static const CommandTable table(StandardSpecs());
    return table;
}

const CommandSpec* CommandTable::Find(const std::string& name) const {
    const auto found = std::find_if(specs_.begin(), specs_.end(),
                                    [&](const CommandSpec& spec) { return spec.Name == name; });
    return found == specs_.end() ? nullptr : &*found;
}

const CommandSpec& CommandTable::Lookup(const std::vector<Token>& tokens,
                                        std::size_t& nameWords) const {
    const bool secondIsWord = tokens.size() >= 2 && !tokens[1].Key;
    const std::string first = Lower(tokens[0].Text);
    if (secondIsWord) {
        if (const CommandSpec* spec = Find(first + " " + Lower(tokens[1].Text))) {
            nameWords = 2;
            return *spec;
        }
    }
    if (const CommandSpec* spec = Find(first)) {
        nameWords = 1;
        return *spec;
    }
    std::string family;
    for (const CommandSpec& spec : specs_) {
        if (spec.Name.rfind(first + " ", 0) == 0) {
            family += (family.empty() ? "" : ", ") + spec.Name;
        }
    }
    if (!family.empty()) {
        const std::string written = secondIsWord ? first + " " + tokens[1].Text : first;
        throw CommandError("unknown command \"" + written + "\" (known: " + family + ")");
    }
    throw CommandError("unknown command \"" + tokens[0].Text + "\" (\"help\" lists them)");
}

void CommandTable::CheckArg(const CommandSpec& spec, const ArgSpec& arg, const std::string& value) {
    if (arg.Number && !IsNumber(value)) {
        throw CommandError(spec.Name + ": " + arg.Name + " must be a whole number, not \"" + value +
                           "\" (usage: " + spec.Usage + ")");
    }
    if (arg.Least && ValueOf(value) < *arg.Least) {
        throw CommandError(spec.Name + ": " + arg.Name + " must be at least " +
                           std::to_string(*arg.Least) + ", not " + value +
                           " (usage: " + spec.Usage + ")");
    }
    if (!arg.Choices.empty() &&
        std::find(arg.Choices.begin(), arg.Choices.end(), value) == arg.Choices.end()) {
        throw CommandError(spec.Name + ": \"" + value + "\" is not one of " + arg.Name +
                           " (usage: " + spec.Usage + ")");
    }
}

Command CommandTable::Resolve(const std::vector<Token>& tokens) const {
    if (tokens.empty() || tokens[0].Key) {
        throw CommandError("a line must start with a command (\"help\" lists them)");
    }
    std::size_t nameWords = 0;
    const CommandSpec& spec = Lookup(tokens, nameWords);
    Command command;
    command.Name = spec.Name;
    for (std::size_t i = nameWords; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (!token.Key) {
            command.Args.push_back(token.Text);
            continue;
        }
        if (!spec.AnyKeys &&
            std::find(spec.Keys.begin(), spec.Keys.end(), *token.Key) == spec.Keys.end()) {
            throw CommandError(spec.Name + " takes no option \"" + *token.Key +
                               "\" (usage: " + spec.Usage + ")");
        }
        if (!command.Options.emplace(*token.Key, token.Value).second) {
            throw CommandError(spec.Name + ": option \"" + *token.Key + "\" is given twice");
        }
        for (const ArgSpec& key : spec.NumberKeys) {
            if (key.Name == *token.Key) {
                CheckArg(spec, key, token.Value);
            }
        }
    }
    const std::size_t count = command.Args.size();
    if (count < spec.Required) {
        throw CommandError(spec.Name + " needs " + spec.Args[count].Name +
                           " (usage: " + spec.Usage + ")");
    }
    if (count > spec.Args.size() && !spec.Repeats) {
        throw CommandError(spec.Name + ": too many arguments, \"" + command.Args[spec.Args.size()] +
                           "\" is one too many (usage: " + spec.Usage + ")");
    }
    for (std::size_t i = 0; i < count; ++i) {
        CheckArg(spec, spec.Args[std::min(i, spec.Args.size() - 1)], command.Args[i]);
    }
    return command;
}

}  // namespace pwk::scenario
