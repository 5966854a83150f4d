#include "keelson/Keelson.h"

#include "src/errorlib/IErrorClient.h"
#include "src/errors/LogFilePath.h"

namespace pwk {

namespace {

// Trace lines are indented two blanks per call level, up to this many levels.
constexpr std::string_view kIndent =
    "                                                                                ";

std::string_view Indent(std::size_t depth) {
    return kIndent.substr(0, std::min(depth * 2, kIndent.size()));
}

// Callers name their procedures with the same constant texts on the way in and out, so the
// innermost frame is recognised by where its texts are before any character is compared.
bool SameName(std::string_view held, std::string_view given) {
    return (held.data() == given.data() && held.size() == given.size()) || held == given;
}

}  // namespace

Keelson::Keelson(Platform& platform) : platform_(platform) {
    stack_.reserve(128);
}

Keelson::~Keelson() = default;  // the log writer saves what is buffered

void Keelson::Start() {
    std::string hostPath = LogFilePath(logPath_, logFilename_);
    if (!dateFormat_.empty()) {
        hostPath += platform_.FormatDate(platform_.Now(), dateFormat_);
    }
    const std::string nativePath = platform_.NativePath(hostPath);
    std::string reason;
    if (!log_.Open(nativePath, reason)) {
        logNativePath_.clear();
        throw Failure(FailureNumber::PathFileAccessError,
                      "Cannot open the log file \"" + hostPath + "\": " + reason, "Keelson6");
    }
    logNativePath_ = nativePath;
    diagnosticsWritten_ = false;
    WriteLine("==== " + applicationName_ + " log started" + (trace_ ? ", tracing on" : "") +
              " ====");
    log_.Flush();
}

void Keelson::ProcEnter(std::string_view module, std::string_view procedure) {
    stack_.push_back({module, procedure});
    if (trace_) {
        TraceLine("> ", stack_.size() - 1, module, procedure);
    }
}

void Keelson::ProcExit(std::string_view module, std::string_view procedure) {
    // Normally the innermost frame; a procedure that never reported its exit (a guard cut
    // short by a failing library) is dropped together with it.
    auto frame = stack_.end();
    while (frame != stack_.begin()) {
        --frame;
        if (SameName(frame->Procedure, procedure) && SameName(frame->Module, module)) {
            stack_.erase(frame, stack_.end());
            break;
        }
    }
    if (trace_) {
        TraceLine("< ", stack_.size(), module, procedure);
        // The outermost procedure of a host event returned: the event's trace goes to the file
        // now, so that whoever follows the log while reproducing a problem sees each event as
        // it ends. Within an event the buffer still spares the file a write per line.
        if (stack_.empty()) {
            log_.Flush();
        }
    }
}

// A line the add-in logs on purpose (a refused host, a repaired setting) is in the file at once,
// for whoever reads the log while the host runs; only trace lines wait in the buffer, until
// their event ends.
void Keelson::LogText(const std::string& text) {
    WriteLine(text);
    log_.Flush();
}

void Keelson::BeginLine() {
    const auto second = std::chrono::floor<std::chrono::seconds>(platform_.Now());
    if (stamp_.empty() || second != stampSecond_) {
        stamp_.assign(1, '[');
        stamp_.append(platform_.DateTimeText(second)).append("] ");
        stampSecond_ = second;
    }
    log_.Append(stamp_);
}

// One log line per line of `text`; the client's lines end with CRLF, which becomes a line
// break of this machine.
void Keelson::WriteLine(std::string_view text) {
    if (!log_.IsOpen()) {
        return;
    }
    bool first = true;
    for (;;) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (first || !line.empty()) {
            BeginLine();
            log_.Append(line);
        }
        log_.EndLine();
        first = false;
        if (end == std::string_view::npos) {
            return;
        }
        text.remove_prefix(end + 1);
    }
}

void Keelson::TraceLine(std::string_view marker, std::size_t depth, std::string_view module,
                        std::string_view procedure) {
    if (!log_.IsOpen()) {
        return;
    }
    BeginLine();
    log_.Append(Indent(depth));
    log_.Append(marker);
    log_.Append(module);
    log_.Append(".");
    log_.Append(procedure);
    log_.EndLine();
}

void Keelson::WriteCallStack() {
    WriteLine("  Call stack (innermost first):");
    for (auto frame = stack_.rbegin(); frame != stack_.rend(); ++frame) {
        std::string line = "    ";
        line.append(frame->Module).append(".").append(frame->Procedure);
        WriteLine(line);
    }
}

void Keelson::ClearCustomButtons(int index) {
    if (index == 0) {
        customButtons_.clear();
    } else {
        customButtons_.erase(index);
    }
}

void Keelson::SetCustomButtonCaption(int index, const std::string& caption) {
    customButtons_[index].Caption = caption;
}

void Keelson::SetCustomButtonToolTip(int index, const std::string& tooltip) {
    customButtons_[index].ToolTip = tooltip;
}

}  // namespace pwk
