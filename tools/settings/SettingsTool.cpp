#include "tools/settings/SettingsTool.h"

#include <cstdint>
#include <ctime>

#include "src/resources/StringTable.h"
#include "src/resources/Version.h"
#include "src/tracking/DroppedFoldersets.h"
#include "src/tracking/SettingsChanges.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Failure.h"
#include "tools/settings/FoldersetTable.h"
#include "tools/settings/MailboxFolders.h"
#include "tools/settings/RecoveryTable.h"
#include "tools/settings/SettingKey.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsReport.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

namespace {

// When the tool moved a folderset to the recovery record, as the add-in writes its times.
std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace

SettingsTool::SettingsTool(StoreAccess store, const MailboxFolders* mailbox, std::ostream& out)
    : store_(std::move(store)), mailbox_(mailbox), out_(out) {}

void SettingsTool::Run(const SettingsCommand& command) {
    const std::vector<std::string>& args = command.Arguments;
    // Told, not refused: the running add-in merges what the tool saves.
    if (store_.Settings().MarkedOpen()) {
        out_ << "The mail client's add-in has these settings open: it keeps a change made now and "
                "takes it in at its next save, a send or when the options dialog opens.\n";
    }
    if (command.Name == "show") {
        Show();
    } else if (command.Name == "list") {
        List();
    } else if (command.Name == "add") {
        Add(args);
    } else if (command.Name == "add-ids") {
        AddIds(args);
    } else if (command.Name == "remove") {
        Remove(args.at(0));
    } else if (command.Name == "set") {
        Set(args.at(0), args.at(1));
    } else if (command.Name == "dropped") {
        Dropped();
    } else if (command.Name == "restore") {
        Restore(args.at(0));
    } else {
        throw ToolError("unknown command \"" + command.Name + "\"", ToolError::Usage);
    }
}

void SettingsTool::Show() {
    SettingsReport::Show(store_.Dump(ProductTitle), store_.Name(), out_);
}

void SettingsTool::List() {
    SettingsReport::List(FoldersetTable::Read(store_.Settings()), store_.Name(), mailbox_, out_);
}

void SettingsTool::Dropped() {
    SettingsReport::Dropped(RecoveryTable::Read(store_), store_.Name(), mailbox_, out_);
}

void SettingsTool::Add(const std::vector<std::string>& paths) {
    // Every path is checked before anything is written.
    FoldersetRecord record;
    for (std::size_t i = 0; i < record.Folders.size(); ++i) {
        record.Folders[i] = FolderAt(paths.at(i));
    }
    Append(record, paths.at(0));
}

void SettingsTool::AddIds(const std::vector<std::string>& ids) {
    FoldersetRecord record;
    for (std::size_t i = 0; i < record.Folders.size(); ++i) {
        const char* label = FoldersetLayout::Folders[i].Label;
        FolderIds& folder = record.Folders[i];
        folder.EntryID = ids.at(2 * i);
        folder.StoreID = ids.at(2 * i + 1);
        // A StoreID may be empty (the host then searches every store); an EntryID may not.
        if (folder.EntryID.empty()) {
            throw ToolError(std::string("the ") + label + " folder's EntryID is empty");
        }
        // An identifier is one line, as the host gives it: a line break in one would be kept
        // and never match a folder again.
        for (const auto& [name, id] :
             {std::pair{"EntryID", &folder.EntryID}, std::pair{"StoreID", &folder.StoreID}}) {
            if (id->find_first_of("\r\n") != std::string::npos) {
                throw ToolError(std::string("the ") + label + " folder's " + name +
                                " holds a line break");
            }
        }
        if (mailbox_ != nullptr && !mailbox_->PathOf(folder)) {
            throw ToolError(std::string("the ") + label + " folder (EntryID=" + folder.EntryID +
                            " StoreID=" + folder.StoreID + ") is not in " + mailbox_->Name());
        }
    }
    Append(record, "EntryID=" + record.Contacts().EntryID);
}

void SettingsTool::Append(const FoldersetRecord& record, const std::string& contactsName) {
    const StoredFoldersets stored = FoldersetTable::Read(store_.Settings());
    RequireUntracked(stored.Records, record, contactsName);
    std::vector<FoldersetRecord> records = stored.Records;
    records.push_back(record);
    Rewrite(stored, records);
    out_ << "Added tracked folderset " << records.size() << " (contacts " << contactsName << ").\n";
}

void SettingsTool::RequireUntracked(const std::vector<FoldersetRecord>& records,
                                    const FoldersetRecord& record,
                                    const std::string& contactsName) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        // The rule the add-in keeps: one folderset per contacts folder (journal and e-mails
        // folders may be shared).
        if (records[i].Contacts() == record.Contacts()) {
            throw ToolError(LoadResString(StringId::DuplicateContactFolder) + " (" + contactsName +
                            " is tracked at position " + std::to_string(i + 1) + ")");
        }
    }
}

