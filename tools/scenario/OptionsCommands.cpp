// The options dialog as a user works it: open it, change things on the add-in's page, press OK.
#include <functional>
#include <string>
#include <vector>

#include "sim/SimFolder.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "sim/SimOptionsPage.h"
#include "src/app/OptionsPageComponent.h"
#include "src/app/PWKAddinApp.h"
#include "src/options/PageTexts.h"
#include "src/startup/Connect.h"
#include "src/tracking/SettingsLayout.h"
#include "tools/scenario/CommandRunner.h"
#include "tools/scenario/CorePageDriver.h"
#include "tools/scenario/ExpectationFailed.h"
#include "tools/scenario/ExternalAddIn.h"
#include "tools/scenario/Lookup.h"
#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario {

namespace {

// The switches the options page can turn on and off, as the layout names them.
std::string SwitchNames() {
    std::string names;
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.IsSwitch()) {
            names += (names.empty() ? "" : ", ") + std::string(entry.PropertyName());
        }
    }
    return names;
}

std::string RowText(const PageDriver::Row& row) {
    std::string text = row.Contacts + " | " + row.Journal + " | " + row.Emails;
    return row.AttachDir.empty() ? text : text + " | attachments " + row.AttachDir;
}

std::string Plural(std::size_t count, const std::string& what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

void CommandRunner::Options(const Command& command) {
    Act();
    if (openPage_) {
        throw CommandError("the options dialog is open already");
    }
    auto page = OpenOptionsDialog();
    if (!command.Args.empty() && page) {
        transcript_.Event("the options dialog stays open");
        openPage_ = std::move(page);
    }
}

void CommandRunner::CloseOptionsDialog() {
    if (openPage_) {
        openPage_.reset();
        transcript_.Event("the user cancels the options dialog left open");
    }
}

// Opens the options dialog and lists the pages add-ins put in, and what the add-in's own page
// shows; returns that page as the dialog drives it, null when it is not among them.
std::unique_ptr<PageDriver> CommandRunner::OpenOptionsDialog() {
    const auto pages = session_.Host().OpenOptionsDialog();
    lastPages_ = pages.size();
    transcript_.Event("options dialog: " + Plural(pages.size(), "page") + " from add-ins");
    std::unique_ptr<PageDriver> ours;
    for (const auto& page : pages) {
        auto driver = PageDriverOf(page.Page);
        std::string line = "  page \"";
        if (driver) {
            const PageDriver::About about = driver->Describe();
            // A page added without a caption shows its own.
            line += (page.Caption.empty() ? about.Caption : page.Caption) + "\" (" +
                    OptionsPageProgID + ", help file \"" + about.HelpFile + "\", " + about.Title +
                    " " + about.Version + ")";
        } else {
            line += page.Caption + "\"";
        }
        transcript_.Event(line);
        if (driver && !ours) {
            ShowPage(*driver);
            ours = std::move(driver);
        }
    }
    return ours;
}

// The add-in's own page as the dialog drives it: the page's logic in this process, or the
// component's page through COM; null for any other page, or one not initialized.
std::unique_ptr<PageDriver> CommandRunner::PageDriverOf(
    const std::shared_ptr<AutomationObject>& page) {
    if (ExternalAddIn* external = session_.External()) {
        return external->PageOf(page);
    }
    auto simPage = std::dynamic_pointer_cast<const sim::SimOptionsPage>(page);
    if (!simPage || simPage->Model() == nullptr) {
        return nullptr;
    }
    return std::make_unique<CorePageDriver>(std::move(simPage));
}

void CommandRunner::ShowPage(PageDriver& page) {
    const auto rows = page.Rows();
    transcript_.Event("  the page shows " + Plural(rows.size(), "tracked folderset") +
                      (page.Dirty() ? ", changed" : ""));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        transcript_.Event("    " + std::to_string(i + 1) + ": " + RowText(rows[i]));
    }
    std::string switches;
    for (const auto& option : page.Switches()) {
        switches += (switches.empty() ? "" : ", ") + option.Name + (option.On ? " on" : " off");
    }
    std::string log = "log level " + std::to_string(page.LogLevel());
    if (!page.LogPath().empty() || !page.LogFilename().empty()) {
        log += ", log " + page.LogPath() + " " + page.LogFilename();
    }
    transcript_.Event("    " + switches + "; " + log);
}

