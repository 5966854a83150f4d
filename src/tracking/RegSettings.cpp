#include "src/tracking/RegSettings.h"

#include <algorithm>
#include <string_view>
#include <type_traits>
#include <vector>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/Version.h"
#include "src/tracking/DroppedFoldersets.h"
#include "src/tracking/SettingsChanges.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TextConversion.h"
#include "src/util/Ref.h"

namespace pwk {

namespace {

constexpr const char* kRegSettingsModule = "RegSettings";
using Role = SettingsLayout::Role;

}  // namespace

RegSettings::RegSettings(Component& component) : component_(component) {}

void RegSettings::ReadReg(const Ref<host::Application>& olApp) {
    Procedure proc(component_, kRegSettingsModule, "ReadReg", Boundary::Component);
    proc.Run([&] {
        // One snapshot of the store for the whole load: the values of one save, and a file
        // store opened and locked once instead of once per value.
        Store().Snapshot([&] { ReadEntries(proc, olApp); });
        proc.Step([&] { RaiseUpdated(); });
    });
}

void RegSettings::ReadEntries(Procedure& proc, const Ref<host::Application>& olApp) {
    const auto entries = SettingsLayout::Entries();
    unread_.assign(entries.size(), std::nullopt);
    partlyRead_.reset();
    baseline_.reset();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsLayout::Entry& entry = entries[i];
        if (entry.role == Role::Foldersets) {
            proc.Step(
                [&] { trackedFoldersets_ = std::make_shared<pwk::TrackedFoldersets>(component_); });
            Ref<host::NameSpace> nameSpace;
            proc.Step([&] { nameSpace = Deref(olApp).GetNamespace("MAPI"); });
            const bool read = proc.Step([&] {
                Deref(trackedFoldersets_).ReadFromReg(ProductTitle, nameSpace, entry.Section);
            });
            if (!read || trackedFoldersets_ == nullptr || trackedFoldersets_->Unread()) {
                partlyRead_ =
                    PartlyRead{trackedFoldersets_ != nullptr ? trackedFoldersets_->Stored()
                                                             : std::vector<FoldersetLayout::Ids>{},
                               FoldersetIds()};
            }
            if (trackedFoldersets_ != nullptr) {
                AddUnkept(trackedFoldersets_->TakeUnkept());
            }
            continue;
        }
        // Each value is one statement: one that cannot be read or converted leaves its
        // property as it was when the error library says to go on, and is unknown.
        SettingsLayout::WithMember(entry, [&](auto member) {
            auto& property = this->*member;
            const bool read = proc.Step([&] {
                const std::string fallback = entry.Default ? entry.Default : ToText(property);
                property = FromStoredText<std::remove_reference_t<decltype(property)>>(
                    entry.Section, entry.Key, Read(entry.Section, entry.Key, fallback));
            });
            if (!read) {
                unread_[i] = ToText(property);
            }
        });
    }
    // Counted in the same snapshot as the values. Without the count nothing is merged.
    std::int64_t changes = 0;
    if (!Procedure::Ignoring([&] { changes = SettingsChanges::Read(Store()); })) {
        // With the foldersets as stored: those dropped count as stored, so that the save
        // after the load removes them.
        baseline_ =
            trackedFoldersets_ != nullptr
                ? Current(changes, SettingsBaseline::Share(trackedFoldersets_->TakeStored()))
                : Current(changes);
    }
}

void RegSettings::SaveReg(const Ref<host::Application>& olApp,
                          const std::function<void()>& alsoWrite) {
    Procedure proc(component_, kRegSettingsModule, "SaveReg", Boundary::Component);
    proc.Run([&] {
        if (Unread(FoldersetsEntry())) {
            proc.Step([&] {
                component_.Errors().LogText(
                    "WARNING: The tracked foldersets could not all be read; the save leaves "
                    "them as stored");
            });
        }
        // One batch, all or nothing, also when the user goes on past a failure inside: going on
        // continues after the whole save, so the settings saved last time stay whole.
        proc.Step([&] {
            SettingsBaseline saved;
            Store().Batch([&] {
                SaveAll(olApp);
                if (alsoWrite) {
                    alsoWrite();
                }
                saved = Current(CountSave());
            });
            unkept_.clear();
            baseline_ = std::move(saved);
        });
    });
}

