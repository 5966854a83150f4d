#include "tools/scenario/SweepSettingsCheck.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include "src/tracking/DroppedFoldersets.h"
#include "src/tracking/FoldersetLayout.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk::scenario {
namespace {

using Role = SettingsLayout::Role;
// "section|key" to value.
using Values = std::map<std::string, std::string>;
// A folderset by its six identifiers, in the layout's order.
using Folderset = std::vector<std::string>;

Values Parse(const std::vector<std::string>& lines) {
    Values values;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        values[line.substr(0, equals)] = equals == std::string::npos ? "" : line.substr(equals + 1);
    }
    return values;
}

std::string Section(const std::string& name) {
    return name.substr(0, name.find('|'));
}

std::string Name(const SettingsLayout::Entry& entry) {
    return std::string(entry.Section) + "|" + entry.Key;
}

std::string Shown(const Values& values, const std::string& name) {
    const auto found = values.find(name);
    return found == values.end() ? "nothing" : "\"" + found->second + "\"";
}

// `before` changed as `from` became `to`.
Values Apply(Values before, const Values& from, const Values& to) {
    for (const auto& [name, value] : from) {
        if (to.count(name) == 0) {
            before.erase(name);
        }
    }
    for (const auto& [name, value] : to) {
        const auto was = from.find(name);
        if (was == from.end() || was->second != value) {
            before[name] = value;
        }
    }
    return before;
}

// Every identifier section of the foldersets: "Tracked Foldersets\Contacts\EntryID" ...
std::vector<std::string> IdentifierSections() {
    std::vector<std::string> sections;
    for (const auto& folder : FoldersetLayout::Folders) {
        sections.push_back(folder.EntryIDSection(TrackedFoldersets::DefaultSection));
        sections.push_back(folder.StoreIDSection(TrackedFoldersets::DefaultSection));
    }
    return sections;
}

std::set<Folderset> Foldersets(const Values& settings) {
    const auto sections = IdentifierSections();
    std::set<std::string> positions;
    for (const auto& [name, value] : settings) {
        if (std::find(sections.begin(), sections.end(), Section(name)) != sections.end()) {
            positions.insert(name.substr(name.find('|') + 1));
        }
    }
    std::set<Folderset> foldersets;
    for (const std::string& position : positions) {
        Folderset ids;
        for (const std::string& section : sections) {
            const auto found = settings.find(section + "|" + position);
            ids.push_back(found == settings.end() ? "" : found->second);
        }
        foldersets.insert(ids);
    }
    return foldersets;
}

// The recovery record: each dropped folderset by the section that holds it.
std::map<std::string, Folderset> Records(const Values& recovery) {
    std::map<std::string, Folderset> records;
    for (const auto& [name, value] : recovery) {
        Folderset& ids = records[Section(name)];
        ids.resize(FoldersetLayout::Folders.size() * 2);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (name == Section(name) + "|" + DroppedFoldersets::IDKey(i)) {
                ids[i] = value;
            }
        }
    }
    return records;
}

std::set<Folderset> Recorded(const Values& recovery) {
    std::set<Folderset> recorded;
    for (const auto& [section, ids] : Records(recovery)) {
        recorded.insert(ids);
    }
    return recorded;
}

// One command of the failing run, with the clean run's same command.
class CommandCheck {
  public:
    CommandCheck(const StoredSettings& cleanBefore, const StoredSettings& cleanAfter,
                 const StoredSettings& before, const StoredSettings& after)
        : cleanBefore_(Parse(cleanBefore.Settings)),
          cleanAfter_(Parse(cleanAfter.Settings)),
          before_(Parse(before.Settings)),
          after_(Parse(after.Settings)),
          cleanRecoveryBefore_(Parse(cleanBefore.Recovery)),
          cleanRecoveryAfter_(Parse(cleanAfter.Recovery)),
          recoveryBefore_(Parse(before.Recovery)),
          recoveryAfter_(Parse(after.Recovery)),
          prefix_("after line " + std::to_string(after.Line) + ": "),
          command_(after.Command),
          refused_(after.StoreRefusals != before.StoreRefusals) {}

    void AddTo(SweepSettingsCheck::Result& result) {
        if (refused_) {
            return;
        }
        if (after_ != before_ && after_ != cleanAfter_ &&
            after_ != Apply(before_, cleanBefore_, cleanAfter_)) {
            // The settings tool writes only what its command names, whatever the store held
            // (a run the failure set apart from the clean one): no save of the add-in's to be
            // complete. What it keeps and what it may not lose still hold.
            if (command_ != "admin") {
                CheckComplete();
            }
            CheckValues();
            CheckFoldersets();
        }
        CheckRecoveryRecords();
        for (std::string& finding : findings_) {
            result.Findings.push_back(std::move(finding));
        }
    }

