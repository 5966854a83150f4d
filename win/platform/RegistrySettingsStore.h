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
class RegistrySettingsStore : public SettingsStore {
  public:
    static constexpr const wchar_t* ProgramSettings = L"Software\\VB and VBA Program Settings";
    static constexpr const wchar_t* PendingBatch = L"Software\\Parleywick\\Pending settings batch";
    // Below the pending key: the batch's copy of each application it changes.
    static constexpr const wchar_t* PendingCopies = L"\\Applications";

    explicit RegistrySettingsStore(HKEY root = HKEY_CURRENT_USER,
                                   std::wstring base = ProgramSettings,
                                   std::wstring pending = PendingBatch);

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSection(const std::string& appName, const std::string& section) override;
    void DeleteApplication(const std::string& appName) override;
    void Batch(const std::function<void()>& changes) override;
    // The mark is a named mutex, named after the settings' key, that the running add-in holds
    // open: the system closes it with the process, however it ends.
    void MarkOpen(bool open) override;
    bool MarkedOpen() override;

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
    void RecoverPending();
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
    BatchLock lock_{pending_};
    UniqueHandle openMark_;
    int depth_ = 0;
    std::set<std::wstring> touched_;                // applications copied in the running batch
    std::map<std::wstring, RegistrySync> planned_;  // per application, what applying writes
    std::optional<RegistryKey> written_;            // the section key last written
    std::wstring writtenPath_;                      // its path, inside a batch only
};

}  // namespace pwk::win
