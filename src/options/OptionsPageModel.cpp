#include "src/options/OptionsPageModel.h"

#include <utility>
#include <variant>

#include "src/component/Component.h"
#include "src/host/Application.h"
#include "src/host/MAPIFolder.h"
#include "src/host/NameSpace.h"
#include "src/options/FolderPath.h"
#include "src/options/PageTexts.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/StringTable.h"
#include "src/resources/Version.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TextConversion.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/tracking/TrackedFoldersets.h"

namespace pwk {

namespace {

using Flag = bool RegSettings::*;

constexpr const char* kLogPath = "LogPath";
constexpr const char* kLogFilename = "LogFilename";

// The switches are the layout's options held in a Boolean, in the layout's order.
template <class Visit>
void ForEachSwitch(Visit visit) {
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.IsSwitch()) {
            visit(entry.PropertyName(), std::get<Flag>(entry.property));
        }
    }
}

// A folder's item kinds as the page accepts them for each of the three roles: e-mail copies
// may go to a mail folder or to a public folder of posts.
bool Holds(host::ItemType kind, OptionsPageModel::Pick role) {
    switch (role) {
        case OptionsPageModel::Pick::Contacts:
            return kind == host::ItemType::Contact;
        case OptionsPageModel::Pick::Journal:
            return kind == host::ItemType::Journal;
        case OptionsPageModel::Pick::Emails:
            return kind == host::ItemType::Mail || kind == host::ItemType::Post;
    }
    return false;
}

const char* WrongKind(OptionsPageModel::Pick role) {
    switch (role) {
        case OptionsPageModel::Pick::Contacts:
            return PageTexts::NotContacts;
        case OptionsPageModel::Pick::Journal:
            return PageTexts::NotJournal;
        case OptionsPageModel::Pick::Emails:
            break;
    }
    return PageTexts::NotEmails;
}

bool OneLine(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}

}  // namespace

// What Dirty compares: everything a save writes from the page.
struct OptionsPageModel::Snapshot {
    std::vector<bool> Switches;
    std::int32_t LogLevel = 0;
    std::string LogPath;
    std::string LogFilename;
    std::vector<Identifiers> Foldersets;
    bool operator==(const Snapshot&) const = default;
};

OptionsPageModel::OptionsPageModel(Component& component, Ref<host::Application> application,
                                   std::shared_ptr<RegSettings> live)
    : component_(component), application_(std::move(application)), live_(std::move(live)) {}

OptionsPageModel::~OptionsPageModel() = default;

bool OptionsPageModel::Load() {
    message_.clear();
    try {
        auto copy = std::make_shared<RegSettings>(component_);
        copy->UpdateFrom(live_, application_);
        SettingsStore& store = component_.platform().Settings();
        std::string path = store.GetSetting(ProductTitle, SettingsLayout::Logging, kLogPath);
        std::string filename =
            store.GetSetting(ProductTitle, SettingsLayout::Logging, kLogFilename);
        copy_ = std::move(copy);
        logPath_ = std::move(path);
        logFilename_ = std::move(filename);
        rows_.clear();
        ids_.clear();
        const std::int32_t count = copy_->TrackedFoldersets()->Count();
        for (std::int32_t position = 1; position <= count; ++position) {
            Show(position);
        }
        loaded_ = std::make_unique<Snapshot>(Take());
        return true;
    } catch (const Failure& failure) {
        return Refuse(PageTexts::HostFailed + failure.Description);
    }
}

std::vector<OptionsPageModel::Switch> OptionsPageModel::Switches() const {
    std::vector<Switch> switches;
    ForEachSwitch([&](const char* name, Flag member) {
        switches.push_back(Switch{name, copy_ && (*copy_).*member});
    });
    return switches;
}

bool OptionsPageModel::SetSwitch(const std::string& name, bool on) {
    message_.clear();
    bool found = false;
    ForEachSwitch([&](const char* key, Flag member) {
        if (copy_ && name == key) {
            (*copy_).*member = on;
            found = true;
        }
    });
    return found || Refuse("There is no switch \"" + name + "\".");
}

