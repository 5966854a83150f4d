#include "tools/settings/RecoveryTable.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "src/tracking/DroppedFoldersets.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Failure.h"

namespace pwk::settingstool {

namespace {

using Dropped = DroppedFoldersets;

// Fills the field a record's key names; keys it does not know are left alone.
void Assign(DroppedFolderset& dropped, const std::string& key, const std::string& value) {
    for (std::size_t i = 0; i < dropped.IDs.size(); ++i) {
        if (key == Dropped::IDKey(i)) {
            dropped.IDs[i] = value;
            return;
        }
    }
    if (key == Dropped::AttachDirKey) {
        dropped.AttachDir = value;
    } else if (key == Dropped::WhenKey) {
        dropped.When = value;
    } else if (key == Dropped::ReasonKey) {
        dropped.Reason = value;
    } else if (key == Dropped::PositionKey) {
        try {
            dropped.Position = TextToInteger<std::int32_t>(value);
        } catch (const Failure&) {
            dropped.Position = 0;  // edited by hand; the record is still worth showing
        }
    }
}

}  // namespace

std::vector<RecoveryTable::Entry> RecoveryTable::Read(const StoreAccess& store) {
    std::map<std::string, DroppedFolderset> bySection;
    for (const std::string& line : store.Dump(Dropped::AppName)) {
        // "section|key=value": a key holds neither "|" nor "=", a value may hold both.
        const auto bar = line.find('|');
        const auto equals = line.find('=', bar);
        if (bar == std::string::npos || equals == std::string::npos) {
            continue;
        }
        const std::string section = line.substr(0, bar);
        if (section.find('\\') == std::string::npos) {
            continue;  // not a record
        }
        Assign(bySection[section], line.substr(bar + 1, equals - bar - 1), line.substr(equals + 1));
    }
    std::vector<Entry> entries;
    for (auto& [section, dropped] : bySection) {
        entries.push_back(Entry{section, std::move(dropped)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.Dropped.When, a.Dropped.Position) <
               std::tie(b.Dropped.When, b.Dropped.Position);
    });
    return entries;
}

void RecoveryTable::Remove(SettingsStore& store, const std::vector<std::string>& sections) {
    for (const std::string& section : sections) {
        store.DeleteSection(Dropped::AppName, section);
    }
}

FoldersetRecord RecoveryTable::RecordOf(const DroppedFolderset& dropped) {
    FoldersetRecord record;
    for (std::size_t i = 0; i < record.Folders.size(); ++i) {
        record.Folders[i] = FolderIds{dropped.IDs[2 * i], dropped.IDs[2 * i + 1]};
    }
    return record;
}

DroppedFolderset RecoveryTable::DroppedOf(const FoldersetRecord& record) {
    DroppedFolderset dropped;
    for (std::size_t i = 0; i < record.Folders.size(); ++i) {
        dropped.IDs[2 * i] = record.Folders[i].EntryID;
        dropped.IDs[2 * i + 1] = record.Folders[i].StoreID;
    }
    return dropped;
}

}  // namespace pwk::settingstool