  private:
    void Finding(const std::string& text) { findings_.push_back(prefix_ + text); }

    // Everything a save writes, and all six identifiers of every folderset it counts.
    void CheckComplete() {
        std::vector<std::string> missing;
        for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
            if (entry.role == Role::Option || entry.role == Role::FirstRun ||
                entry.role == Role::Version) {
                if (after_.count(Name(entry)) == 0) {
                    missing.push_back(Name(entry));
                }
            }
        }
        const std::string countName =
            std::string(TrackedFoldersets::DefaultSection) + "|" + FoldersetLayout::CountKey;
        const auto count = after_.find(countName);
        if (count == after_.end()) {
            missing.push_back(countName);
        } else {
            // The first position short of an identifier is enough to tell: a hostile count
            // is not walked to its end.
            const long long foldersets = std::atoll(count->second.c_str());
            for (long long position = 1; position <= foldersets && missing.empty(); ++position) {
                for (const std::string& section : IdentifierSections()) {
                    if (after_.count(section + "|" + std::to_string(position)) == 0) {
                        missing.push_back(section + "|" + std::to_string(position));
                    }
                }
            }
        }
        for (const std::string& name : missing) {
            Finding("half a save: " + name + " is missing");
        }
    }

    void CheckValues() {
        const bool onCourse = before_ == cleanBefore_;
        for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
            if (entry.role != Role::Option && entry.role != Role::Kept) {
                continue;
            }
            const std::string name = Name(entry);
            const std::string now = Shown(after_, name);
            const std::string clean = Shown(cleanAfter_, name);
            if (now == clean) {
                continue;
            }
            if (before_.count(name) != 0 && now != Shown(before_, name)) {
                Finding(name + ": " + now + " written over " + Shown(before_, name) +
                        " (the clean run has " + clean + ")");
            } else if (onCourse && entry.role == Role::Option) {
                Finding(name + ": " + now + ", where the clean run saved " + clean);
            }
        }
    }

    void CheckFoldersets() {
        const auto now = Foldersets(after_);
        const auto recorded = Recorded(recoveryAfter_);
        const auto cleanBefore = Foldersets(cleanBefore_);
        const auto cleanNow = Foldersets(cleanAfter_);
        auto owed = Foldersets(before_);
        if (before_ == cleanBefore_) {
            owed.insert(cleanNow.begin(), cleanNow.end());
        }
        // The user removes by position (untrack N): when this run's list differs (a track
        // refused earlier, a folderset the page could not validate and recorded), the removal
        // takes another folderset. As many may go as the clean run removed, no more.
        std::size_t removable = 0;
        if (command_ == "untrack") {
            for (const Folderset& folderset : cleanBefore) {
                removable += cleanNow.count(folderset) == 0 ? 1 : 0;
            }
        }
        std::vector<Folderset> lost;
        for (const Folderset& folderset : owed) {
            if (now.count(folderset) != 0 || recorded.count(folderset) != 0) {
                continue;
            }
            if (cleanBefore.count(folderset) != 0 && cleanNow.count(folderset) == 0) {
                removable -= removable > 0 ? 1 : 0;  // gone in the clean run too
            } else {
                lost.push_back(folderset);
            }
        }
        for (std::size_t i = removable; i < lost.size(); ++i) {
            Finding("the folderset of contacts folder " + lost[i].front() +
                    " is gone, and not in the recovery record");
        }
    }

    void CheckRecoveryRecords() {
        const auto now = Records(recoveryAfter_);
        const auto cleanNow = Records(cleanRecoveryAfter_);
        const auto cleanBefore = Records(cleanRecoveryBefore_);
        const auto tracked = Foldersets(after_);
        for (const auto& [section, folderset] : Records(recoveryBefore_)) {
            const bool restored = tracked.count(folderset) != 0;
            const bool cleanRunRemoved =
                cleanBefore.count(section) != 0 && cleanNow.count(section) == 0;
            if (now.count(section) == 0 && !restored && !cleanRunRemoved) {
                Finding("the recovery record " + section + " is gone");
            }
        }
    }

    Values cleanBefore_, cleanAfter_, before_, after_;
    Values cleanRecoveryBefore_, cleanRecoveryAfter_, recoveryBefore_, recoveryAfter_;
    std::string prefix_;
    std::string command_;
    bool refused_;
    std::vector<std::string> findings_;
};

}  // namespace

SweepSettingsCheck::Result SweepSettingsCheck::Compare(const std::vector<StoredSettings>& clean,
                                                       const std::vector<StoredSettings>& failing) {
    Result result;
    const std::size_t commands = std::min(clean.size(), failing.size());
    for (std::size_t i = 1; i < commands; ++i) {
        CommandCheck(clean[i - 1], clean[i], failing[i - 1], failing[i]).AddTo(result);
    }
    return result;
}

}  // namespace pwk::scenario
