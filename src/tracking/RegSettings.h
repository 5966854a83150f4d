#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "src/tracking/DroppedFolderset.h"
#include "src/tracking/RegSettingsEvents.h"
#include "src/tracking/SettingsBaseline.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/TrackedFoldersets.h"
#include "src/util/Connection.h"
#include "src/util/EventSource.h"
#include "src/util/Ref.h"

namespace pwk {

class Component;
class Procedure;
class SettingsStore;

namespace host {
class Application;
}  // namespace host

// The add-in's options and its tracked foldersets, loaded from and saved to the per-user
// settings store under the product title. Owners learn of every replaced content through
// Updated.
class RegSettings {
  public:
    explicit RegSettings(Component& component);

    std::int32_t LogLevel() const { return logLevel_; }
    void SetLogLevel(std::int32_t value) { logLevel_ = value; }
    std::shared_ptr<pwk::TrackedFoldersets> TrackedFoldersets() const { return trackedFoldersets_; }
    void SetTrackedFoldersets(std::shared_ptr<pwk::TrackedFoldersets> value) {
        trackedFoldersets_ = std::move(value);
    }
    bool TrackUnlinkedEmail() const { return trackUnlinkedEmail_; }
    void SetTrackUnlinkedEmail(bool value) { trackUnlinkedEmail_ = value; }
    bool JournalEmails() const { return journalEmails_; }
    void SetJournalEmails(bool value) { journalEmails_ = value; }
    bool SaveLinksByRef() const { return saveLinksByRef_; }
    void SetSaveLinksByRef(bool value) { saveLinksByRef_ = value; }
    bool FirstRun() const { return firstRun_; }
    void SetFirstRun(bool value) { firstRun_ = value; }
    std::int16_t PrevRunVersionMajor() const { return prevRunVersionMajor_; }
    void SetPrevRunVersionMajor(std::int16_t value) { prevRunVersionMajor_ = value; }
    std::int16_t PrevRunVersionMinor() const { return prevRunVersionMinor_; }
    void SetPrevRunVersionMinor(std::int16_t value) { prevRunVersionMinor_ = value; }
    std::int16_t PrevRunVersionRevision() const { return prevRunVersionRevision_; }
    void SetPrevRunVersionRevision(std::int16_t value) { prevRunVersionRevision_ = value; }
    bool TrackAppointments() const { return trackAppointments_; }
    void SetTrackAppointments(bool value) { trackAppointments_ = value; }
    bool UseSentMailFolder() const { return useSentMailFolder_; }
    void SetUseSentMailFolder(bool value) { useSentMailFolder_ = value; }

    // Loads everything (stored foldersets whose folders are gone are dropped), then raises
    // Updated.
    void ReadReg(const Ref<host::Application>& olApp);
    // Replaces everything stored under the product title by the current settings, in one batch
    // of the store, all or nothing. Keeps the log location stored by hand and every value whose
    // read failed (unknown, not default) unless changed since: tracked foldersets that could
    // not all be read and were changed since go into the stored list, which the save reads, so
    // that those never loaded stay. Writes the recovery records of foldersets dropped
    // meanwhile; records the running version and that this was not the first run. When
    // another program saved since these settings were last read or saved, what it saved is
    // merged in first (its values and foldersets stay, this object's changes since go on top;
    // a value both changed keeps this object's, and the log says so): the properties then hold
    // the merged settings. Else changes no property. `alsoWrite` runs last in the same batch,
    // for a caller that saves more with the settings.
    void SaveReg(const Ref<host::Application>& olApp,
                 const std::function<void()>& alsoWrite = nullptr);
    // When another program saved the settings since these were last read or saved (one read
    // of the count of saves), merges what it saved in as SaveReg would, raises Updated and
    // answers true. Failures go to the error library and the answer is false.
    bool NoticeOutsideChange(const Ref<host::Application>& olApp);
    // `edited`, made from these settings, saved them changed, and this object did not take
    // them: merges in what other programs had saved before that save (as far as it knew) as a
    // save would, unless this object has read or saved since it made `edited`; the next save
    // then writes these settings over the store, merging nothing more. Failures pass to the
    // caller.
    void PutBackOver(const RegSettings& edited, const Ref<host::Application>& olApp);
    // Takes over `newSettings` (its foldersets validated against the host; FirstRun kept),
    // then raises Updated. Failures pass to the caller, and Updated is then not raised.
    void UpdateFrom(const std::shared_ptr<RegSettings>& newSettings,
                    const Ref<host::Application>& olApp);
    // True when the running add-in is newer than the one that saved the settings last; false
    // when that version could not be read.
    bool JustUpgraded() const;

    Connection Advise(RegSettingsEvents& sink) { return updated_.Advise(sink); }

  private:
    // The layout names the members it reads, saves and copies.
    friend class SettingsLayout;