std::int32_t OptionsPageModel::LogLevel() const {
    return copy_ ? copy_->LogLevel() : 0;
}

bool OptionsPageModel::SetLogLevel(const std::string& text) {
    message_.clear();
    try {
        const auto level = TextToInteger<std::int32_t>(text);
        if (copy_) {
            copy_->SetLogLevel(level);
        }
        return true;
    } catch (const Failure&) {
        return Refuse(PageTexts::BadLogLevel + text);
    }
}

bool OptionsPageModel::SetLogLocation(const std::string& path, const std::string& filename) {
    message_.clear();
    if (!OneLine(path) || !OneLine(filename)) {
        return Refuse(PageTexts::BadLogText);
    }
    if (filename.find_first_of("\\/:") != std::string::npos) {
        return Refuse(PageTexts::BadLogFilename + filename);
    }
    logPath_ = path;
    logFilename_ = filename;
    return true;
}

bool OptionsPageModel::AddPicked(const std::string& attachDir) {
    message_.clear();
    Ref<host::MAPIFolder> picked[3];
    try {
        const auto nameSpace = NameSpace();
        for (Ref<host::MAPIFolder>& folder : picked) {
            folder = nameSpace->PickFolder();
            if (!folder) {
                return false;
            }
        }
    } catch (const Failure& failure) {
        return Refuse(PageTexts::HostFailed + failure.Description);
    }
    return Add(picked[0], picked[1], picked[2], attachDir);
}

bool OptionsPageModel::Add(const Ref<host::MAPIFolder>& contacts,
                           const Ref<host::MAPIFolder>& journal,
                           const Ref<host::MAPIFolder>& emails, const std::string& attachDir) {
    message_.clear();
    if (!copy_) {
        return Refuse(PageTexts::HostFailed);
    }
    try {
        if (!CheckKind(contacts, Pick::Contacts) || !CheckKind(journal, Pick::Journal) ||
            !CheckKind(emails, Pick::Emails)) {
            return false;
        }
        if (!OneLine(attachDir)) {
            return Refuse(PageTexts::NoAttachDir + attachDir);
        }
        if (!attachDir.empty() && !AttachDirExists(attachDir)) {
            return Refuse(PageTexts::NoAttachDir + attachDir);
        }
        const auto foldersets = copy_->TrackedFoldersets();
        auto folderset = std::make_shared<TrackedFolderset>(component_);
        folderset->SetIDs(contacts->EntryID(), contacts->StoreID(), journal->EntryID(),
                          journal->StoreID(), emails->EntryID(), emails->StoreID(), attachDir,
                          foldersets->nextRegIndex());
        if (!foldersets->Add(folderset, NameSpace())) {
            return Refuse(foldersets->GetFailReason());
        }
        Show(foldersets->Count());
        return true;
    } catch (const Failure& failure) {
        return Refuse(PageTexts::HostFailed + failure.Description);
    }
}

bool OptionsPageModel::Remove(std::size_t position) {
    message_.clear();
    if (!copy_ || position < 1 || position > rows_.size()) {
        return Refuse("There is no tracked folderset " + std::to_string(position) + ".");
    }
    try {
        const auto foldersets = copy_->TrackedFoldersets();
        foldersets->Remove(foldersets->Item(static_cast<std::int32_t>(position)));
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(position - 1));
        ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(position - 1));
        return true;
    } catch (const Failure& failure) {
        return Refuse(failure.Description);
    }
}

bool OptionsPageModel::Dirty() const {
    return copy_ && loaded_ && Take() != *loaded_;
}

bool OptionsPageModel::Apply() {
    message_.clear();
    if (!Dirty()) {
        return true;
    }
    try {
        SaveCopy();
    } catch (const Failure& failure) {
        return Refuse(PageTexts::SaveFailed + failure.Description);
    }
    try {
        live_->UpdateFrom(copy_, application_);
    } catch (const Failure& failure) {
        // The running add-in did not take the settings (it keeps them as they were): the store
        // goes back to them too, so that the page's "not saved" is true and no later save of
        // the add-in writes its values over the page's; what other programs saved, and the
        // page's save merged, stays. If that fails as well, the store keeps the page's
        // settings whole, for the add-in's next start.
        try {
            SaveLive();
        } catch (const Failure&) {
        }
        return Refuse(PageTexts::SaveFailed + failure.Description);
    }
    return Load();
}

