#include "tools/scenario/ScenarioRun.h"

#include <vector>

#include "src/tracking/DroppedFoldersets.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/ScenarioParser.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {

bool IsCheck(const Command& command) {
    return command.Name.rfind("expect ", 0) == 0;
}

// Counts the checks and what became of them.
struct Tally {
    int Checks = 0;
    int Failed = 0;

    void Count(const Command& command, bool held) {
        Checks += IsCheck(command) ? 1 : 0;
        Failed += held ? 0 : 1;
    }
};

void Summarize(Transcript& transcript, const Tally& tally) {
    if (tally.Failed == 0) {
        transcript.Event("== all " + std::to_string(tally.Checks) + " checks held");
    } else {
        transcript.Event("== FAILED: " + std::to_string(tally.Failed) + " failure(s), " +
                         std::to_string(tally.Checks) + " checks run");
    }
}

StoredSettings Stored(Session& session, const Command& command) {
    return {command.Line, command.Name, session.StoreFaults().Refusals(), session.SettingsDump(),
            session.SettingsDump(DroppedFoldersets::AppName)};
}

void ApplyOptions(Session& session, const RunOptions& options) {
    if (options.External) {
        session.UseExternalAddIn(options.External());
    }
    if (!options.Mailbox) {
        return;
    }
    try {
        session.UseMailbox(*options.Mailbox);
    } catch (const CommandError& error) {
        throw ScenarioError(0, std::string("--mailbox: ") + error.what());
    }
}

}  // namespace

ScenarioRun::ScenarioRun(std::ostream& out, RunOptions options)
    : out_(out), options_(std::move(options)) {}

int ScenarioRun::RunScenario(std::istream& in, const std::filesystem::path& baseFolder) {
    Transcript transcript(out_);
    std::vector<Command> commands;
    try {
        commands = ScenarioParser().ParseAll(in);
    } catch (const ScenarioError& error) {
        transcript.Error(error.Describe());
        return ExitStatus::Error;
    }
    Tally tally;
    findings_ = {};
    {
        // The session ends before the summary: an add-in that outlives the last host process
        // fails the run.
        Session session(transcript, baseFolder, findings_);
        if (options_.FailCall) {
            session.FailCallOfRun(*options_.FailCall);
        }
        if (options_.RecordSettings) {
            session.NameCallsOfRun();
        }
        if (options_.IgnoreReports) {
            session.Platform().IgnoreUnansweredReports();
        }
        try {
            ApplyOptions(session, options_);
            CommandRunner runner(session, transcript);
            runner.WatchHost(options_.WatchHost);
            auto& stored = findings_.SettingsAfterCommands;
            if (options_.RecordSettings) {
                stored.push_back(Stored(session, Command{}));
            }
            for (const Command& command : commands) {
                const bool held = runner.Run(command);
                tally.Count(command, held);
                if (options_.RecordSettings) {
                    stored.push_back(Stored(session, command));
                }
                if (!held && !options_.KeepGoing) {
                    transcript.Event("== stopped at line " + std::to_string(command.Line) +
                                     " (--keep-going runs on)");
                    break;
                }
            }
            tally.Count(Command{}, runner.Finish());
        } catch (const ScenarioError& error) {
            transcript.Error(error.Describe());
            return ExitStatus::Error;
        }
    }
    tally.Failed += static_cast<int>(findings_.StillLoaded.size());
    Summarize(transcript, tally);
    return tally.Failed == 0 ? ExitStatus::Held : ExitStatus::Failed;
}

int ScenarioRun::RunInteractive(std::istream& in, bool typed) {
    Transcript transcript(out_);
    const ScenarioParser parser;
    Tally tally;
    bool errors = false;
    findings_ = {};
    {
        // As in a scenario file: the session ends before the summary.
        Session session(transcript, std::filesystem::current_path(), findings_);
        try {
            ApplyOptions(session, options_);
        } catch (const ScenarioError& error) {
            transcript.Error(error.Describe());
            return ExitStatus::Error;
        }
        CommandRunner runner(session, transcript);
        runner.EchoCommands(!typed);
        std::string text;
        int line = 0;
        for (;;) {
            if (typed) {
                out_ << "pwk> " << std::flush;
            }
            if (!std::getline(in, text)) {
                out_ << (typed ? "\n" : "");
                break;
            }
            ++line;
            try {
                const std::optional<Command> command = parser.ParseLine(text, line);
                if (!command) {
                    continue;
                }
                tally.Count(*command, runner.Run(*command));
                // At the prompt, quitting the host ends the session; piped commands run on to
                // their end, so that checks after the quit still run.
                if (typed && command->Name == "quit") {
                    break;
                }
            } catch (const ScenarioError& error) {
                transcript.Error(error.Describe());
                errors = true;
            }
        }
        tally.Count(Command{}, runner.Finish());
    }
    tally.Failed += static_cast<int>(findings_.StillLoaded.size());
    Summarize(transcript, tally);
    if (tally.Failed > 0) {
        return ExitStatus::Failed;
    }
    return errors ? ExitStatus::Error : ExitStatus::Held;
}

}  // namespace pwk::scenario
