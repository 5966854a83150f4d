#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "src/platform/SettingsStore.h"
#include "win/platform/BatchLock.h"
#include "win/platform/RegistryChangeWatch.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistryReadCache.h"
#include "win/platform/RegistrySync.h"
#include "win/platform/RegistryTree.h"

namespace pwk::win {

// The settings store in the current user's registry branch for program settings:
// <root>\<base>\<application>\<section level>...\<section level>, one REG_SZ value per key.
// Names compare case-insensitively, as the registry does.
//
// A batch works on images: the first change to an application inside a batch reads that
// application's key whole into memory, and every read and change of the batch goes to the image.
// At the end the batch compares each image with what it was read from and records only the writes
// that differ under the pending key, marks the record complete, and then applies it to the live
// keys. A new store, and every batch before it begins, rolls a complete pending batch forward (a
// crash or a refusal of the registry came while applying it) and throws an incomplete one away
// (the crash came before it was recorded), so a crash never leaves half a batch. A batch that
// changes nothing is neither recorded nor applied. One program at a time records or applies a
// batch (BatchLock): the add-in and the settings tool share the pending key.
//
// Each section a batch writes, reads or removes also has its key made, opened, or opened with the
// right to delete it under the pending key, where the batch's record goes: a registry that
// refuses those refuses the statement that asked, inside the batch, before anything is recorded.
// Those keys hold nothing and stay between batches (made once, not at every save); the record
// itself is the steps and the mark, which go once the batch is applied or thrown away.
//
// Inside a snapshot every section is read once, its key opened once and its values listed with
// their data.
//
// A store opened for reading only changes nothing in the registry: it neither applies nor
// throws away a batch another program left behind, but reads an application that a complete
// batch changes as the next writer will leave it: the application read into memory with the
// batch's recorded writes made to it there. Its reads hold the batch lock, so that they never
// meet a batch recorded or applied half way.
//
// While a running add-in has the store marked open, the store watches its key tree
// (RegistryChangeWatch) to tell cheaply that no other program changed it.
//
// Given a cache file, the store keeps what it listed of the settings' keys there between runs
// (RegistryReadCache): a start, and the image of a batch, list again only the keys changed since.
// The file is written at the end of a snapshot or batch that listed a key, and let go of when
// the add-in lets go of the settings (MarkOpen(false)). Within a run a second watch of the
// key tree, asked before each snapshot, lone read and image, lets the cache vouch for every key
// read since it last saw a change: a save right after the load that read the same keys asks the
// registry nothing about them.
class RegistrySettingsStore : public SettingsStore {
  public:
    static constexpr const wchar_t* ProgramSettings = L"Software\\VB and VBA Program Settings";
    static constexpr const wchar_t* PendingBatch = L"Software\\Parleywick\\Pending settings batch";
    // Below the pending key: the sections of each application the batch works on.
    static constexpr const wchar_t* PendingCopies = L"\\Applications";

    // Reading only: every change is refused, and nothing is recovered.
    enum class Access { ReadWrite, ReadingOnly };

    explicit RegistrySettingsStore(HKEY root = HKEY_CURRENT_USER,
                                   std::wstring base = ProgramSettings,
                                   std::wstring pending = PendingBatch,
                                   Access access = Access::ReadWrite, std::wstring cacheFile = L"");

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSection(const std::string& appName, const std::string& section) override;
    void DeleteApplication(const std::string& appName) override;
    void Batch(const std::function<void()>& changes) override;
    // Plans the batch's writes; a plan that finds nothing stands until the next change, so
    // that the end of the batch does not plan again.
    bool BatchChanges() override;
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
    // How many key reads the cache answered and how many listed the key.
    const RegistryReadCache::Counts& CacheCounts() const { return cache_.Counted(); }

  protected:
    // Marks the recorded batch complete and applies it; a test stops between the two.
    virtual void MarkComplete();
    virtual void ApplyPending();

  private:
    // An application the running batch changes: what its live key held (nothing when it did
    // not exist) and what the batch makes of it.
    struct Image {
        std::wstring Path;
        std::optional<RegistryTree> Live;
        RegistryTree Changed;
    };
    // A section as a snapshot read it: its text values in stored spelling and registry order;
    // nothing when the section does not exist.
    struct Listing {
        std::vector<std::pair<std::string, std::string>> Texts;
        // The text of the value of that name, or null. The values are indexed by folded name at
        // the first look-up: a section only ever read whole (a list) is never indexed.
        const std::string* Find(const std::string& key) const;