// A change a user makes on the add-in's page, then OK: `edit` answers false when the page
// refused the change, and the user cancels the dialog then. Whatever the page says is kept for
// `expect page-message`.
void CommandRunner::EditOnPage(const std::function<bool(PageDriver&)>& edit) {
    if (!session_.External()) {
        const auto connect = session_.AddIn();
        const auto addinApp = connect ? connect->AddinApp() : nullptr;
        if (!addinApp || !addinApp->theRegSettings()) {
            throw CommandError("the add-in is not running, so it has no settings to change");
        }
    }
    lastPageMessage_.clear();
    // The dialog left open, else one opened now; either closes with this change.
    const auto page = openPage_ ? std::move(openPage_) : OpenOptionsDialog();
    if (!page) {
        transcript_.Event("the options dialog has no Parleywick page: nothing changes");
        return;
    }
    try {
        const bool edited = edit(*page);
        lastPageMessage_ = page->Message();
        if (!edited) {
            if (!lastPageMessage_.empty()) {
                transcript_.Event("the options page says: " + lastPageMessage_);
            }
            transcript_.Event("the user cancels the options dialog: nothing changes");
            return;
        }
        transcript_.Event(std::string("the user presses OK") +
                          (page->Dirty() ? "" : ", no change"));
        const bool applied = page->Apply();
        lastPageMessage_ = page->Message();
        if (!applied) {
            transcript_.Event("the options page says: " + lastPageMessage_);
            transcript_.Event("the page keeps its changes; the user cancels the options dialog");
            return;
        }
        transcript_.Event("the options page applies " +
                          Plural(page->Rows().size(), "tracked folderset"));
    } catch (const Failure& failure) {
        transcript_.Event("the options page reports failure " + std::to_string(failure.Number) +
                          ": " + failure.Description);
    }
}

// The user presses Add and picks the three folders in the host's picker ("-": cancels it
// there), with the attachment folder typed into the page.
void CommandRunner::Track(const Command& command) {
    Act();
    std::vector<std::shared_ptr<sim::SimFolder>> picks;
    std::string picked;
    for (std::size_t i = 0; i < 3; ++i) {
        const bool cancel = command.Args[i] == "-";
        picks.push_back(cancel ? nullptr : Folder(command.Args[i]));
        picked += (i == 0 ? "" : ", ") +
                  (cancel ? std::string("cancels") : "\"" + command.Args[i] + "\"");
    }
    const std::string attachDir = command.Option("attach");
    EditOnPage([&](PageDriver& page) {
        session_.Host().Mailbox().PlanPicks(picks);
        transcript_.Event("the user presses Add on the options page and picks " + picked +
                          (attachDir.empty() ? "" : ", attachments in " + attachDir));
        const bool added = page.AddPicked(attachDir);
        session_.Host().Mailbox().PlanPicks({});
        if (added) {
            const auto rows = page.Rows();
            transcript_.Event("the options page adds folderset " + std::to_string(rows.size()) +
                              ": " + RowText(rows.back()));
        }
        return added;
    });
}

void CommandRunner::Untrack(const Command& command) {
    Act();
    const std::int32_t position = Lookup::Number32(command.Args[0]);
    EditOnPage([&](PageDriver& page) {
        transcript_.Event("the user removes folderset " + command.Args[0] + " on the options page");
        return page.Remove(position);
    });
}

void CommandRunner::Option(const Command& command) {
    Act();
    const std::string& name = command.Args[0];
    if (SettingsLayout::FindSwitch(name) == nullptr) {
        throw CommandError("there is no option \"" + name + "\" (" + SwitchNames() + ")");
    }
    EditOnPage([&](PageDriver& page) {
        transcript_.Event("the user switches " + name + " " + command.Args[1] +
                          " on the options page");
        return page.SetSwitch(name, command.Args[1] == "on");
    });
}

void CommandRunner::LogLevel(const Command& command) {
    Act();
    EditOnPage([&](PageDriver& page) {
        transcript_.Event("the user types log level " + command.Args[0] + " on the options page");
        return page.SetLogLevel(command.Args[0]);
    });
}

void CommandRunner::ExpectPageMessage(const Command& command) {
    if (lastPageMessage_.find(command.Args[0]) == std::string::npos ||
        (command.Args[0].empty() && !lastPageMessage_.empty())) {
        throw ExpectationFailed(
            "the options page said \"" + command.Args[0] + "\"",
            lastPageMessage_.empty() ? "nothing" : "\"" + lastPageMessage_ + "\"");
    }
}

}  // namespace pwk::scenario
