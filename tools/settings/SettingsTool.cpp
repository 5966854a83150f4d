#include "tools/settings/SettingsTool.h"

#include <cstdint>

#include "src/resources/StringTable.h"
#include "src/resources/Version.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Failure.h"
#include "tools/settings/FoldersetTable.h"
#include "tools/settings/MailboxFolders.h"
#include "tools/settings/SettingKey.h"
#include "tools/settings/SettingsCommand.h"
#include "tools/settings/SettingsReport.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

SettingsTool::SettingsTool(StoreAccess store, const MailboxFolders* mailbox, std::ostream& out)
    : store_(std::move(store)), mailbox_(mailbox), out_(out) {}

void SettingsTool::Run(const SettingsCommand& command) {
    const std::vector<std::string>& args = command.Arguments;
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
        if (mailbox_ != nullptr && !mailbox_->PathOf(folder)) {
            throw ToolError(std::string("the ") + label + " folder (EntryID=" + folder.EntryID +
                            " StoreID=" + folder.StoreID + ") is not in " + mailbox_->Name());
        }
    }
    Append(record, "EntryID=" + record.Contacts().EntryID);
}

void SettingsTool::Append(const FoldersetRecord& record, const std::string& contactsName) {
    std::vector<FoldersetRecord> records = FoldersetTable::Read(store_.Settings());
    for (std::size_t i = 0; i < records.size(); ++i) {
        // The rule the add-in keeps: one folderset per contacts folder (journal and e-mails
        // folders may be shared).
        if (records[i].Contacts() == record.Contacts()) {
            throw ToolError(LoadResString(StringId::DuplicateContactFolder) + " (" + contactsName +
                            " is tracked at position " + std::to_string(i + 1) + ")");
        }
    }
    records.push_back(record);
    FoldersetTable::Write(store_.Settings(), records);
    out_ << "Added tracked folderset " << records.size() << " (contacts " << contactsName << ").\n";
}

void SettingsTool::Remove(const std::string& position) {
    std::vector<FoldersetRecord> records = FoldersetTable::Read(store_.Settings());
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
    FoldersetTable::Write(store_.Settings(), records);
    out_ << "Removed tracked folderset " << index << "; " << records.size() << " left.\n";
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
    store_.Settings().SaveSetting(ProductTitle, key->Section, key->Key, text);
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