void SettingsTool::Rewrite(const StoredFoldersets& stored,
                           const std::vector<FoldersetRecord>& records,
                           const std::vector<std::string>& restored) {
    SettingsStore& store = store_.Settings();
    store.Batch([&] {
        FoldersetTable::Write(store, records);
        RecoveryTable::Remove(store, restored);
        for (const auto& [position, record] : stored.AfterCount) {
            DroppedFolderset dropped = RecoveryTable::DroppedOf(record);
            dropped.Position = position;
            dropped.When = LocalTimeText();
            dropped.Reason = "stored after the last position \"Count\" names (" +
                             std::to_string(stored.Count) + "); kept by the settings tool";
            DroppedFoldersets::Keep(store, dropped);
        }
        SettingsChanges::RaiseIfChanged(store);
    });
    if (!stored.AfterCount.empty()) {
        out_ << stored.AfterCount.size()
             << " folderset(s) stored after \"Count\" were moved to the dropped foldersets.\n";
    }
}

void SettingsTool::Remove(const std::string& position) {
    const StoredFoldersets stored = FoldersetTable::Read(store_.Settings());
    std::vector<FoldersetRecord> records = stored.Records;
    std::int32_t index = 0;
    try {
        index = TextToInteger<std::int32_t>(position);
    } catch (const Failure&) {
        throw ToolError("remove takes a position number, not \"" + position + "\"");
    }
    if (records.empty()) {
        throw ToolError("there is no tracked folderset " + position + ": none is stored");
    }
    if (index < 1 || static_cast<std::size_t>(index) > records.size()) {
        throw ToolError("there is no tracked folderset " + position + ": positions run from 1 to " +
                        std::to_string(records.size()));
    }
    records.erase(records.begin() + (index - 1));
    Rewrite(stored, records);
    out_ << "Removed tracked folderset " << index << "; " << records.size() << " left.\n";
}

void SettingsTool::Restore(const std::string& which) {
    const std::vector<RecoveryTable::Entry> entries = RecoveryTable::Read(store_);
    if (entries.empty()) {
        throw ToolError("there is no dropped folderset to restore");
    }
    std::vector<std::size_t> chosen;
    if (which == "all") {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            chosen.push_back(i);
        }
    } else {
        std::int32_t number = 0;
        try {
            number = TextToInteger<std::int32_t>(which);
        } catch (const Failure&) {
            throw ToolError("restore takes the number `dropped` shows, or all, not \"" + which +
                            "\"");
        }
        if (number < 1 || static_cast<std::size_t>(number) > entries.size()) {
            throw ToolError("there is no dropped folderset " + which + ": they run from 1 to " +
                            std::to_string(entries.size()));
        }
        chosen.push_back(static_cast<std::size_t>(number - 1));
    }
    const StoredFoldersets stored = FoldersetTable::Read(store_.Settings());
    std::vector<FoldersetRecord> records = stored.Records;
    std::vector<std::string> restored;
    // Everything is checked before anything is written.
    for (const std::size_t i : chosen) {
        const FoldersetRecord record = RecoveryTable::RecordOf(entries[i].Dropped);
        const std::string name = "dropped folderset " + std::to_string(i + 1);
        if (mailbox_ != nullptr) {
            for (std::size_t f = 0; f < record.Folders.size(); ++f) {
                if (!mailbox_->PathOf(record.Folders[f])) {
                    throw ToolError(name + " is still unresolvable: its " +
                                    FoldersetLayout::Folders[f].Label +
                                    " folder (EntryID=" + record.Folders[f].EntryID +
                                    ") is not in " + mailbox_->Name() + "; nothing restored");
                }
            }
        }
        RequireUntracked(records, record, "the contacts folder of " + name);
        records.push_back(record);
        restored.push_back(entries[i].Section);
    }
    Rewrite(stored, records, restored);
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        out_ << "Restored dropped folderset " << chosen[k] + 1 << " as tracked folderset "
             << records.size() - chosen.size() + k + 1 << ".\n";
    }
    if (mailbox_ == nullptr) {
        out_ << "The add-in looks its folders up at its next start; a folderset it still cannot "
                "resolve is dropped again and shown by `dropped`.\n";
    }
}

void SettingsTool::Set(const std::string& name, const std::string& value) {
    const std::optional<SettingKey> key = SettingKey::Find(name);
    if (!key) {
        std::string names;
        for (const SettingKey& known : SettingKey::All()) {
            names += (names.empty() ? "" : ", ") + std::string(known.Key);
        }
        throw ToolError("\"" + name + "\" cannot be set; the keys are " + names);
    }
    const std::string text = key->StoredText(value);
    SettingsStore& store = store_.Settings();
    store.Batch([&] {
        store.SaveSetting(ProductTitle, key->Section, key->Key, text);
        SettingsChanges::RaiseIfChanged(store);
    });
    out_ << key->Section << "\\" << key->Key << " = " << text << "\n";
}

FolderIds SettingsTool::FolderAt(const std::string& path) const {
    if (mailbox_ == nullptr) {
        throw ToolError("folder paths need --mailbox FILE", ToolError::Usage);
    }
    auto folder = mailbox_->Find(path);
    if (!folder) {
        throw ToolError("there is no folder \"" + path + "\" in " + mailbox_->Name());
    }
    return *folder;
}

}  // namespace pwk::settingstool
