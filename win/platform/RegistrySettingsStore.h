#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "src/platform/SettingsStore.h"
#include "win/platform/BatchLock.h"
#include "win/platform/RegistryChangeWatch.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySync.h"

namespace pwk::win {

// The settings store in the current user's registry branch for program settings:
// <root>\<base>\<application>\<section level>...\<section level>, one REG_SZ value per key.
// Names compare case-insensitively, as the registry does.
//
// A batch works on copies: the first change to an application inside a batch copies that
// application's key under the pending key, every read and change of the batch goes to the copy,
// and at the end the pending key is marked complete before the copies replace the live keys.
// A new store, and every batch before it begins, rolls a complete pending batch forward (a
// crash or a refusal of the registry came while applying it) and throws an incomplete one away
// (the crash came before it was recorded), so a crash never leaves half a batch. Applying
// writes only what differs from the live keys, and a batch that changes nothing is neither
// marked nor applied. One program at a time records or applies a batch (BatchLock): the add-in
// and the settings tool share the pending key.
//
// A store opened for reading only changes nothing in the registry: it neither applies nor
// throws away a batch another program left behind, but reads an application that a complete
// batch changes from that batch's copy, as the settings will be once the next writer applies it.
//
// While a running add-in has the store marked open, the store watches its key tree
// (RegistryChangeWatch) to tell cheaply that no other program changed it.
class RegistrySettingsStore : public SettingsStore {
  public:
    static constexpr const wchar_t* ProgramSettings = L"Software\\VB and VBA Program Settings";
    static constexpr const wchar_t* PendingBatch = L"Software\\Parleywick\\Pending settings batch";
    // Below the pending key: the batch's copy of each application it changes.
    static constexpr const wchar_t* PendingCopies = L"\\Applications";

    // Reading only: every change is refused, and nothing is recovered.
    enum class Access { ReadWrite, ReadingOnly };

    explicit RegistrySettingsStore(HKEY root = HKEY_CURRENT_USER,
                                   std::wstring base = ProgramSettings,
                                   std::wstring pending = PendingBatch,
                                   Access access = Access::ReadWrite);

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSection(const std::string& appName, const std::string& section) override;
    void DeleteApplication(const std::string& appName) override;
    void Batch(const std::function<void()>& changes) override;
    // Reading only: the reads see no batch begin or end half way (they hold the batch lock).
    void Snapshot(const std::function<void()>& reads) override;
    // The mark is a named mutex, named after the settings' key, that the running add-in holds
    // open: the system closes it with the process, however it ends.
    void MarkOpen(bool open) override;
    bool MarkedOpen() override;
    // False only while marked open and the watch saw no change since the last true; a change
    // of the add-in's own counts as well (its count of saves tells it apart).
    bool MayHaveChanged() override;
    // Where the one line goes that says the registry refused to be watched.
    void OnWatchFailure(RegistryChangeWatch::FailureSink sink);

    // Every value of one application as sorted "section|key=value" lines, in stored spelling.
    std::vector<std::string> Dump(const std::string& appName);
    // Where the store lives, for messages: "HKEY_CURRENT_USER\<base>".
    std::string Name() const;

  protected:
    // Marks the recorded batch complete and applies it; a test stops between the two.
    virtual void MarkComplete();
    virtual void ApplyPending();

  private:
    // Where an application's keys are read and written: its live key, or inside a batch its
    // copy under the pending key.
    std::wstring ApplicationPath(const std::string& appName, bool forChange);
    std::wstring SectionPathOf(const std::string& appName, const std::string& section,
                               bool forChange);
    static std::wstring Folded(const std::string& appName);
    std::wstring PendingCopy(const std::wstring& appName) const;
    // Reading only: the copy of a complete batch left behind that holds the application, or
    // `live`.
    std::wstring ReadPath(const std::string& appName, const std::wstring& live) const;
    void RequireWritable() const;
    void RecoverPending();
    // The applications of a complete batch recorded under the pending key (not applied yet);
    // nothing when none is, or the one there is incomplete.
    std::optional<std::set<std::wstring>> RecordedBatch() const;
    std::wstring OpenMarkName() const;
    void DiscardPending();
    // Plans the writes that apply the batch to each live application; whether any is needed.
    bool PlanChanges();
    // The key of a section to write to, created when missing. Inside a batch the last one
    // stays open for the next write (a save writes a section's values one after the other);
    // anything that removes or copies keys forgets it.
    const RegistryKey* SectionKey(const std::wstring& path, LONG& status);
    void ForgetSectionKey();

    HKEY root_;
    std::wstring base_;
    std::wstring pending_;
    Access access_;
    BatchLock lock_{pending_};
    UniqueHandle openMark_;
    RegistryChangeWatch watch_{root_, base_};
    int depth_ = 0;
    std::set<std::wstring> touched_;                // applications copied in the running batch
    std::map<std::wstring, RegistrySync> planned_;  // per application, what applying writes
    std::optional<RegistryKey> written_;            // the section key last written
    std::wstring writtenPath_;                      // its path, inside a batch only
};

}  // namespace pwk::win
