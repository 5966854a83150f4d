#pragma once

#include <windows.h>

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "win/platform/RegistryKey.h"
#include "win/platform/RegistryKeyContents.h"

namespace pwk::win {

// What the store read of its registry keys, kept in a file between runs of the program, so that
// a start lists again only the keys that changed since: each key's state (RegQueryInfoKey: last
// written, number of values and subkeys) is asked as before, and a key whose state is the one
// kept is answered from the file instead of being listed value by value. With thousands of
// tracked foldersets that is a few calls per key instead of one per value.
//
// The registry sets a key's time at every value set or removed and every subkey made or removed
// below it, from the system clock, whose steps can be as coarse as 15.6 ms on Windows: a key
// read less than kSettled after its last write is read again next time, since a second write in
// the same clock step would leave its time unchanged. A file that is missing, cut short, of
// another layout or damaged is ignored whole; one that cannot be written is left as it was.
// The program works the same without the file, only slower.
//
// Within a run the store may also vouch for what was read: while a change watch armed before
// the reads saw no change (Trust), a key read since is taken as it was read, without asking the
// registry anything; any change the watch reports ends that (Distrust).
class RegistryReadCache {
  public:
    using Contents = RegistryKeyContents;
    using Entries = RegistryKeyContents::ByPath;
    // How many key reads were answered from the file, from the registry, and as read before
    // while nothing changed (no call at all).
    struct Counts {
        std::size_t Kept = 0;
        std::size_t Listed = 0;
        std::size_t Trusted = 0;
    };

    static constexpr ULONGLONG kSettled = 50 * 10'000;  // 50 ms

    // Without a file nothing is kept: every read lists the key.
    explicit RegistryReadCache(std::wstring file = L"");

    // The file of that name in the user's local (not roaming) application data, in the folder
    // "Parleywick Cache", made if missing; empty when the system names no such folder.
    static std::wstring InLocalAppData(const std::wstring& name);

    // The contents of the open key at `path`: the kept ones when the key's state is the one
    // kept, otherwise listed now (and kept). The status of a failed read in `status`.
    const Contents& Read(const RegistryKey& key, const std::wstring& path, LONG& status);
    // The contents of the key at `path` as read since the last Distrust, or null, asking the
    // registry nothing: asked before Read (a walk need not even open such a key). Only with a
    // file (without one nothing is kept).
    const Contents* Trusted(const std::wstring& path);
    // What was read so far may no longer be what the registry holds.
    void Distrust() { current_.clear(); }
    // Writes the file again when a key listed since it was read had settled: the next run takes
    // it from the file instead of listing it again (one listed unsettled would be listed anyway).
    // A run after a change to the settings writes the file once, the runs after it none.
    // Only the keys read since the file was read are written: a key no longer read is no
    // longer kept.
    void Save();
    // Lets go of what is held in memory; the next read reads the file again.
    void Forget();

    const Counts& Counted() const { return counts_; }
    const std::wstring& File() const { return file_; }

  private:
    void LoadOnce();

    std::wstring file_;
    bool loaded_ = false;
    bool settledListing_ = false;  // a key listed since the file was read had settled
    Entries entries_;
    std::set<std::wstring> read_;     // the keys read since the file was read
    std::set<std::wstring> current_;  // the keys read since the last Distrust
    Contents scratch_;                // without a file
    Counts counts_;
};

}  // namespace pwk::win