bool RegSettings::NoticeOutsideChange(const Ref<host::Application>& olApp) {
    std::int64_t changes = 0;
    // A store that is told of changes answers without reading anything when there was none.
    if (!baseline_ || !Store().MayHaveChanged() ||
        Procedure::Ignoring([&] { changes = SettingsChanges::Read(Store()); }).has_value() ||
        changes == baseline_->Changes) {
        return false;
    }
    bool merged = false;
    Procedure proc(component_, kRegSettingsModule, "NoticeOutsideChange", Boundary::Component);
    proc.Run([&] {
        proc.Step([&] {
            Store().Snapshot([&] { MergeStored(SettingsChanges::Read(Store()), olApp); });
            merged = true;
        });
        if (merged) {
            proc.Step([&] { RaiseUpdated(); });
        }
    });
    return merged;
}

void RegSettings::SaveAll(const Ref<host::Application>& olApp) {
    savedOver_.reset();
    const std::optional<std::int64_t> from =
        baseline_ ? std::optional(baseline_->Changes) : std::nullopt;
    if (baseline_) {
        const std::int64_t changes = SettingsChanges::Read(Store());
        if (changes != baseline_->Changes) {
            MergeStored(changes, olApp);
        }
    }
    if (partlyRead_ && !Unread(FoldersetsEntry())) {
        // The user changed a list the load could not read whole: the change goes into the
        // stored list, which this save reads (failing the whole save when it cannot).
        auto stored =
            FoldersetLayout::ReadAll(Store(), ProductTitle, pwk::TrackedFoldersets::DefaultSection);
        MergeFoldersets(partlyRead_->Found, stored, olApp);
        if (baseline_) {
            baseline_->Foldersets = SettingsBaseline::Share(std::move(stored));
        }
    }
    if (from) {
        savedOver_ = SavedOver{*from, *baseline_};
    }
    const auto entries = SettingsLayout::Entries();
    // What this save leaves as stored: values it does not know (a value kept for start-up
    // whose read fails now is one of them).
    std::vector<bool> left(entries.size());
    std::vector<std::string> kept(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].role == Role::Kept) {
            left[i] = Procedure::Ignoring([&] {
                          kept[i] = Read(entries[i].Section, entries[i].Key, "");
                      }).has_value();
        } else {
            left[i] = Unread(i);
        }
    }
    for (const DroppedFolderset& dropped : unkept_) {
        DroppedFoldersets::Keep(Store(), dropped);
    }
    ClearStoredSettings(olApp, left);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Empty counts as unset for start-up, so only kept values that say something return.
        if (!left[i] && (entries[i].role != Role::Kept || !kept[i].empty())) {
            SaveEntry(entries[i], kept[i]);
        }
    }
}

std::int64_t RegSettings::CountSave() {
    // Without a count read at the load, nothing says what another program last saw.
    return baseline_ ? SettingsChanges::RaiseIfChanged(Store()) : SettingsChanges::Raise(Store());
}

void RegSettings::PutBackOver(const RegSettings& edited, const Ref<host::Application>& olApp) {
    const auto& over = edited.savedOver_;
    if (over && baseline_ && baseline_->Changes == over->From) {
        if (over->Stored.Changes != over->From) {
            MergeIn(over->Stored, olApp);
        }
        if (partlyRead_ && !edited.partlyRead_) {
            // The other object's save read the whole stored list to put its change into it:
            // this object's list becomes the one it read, so that the change goes again.
            MergeFoldersets(partlyRead_->Found, over->Stored.StoredFoldersets(), olApp);
        }
    }
    baseline_.reset();
}

SettingsBaseline RegSettings::Current(std::int64_t changes) const {
    // A save of the foldersets as the baseline holds them (at every start, the save of what
    // the load read) shares the baseline's list instead of copying every identifier again.
    const auto& held = baseline_ ? baseline_->Foldersets : nullptr;
    auto ids = FoldersetIdsUnlike(held.get());
    return Current(changes, ids ? SettingsBaseline::Share(std::move(*ids)) : held);
}