      private:
        mutable std::optional<std::map<std::wstring, std::size_t>> byName_;
    };
    // What the pending key holds: whether there is a record (complete or not), and the writes
    // that apply it when it is complete.
    struct Record {
        bool Exists = false;
        std::optional<RegistrySync> Plan;
    };

    // Reading only, outside a snapshot: `read` runs in one, holding the batch lock.
    template <class Read>
    auto Held(const Read& read) {
        if (access_ != Access::ReadingOnly || reading_) {
            return read();
        }
        decltype(read()) result{};
        Snapshot([&] { result = read(); });
        return result;
    }

    std::wstring LivePath(const std::string& appName) const;
    // GetSetting outside a batch's image.
    std::string ReadSetting(const std::string& appName, const std::string& section,
                            const std::string& key, const std::string& defaultValue);
    std::wstring SectionPathOf(const std::string& appName, const std::string& section) const;
    std::wstring PendingCopy(const std::string& appName, const std::string& section) const;
    // The running batch's image of the application, when it has changed it.
    Image* ImageOf(const std::string& appName);
    // The image, read from the live key at the batch's first change to the application.
    Image& ImageForChange(const std::string& appName);
    // The section's text values, its key opened once; nothing when it does not exist.
    std::optional<Listing> ListSection(const std::wstring& path, const std::string& what);
    // The same in a snapshot, listed at the section's first read.
    const std::optional<Listing>& ListingOf(const std::wstring& path, const std::string& what);
    // The snapshot's listing of `path` (none: the section is missing), or null when the
    // snapshot has not listed it.
    const std::optional<Listing>* ListedBefore(const std::wstring& path) const;
    // The listing of a section read in a snapshot, by the names a reader gave (`key`, the first
    // value read, names what a refusal refused).
    const std::optional<Listing>& SectionListing(const std::string& appName,
                                                 const std::string& section,
                                                 const std::string& key);
    void ForgetListings() {
        sectionListings_.clear();
        listings_.clear();
    }
    // Before a change: what was read or planned no longer stands.
    void WillChange() {
        ForgetListings();
        plannedNothing_ = false;
    }
    // What the pending key's section answers for a statement inside a batch (see above).
    void MakePendingSection(const std::string& appName, const std::string& section,
                            const std::string& what);
    void OpenPendingSection(const std::string& appName, const std::string& section,
                            const std::string& what);
    void RemovePendingSection(const std::string& appName, const std::string& section,
                              const std::string& what);
    void RequireWritable() const;
    // Before the cache is read: what it read is no longer vouched for if the tree may have
    // changed since.
    void CheckTrust();
    // Reading only, in a snapshot: the application as the complete batch left behind makes it,
    // or null when there is no such batch or it does not change the application.
    const RegistryTree* RecordedView(const std::string& appName);
    // Reads the pending key; a complete record that cannot be read is refused.
    Record ReadRecord() const;
    void RecoverPending();
    // Plans the writes that make the live keys hold the images; whether any is needed.
    bool PlanChanges();
    // Writes the planned steps under the pending key, not yet marked complete.
    void RecordPending();
    std::wstring OpenMarkName() const;
    void DiscardPending();

    HKEY root_;
    std::wstring base_;
    std::wstring pending_;
    Access access_;
    BatchLock lock_{pending_};
    UniqueHandle openMark_;
    RegistryChangeWatch watch_{root_, base_};
    RegistryChangeWatch trust_{root_, base_};  // for the cache, apart from the add-in's questions
    RegistryReadCache cache_;
    int depth_ = 0;
    std::map<std::wstring, Image> images_;  // by folded application name, in the running batch
    // The sections the running batch wrote (made under the pending key), by application and
    // section as named, with their key in the image; forgotten by anything that removes keys.
    std::map<std::string, RegistryTree*> writtenSections_;
    std::string sectionName_;      // the name a save looks up there
    RegistrySync planned_;         // what applying the recorded batch writes
    bool plannedNothing_ = false;  // the last plan found nothing, and nothing changed since
    bool reading_ = false;         // a snapshot is open
    std::map<std::wstring, std::optional<Listing>> listings_;  // the snapshot's, by folded path
    // The same, by application and section as a reader named them.
    std::unordered_map<std::string, const std::optional<Listing>*> sectionListings_;
    // Reading only, in a snapshot: the complete batch left behind, and the applications it
    // changes as it leaves them, by folded name (nothing for those it does not change).
    std::optional<RegistrySync> recorded_;
    std::map<std::wstring, std::optional<RegistryTree>> views_;
};

}  // namespace pwk::win