void OptionsPageModel::SaveLive() {
    SettingsStore& store = component_.platform().Settings();
    // The store goes back to the live settings with what other programs had saved, over the
    // page's save.
    live_->PutBackOver(*copy_, application_);
    store.Batch([&] {
        // The log location as it was loaded, where the page's save changed it; an empty one
        // goes with the save, which keeps only stored values that say something.
        if (logPath_ != loaded_->LogPath) {
            store.SaveSetting(ProductTitle, SettingsLayout::Logging, kLogPath, loaded_->LogPath);
        }
        if (logFilename_ != loaded_->LogFilename) {
            store.SaveSetting(ProductTitle, SettingsLayout::Logging, kLogFilename,
                              loaded_->LogFilename);
        }
        live_->SaveReg(application_);
    });
}

void OptionsPageModel::SaveCopy() {
    SettingsStore& store = component_.platform().Settings();
    // The add-in's save keeps the log location as stored; the page's change of it goes into
    // the same batch, so that the store takes all of the page or nothing.
    copy_->SaveReg(application_, [&] {
        if (logPath_ != loaded_->LogPath) {
            store.SaveSetting(ProductTitle, SettingsLayout::Logging, kLogPath, logPath_);
        }
        if (logFilename_ != loaded_->LogFilename) {
            store.SaveSetting(ProductTitle, SettingsLayout::Logging, kLogFilename, logFilename_);
        }
    });
}

Ref<host::NameSpace> OptionsPageModel::NameSpace() const {
    return application_->GetNamespace("MAPI");
}

bool OptionsPageModel::Refuse(std::string message) {
    message_ = std::move(message);
    return false;
}

bool OptionsPageModel::CheckKind(const Ref<host::MAPIFolder>& folder, Pick role) {
    if (!folder) {
        return Refuse(LoadResString(StringId::ContactFolderNotFound));
    }
    if (!Holds(folder->DefaultItemType(), role)) {
        return Refuse("\"" + FolderPath(folder) + "\"" + WrongKind(role));
    }
    return true;
}

bool OptionsPageModel::AttachDirExists(const std::string& attachDir) const {
    return component_.platform().FolderExists(attachDir);
}

void OptionsPageModel::Show(std::int32_t position) {
    const auto folderset = copy_->TrackedFoldersets()->Item(position);
    const auto nameSpace = NameSpace();
    const auto pathOf = [](const Ref<host::MAPIFolder>& folder) {
        return folder ? FolderPath(folder) : std::string(PageTexts::NotFound);
    };
    const TrackedFolderset& f = *folderset;
    Row row{pathOf(f.ContactMAPIFolder(nameSpace)), pathOf(f.JournMAPIFolder(nameSpace)),
            pathOf(f.EmailMAPIFolder(nameSpace)), f.getAttachDir()};
    Identifiers ids{f.getContactFoldEntryID(), f.getContactFoldStoreID(), f.getJournFoldEntryID(),
                    f.getJournFoldStoreID(),   f.getEmailFoldEntryID(),   f.getEmailFoldStoreID(),
                    f.getAttachDir()};
    rows_.push_back(std::move(row));
    ids_.push_back(std::move(ids));
}

OptionsPageModel::Snapshot OptionsPageModel::Take() const {
    Snapshot snapshot;
    ForEachSwitch([&](const char*, Flag member) { snapshot.Switches.push_back((*copy_).*member); });
    snapshot.LogLevel = copy_->LogLevel();
    snapshot.LogPath = logPath_;
    snapshot.LogFilename = logFilename_;
    snapshot.Foldersets = ids_;
    return snapshot;
}

}  // namespace pwk