    // ReadReg's statements, each value one step of `proc`.
    void ReadEntries(Procedure& proc, const Ref<host::Application>& olApp);
    void CopySettings(const std::shared_ptr<RegSettings>& newSettings,
                      const Ref<host::Application>& olApp);
    // SaveReg's batch: another program's save merged in, the recovery records owed, then every
    // value this object knows.
    void SaveAll(const Ref<host::Application>& olApp);
    // The count of saves at the end of SaveReg's batch: raised when the batch changed the store.
    std::int64_t CountSave();
    // Reads the stored settings (the caller holds the store's batch or snapshot) and merges
    // them in (RegSettingsMerge.cpp); the baseline becomes what was read, counted `changes`.
    // Foldersets the other program added are checked against the host; one refused waits for
    // the next save's recovery record.
    void MergeStored(std::int64_t changes, const Ref<host::Application>& olApp);
    // MergeStored's read: each option's text as stored (none when unreadable) and the stored
    // foldersets, but for values this object leaves as stored; counted `changes`.
    SettingsBaseline ReadStored(std::int64_t changes) const;
    // MergeStored's merge of `stored` into these settings, held against the baseline; the
    // baseline becomes `stored`.
    void MergeIn(SettingsBaseline stored, const Ref<host::Application>& olApp);
    // The foldersets become `stored` without what this object removed since `base`, with what
    // it added since; the list is known whole then.
    void MergeFoldersets(const std::vector<FoldersetLayout::Ids>& base,
                         const std::vector<FoldersetLayout::Ids>& stored,
                         const Ref<host::Application>& olApp);
    // The baseline of these settings as a save writes them, counted `changes`: the tracked
    // foldersets as loaded, or the list given.
    SettingsBaseline Current(std::int64_t changes) const;
    SettingsBaseline Current(
        std::int64_t changes,
        std::shared_ptr<const SettingsBaseline::FoldersetList> foldersets) const;
    // The tracked foldersets' identifiers; nothing when they are exactly the list `same`, in
    // its order (nothing is copied then). Each folderset is asked once.
    std::optional<std::vector<FoldersetLayout::Ids>> FoldersetIdsUnlike(
        const SettingsBaseline::FoldersetList* same) const;
    std::vector<FoldersetLayout::Ids> FoldersetIds() const;
    // Removes the stored sections, all but those holding a value the save leaves (`left`, by
    // layout entry).
    void ClearStoredSettings(const Ref<host::Application>& olApp, const std::vector<bool>& left);
    void AddUnkept(const std::vector<DroppedFolderset>& dropped);
    // The layout entry's value could not be read and has not been changed since: a save
    // leaves it as stored.
    bool Unread(std::size_t entry) const;
    bool VersionUnread() const;
    static std::size_t FoldersetsEntry();
    void SaveEntry(const SettingsLayout::Entry& entry, const std::string& kept);
    void RaiseUpdated();

    SettingsStore& Store() const;
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;
    void Write(const std::string& section, const std::string& key, const std::string& value) const;

    Component& component_;
    std::int32_t logLevel_ = 0;
    std::shared_ptr<pwk::TrackedFoldersets> trackedFoldersets_;
    bool trackUnlinkedEmail_ = false;
    bool journalEmails_ = false;
    bool saveLinksByRef_ = false;
    bool firstRun_ = false;
    std::int16_t prevRunVersionMajor_ = 0;
    std::int16_t prevRunVersionMinor_ = 0;
    std::int16_t prevRunVersionRevision_ = 0;
    bool trackAppointments_ = false;
    bool useSentMailFolder_ = false;
    // By layout entry: the value's text when its read failed (unknown, not default).
    std::vector<std::optional<std::string>> unread_;
    // The tracked foldersets when the load could not read them all: what it found stored
    // (those it dropped too) and what it loaded. A save leaves the stored list as it is while
    // the loaded one is unchanged; a changed one is merged into the stored list.
    struct PartlyRead {
        std::vector<FoldersetLayout::Ids> Found;
        std::vector<FoldersetLayout::Ids> Loaded;
    };
    std::optional<PartlyRead> partlyRead_;
    // Dropped foldersets the recovery record does not hold yet: the next save writes them.
    std::vector<DroppedFolderset> unkept_;
    // What the store held at the last read or save; none before either (a save then merges
    // nothing).
    std::optional<SettingsBaseline> baseline_;
    // The last save: the count of saves of the baseline it started from, and what the store
    // held before it, as far as it knew (another program's save it merged in, else that
    // baseline). None when the count was not known.
    struct SavedOver {
        std::int64_t From = 0;
        SettingsBaseline Stored;
    };
    std::optional<SavedOver> savedOver_;
    EventSource<RegSettingsEvents> updated_;
};

}  // namespace pwk
