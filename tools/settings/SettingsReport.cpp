#include "tools/settings/SettingsReport.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#include "src/resources/Version.h"
#include "tools/settings/MailboxFolders.h"

namespace pwk::settingstool {

namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// Positions in number order, ahead of named keys; named keys in text order.
bool KeyBefore(const std::string& a, const std::string& b) {
    const bool numberA = AllDigits(a);
    const bool numberB = AllDigits(b);
    if (numberA != numberB) {
        return numberA;
    }
    if (numberA && a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

std::string IdText(const std::string& id) {
    return id.empty() ? "(empty)" : id;
}

}  // namespace

void SettingsReport::Show(const std::vector<std::string>& dump, const std::string& storeName,
                          std::ostream& out) {
    if (dump.empty()) {
        out << "Nothing is stored under \"" << ProductTitle << "\" in " << storeName << ".\n";
        return;
    }
    out << "Settings under \"" << ProductTitle << "\" in " << storeName << ":\n";
    // A key may not hold "|", so the first one ends the section; "=" may stand in a value.
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections;
    for (const std::string& line : dump) {
        const auto bar = line.find('|');
        const auto equals = line.find('=', bar);
        sections[line.substr(0, bar)].emplace_back(line.substr(bar + 1, equals - bar - 1),
                                                   line.substr(equals + 1));
    }
    for (auto& [section, values] : sections) {
        std::sort(values.begin(), values.end(),
                  [](const auto& a, const auto& b) { return KeyBefore(a.first, b.first); });
        out << "[" << section << "]\n";
        for (const auto& [key, value] : values) {
            out << "  " << key << " = " << value << "\n";
        }
    }
}

void SettingsReport::List(const StoredFoldersets& stored, const std::string& storeName,
                          const MailboxFolders* mailbox, std::ostream& out) {
    const std::vector<FoldersetRecord>& records = stored.Records;
    out << "Tracked foldersets in " << storeName << ": " << records.size() << "\n";
    for (std::size_t index = 0; index < records.size(); ++index) {
        ListOne(records, index, mailbox, out);
    }
    if (stored.Skipped > 0) {
        out << "\"Count\" is " << stored.Count << ": " << stored.Skipped
            << " positions hold nothing and were skipped (the add-in drops them)\n";
    }
    for (const auto& [position, record] : stored.AfterCount) {
        Folders(record, std::to_string(position), mailbox, out);
        out << std::string(std::to_string(position).size(), ' ') << "  (stored after \"Count\" "
            << stored.Count
            << ": the add-in does not load it, and keeps it with the dropped foldersets)\n";
    }
}

void SettingsReport::Dropped(const std::vector<RecoveryTable::Entry>& entries,
                             const std::string& storeName, const MailboxFolders* mailbox,
                             std::ostream& out) {
    out << "Dropped foldersets in " << storeName << ": " << entries.size() << "\n";
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const DroppedFolderset& dropped = entries[index].Dropped;
        const std::string number = std::to_string(index + 1);
        out << number << "  dropped " << dropped.When << " from position " << dropped.Position
            << ": " << dropped.Reason << "\n";
        Folders(RecoveryTable::RecordOf(dropped), std::string(number.size(), ' '), mailbox, out);
        if (!dropped.AttachDir.empty()) {
            out << std::string(number.size(), ' ') << "  attachments " << dropped.AttachDir << "\n";
        }
    }
}

void SettingsReport::ListOne(const std::vector<FoldersetRecord>& records, std::size_t index,
                             const MailboxFolders* mailbox, std::ostream& out) {
    const FoldersetRecord& record = records[index];
    const std::string position = std::to_string(index + 1);
    Folders(record, position, mailbox, out);
    // The add-in keeps the first folderset of a contacts folder and drops the later ones.
    for (std::size_t earlier = 0; earlier < index; ++earlier) {
        if (records[earlier].Contacts() == record.Contacts()) {
            out << std::string(position.size(), ' ')
                << "  (the add-in drops this one: its contacts folder is tracked at position "
                << earlier + 1 << ")\n";
            break;
        }
    }
}

void SettingsReport::Folders(const FoldersetRecord& record, const std::string& head,
                             const MailboxFolders* mailbox, std::ostream& out) {
    for (std::size_t i = 0; i < record.Folders.size(); ++i) {
        const FolderIds& folder = record.Folders[i];
        std::string label = FoldersetLayout::Folders[i].Label;
        label.resize(9, ' ');
        out << (i == 0 ? head : std::string(head.size(), ' ')) << "  " << label
            << "EntryID=" << IdText(folder.EntryID) << " StoreID=" << IdText(folder.StoreID);
        if (mailbox != nullptr) {
            out << "  " << mailbox->PathOf(folder).value_or("(not found)");
        }
        out << "\n";
    }
}

}  // namespace pwk::settingstool