SettingsBaseline RegSettings::Current(
    std::int64_t changes, std::shared_ptr<const SettingsBaseline::FoldersetList> foldersets) const {
    const auto entries = SettingsLayout::Entries();
    SettingsBaseline current{changes, std::vector<std::optional<std::string>>(entries.size()),
                             std::move(foldersets)};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].role == Role::Option && !Unread(i)) {
            SettingsLayout::WithMember(
                entries[i], [&](auto member) { current.Options[i] = ToText(this->*member); });
        }
    }
    return current;
}

std::optional<std::vector<FoldersetLayout::Ids>> RegSettings::FoldersetIdsUnlike(
    const SettingsBaseline::FoldersetList* same) const {
    const std::int32_t count = trackedFoldersets_ != nullptr ? trackedFoldersets_->Count() : 0;
    bool alike = same != nullptr && same->size() == static_cast<std::size_t>(count);
    std::vector<FoldersetLayout::Ids> ids;
    for (std::int32_t i = 1; i <= count; ++i) {
        const TrackedFolderset& folderset = trackedFoldersets_->ItemView(i);
        if (alike && FoldersetLayout::HasIds(folderset, (*same)[i - 1])) {
            continue;
        }
        if (alike) {
            // The first that differs: those before it are the list's.
            alike = false;
            ids.assign(same->begin(), same->begin() + (i - 1));
        }
        ids.push_back(FoldersetLayout::IdsOf(folderset));
    }
    if (alike) {
        return std::nullopt;
    }
    return ids;
}

std::vector<FoldersetLayout::Ids> RegSettings::FoldersetIds() const {
    return std::move(*FoldersetIdsUnlike(nullptr));
}

void RegSettings::SaveEntry(const SettingsLayout::Entry& entry, const std::string& kept) {
    switch (entry.role) {
        case Role::Foldersets:
            Deref(trackedFoldersets_).Write(Store(), ProductTitle, entry.Section);
            return;
        case Role::Kept:
            Write(entry.Section, entry.Key, kept);
            return;
        case Role::FirstRun:
            Write(entry.Section, entry.Key, BooleanText(false));
            return;
        case Role::Version:
            Write(entry.Section, entry.Key, std::to_string(component_.version().*entry.Running));
            return;
        case Role::Option:
            SettingsLayout::WithMember(entry, [&](auto member) {
                Write(entry.Section, entry.Key, ToText(this->*member));
            });
            return;
    }
}

void RegSettings::UpdateFrom(const std::shared_ptr<RegSettings>& newSettings,
                             const Ref<host::Application>& olApp) {
    CopySettings(newSettings, olApp);
    RaiseUpdated();
}

bool RegSettings::JustUpgraded() const {
    // A version that could not be read tells nothing: the log stays.
    if (VersionUnread()) {
        return false;
    }
    const Version running = component_.version();
    if (running.Major != prevRunVersionMajor_) {
        return running.Major > prevRunVersionMajor_;
    }
    if (running.Minor != prevRunVersionMinor_) {
        return running.Minor > prevRunVersionMinor_;
    }
    return running.Revision > prevRunVersionRevision_;
}

void RegSettings::CopySettings(const std::shared_ptr<RegSettings>& newSettings,
                               const Ref<host::Application>& olApp) {
    // The copy of the foldersets, the only part that asks the host, is made before anything of
    // this object changes: a host failure leaves these settings as they were, never half
    // replaced (the options page saves before it hands its settings over).
    const RegSettings& from = Deref(newSettings);
    auto foldersets = std::make_shared<pwk::TrackedFoldersets>(component_);
    // A folderset that fails validation is missing from the copy, and waits for the next
    // save's recovery record.
    foldersets->CopyFrom(from.TrackedFoldersets(), Deref(olApp).GetNamespace("MAPI"));
    const auto entries = SettingsLayout::Entries();
    unread_.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsLayout::Entry& entry = entries[i];
        const auto fromUnread = i < from.unread_.size() ? from.unread_[i] : std::nullopt;
        if (entry.role == Role::Foldersets) {
            trackedFoldersets_ = foldersets;
            partlyRead_ = from.partlyRead_;
        } else if (entry.role == Role::Option || entry.role == Role::Version) {
            // FirstRun stays: it describes this process's start, not the edited settings.
            // What the other object did not know, this one does not either.
            SettingsLayout::WithMember(entry, [&](auto member) { this->*member = from.*member; });
            unread_[i] = fromUnread;
        }
    }
    AddUnkept(from.unkept_);
    AddUnkept(foldersets->TakeUnkept());
    baseline_ = from.baseline_;
}

