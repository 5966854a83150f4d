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
class RegistryReadCache {
  public:
    using Contents = RegistryKeyContents;
    using Entries = RegistryKeyContents::ByPath;
    // How many key reads were answered from the file and from the registry.
    struct Counts {
        std::size_t Kept = 0;
        std::size_t Listed = 0;
    };

    static constexpr ULONGLONG kSettled = 50 * 10'000;  // 50 ms
    // The file is written again only when the keys listed since it was read hold this many
    // values or more: a few small keys that change at every run (the count of saves) cost less
    // to list again than the whole file costs to write.
    static constexpr std::size_t kWorthWriting = 64;

    // Without a file nothing is kept: every read lists the key.
    explicit RegistryReadCache(std::wstring file = L"");

    // The file of that name in the user's local (not roaming) application data, in the folder
    // "Parleywick Cache", made if missing; empty when the system names no such folder.
    static std::wstring InLocalAppData(const std::wstring& name);

    // The contents of the open key at `path`: the kept ones when the key's state is the one
    // kept, otherwise listed now (and kept). The status of a failed read in `status`.
    const Contents& Read(const RegistryKey& key, const std::wstring& path, LONG& status);
    // Writes the file again when the keys listed since it was read are worth it (kWorthWriting).
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
    std::size_t listed_ = 0;  // the values of the keys listed since the file was read
    Entries entries_;
    std::set<std::wstring> read_;  // the keys read since the file was read
    Contents scratch_;             // without a file
    Counts counts_;
};

}  // namespace pwk::win