void RegSettings::ClearStoredSettings(const Ref<host::Application>& /*olApp*/,
                                      const std::vector<bool>& left) {
    // A section is removed only when the save knows everything it holds.
    const auto entries = SettingsLayout::Entries();
    const auto known = [&](std::string_view section) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (left[i] && (section.empty() || section == entries[i].Section)) {
                return false;
            }
        }
        return true;
    };
    // A section that is not there cannot be removed; that is fine, the next one is tried.
    SettingsStore& store = Store();
    for (const char* section : {SettingsLayout::Logging, pwk::TrackedFoldersets::DefaultSection,
                                SettingsLayout::Tracking}) {
        if (known(section)) {
            Procedure::Ignoring([&] { store.DeleteSection(ProductTitle, section); });
        }
    }
    if (known("")) {
        Procedure::Ignoring([&] { store.DeleteApplication(ProductTitle); });
    }
}

void RegSettings::AddUnkept(const std::vector<DroppedFolderset>& dropped) {
    for (const DroppedFolderset& record : dropped) {
        const auto section = DroppedFoldersets::RecordSection(record);
        const bool known = std::any_of(unkept_.begin(), unkept_.end(), [&](const auto& held) {
            return DroppedFoldersets::RecordSection(held) == section;
        });
        if (!known) {
            unkept_.push_back(record);
        }
    }
}

bool RegSettings::Unread(std::size_t entry) const {
    const auto entries = SettingsLayout::Entries();
    if (entries[entry].role == Role::Version) {
        // The version's parts go together: one unread leaves all three as stored.
        return VersionUnread();
    }
    if (entries[entry].role == Role::Foldersets) {
        // A list changed since (on the options page) is merged into the stored one.
        return partlyRead_ && FoldersetIds() == partlyRead_->Loaded;
    }
    if (entry >= unread_.size() || !unread_[entry]) {
        return false;
    }
    const SettingsLayout::Entry& layout = entries[entry];
    if (layout.role != Role::Option) {
        return true;
    }
    // An option changed since (by the user, on the options page) is known again.
    bool unchanged = true;
    SettingsLayout::WithMember(
        layout, [&](auto member) { unchanged = ToText(this->*member) == *unread_[entry]; });
    return unchanged;
}

bool RegSettings::VersionUnread() const {
    const auto entries = SettingsLayout::Entries();
    for (std::size_t i = 0; i < unread_.size(); ++i) {
        if (entries[i].role == Role::Version && unread_[i]) {
            return true;
        }
    }
    return false;
}

std::size_t RegSettings::FoldersetsEntry() {
    const auto entries = SettingsLayout::Entries();
    return static_cast<std::size_t>(
        std::find_if(entries.begin(), entries.end(),
                     [](const auto& entry) { return entry.role == Role::Foldersets; }) -
        entries.begin());
}

void RegSettings::RaiseUpdated() {
    updated_.Raise([](RegSettingsEvents& sink) { sink.Updated(); });
}

SettingsStore& RegSettings::Store() const {
    return component_.platform().Settings();
}

std::string RegSettings::Read(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    return Store().GetSetting(ProductTitle, section, key, defaultValue);
}

void RegSettings::Write(const std::string& section, const std::string& key,
                        const std::string& value) const {
    Store().SaveSetting(ProductTitle, section, key, value);
}

}  // namespace pwk
