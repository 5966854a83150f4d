#pragma once

#include <cstdint>
#include <string>

namespace pwk::scenario {

// What the options page does with the settings it was given when the user edits them there: it
// makes its own copy of the live settings, changes the copy, and hands the copy back to the
// live ones (their UpdateFrom), which save it and hook the windows again. The live settings are
// the core's object in this process, or the component's automation object over COM. A failure
// on the way is the add-in's Failure.
class SettingsHandBack {
  public:
    // The identifiers of a folderset's three folders.
    struct FolderIds {
        std::string ContactEntryId;
        std::string ContactStoreId;
        std::string JournalEntryId;
        std::string JournalStoreId;
        std::string EmailEntryId;
        std::string EmailStoreId;
    };

    virtual ~SettingsHandBack() = default;

    // Makes the page's copy of the live settings; the calls below change the copy.
    virtual void Copy() = 0;
    // Adds a folderset to the copy; false when the collection refuses it (FailReason says why).
    virtual bool AddFolderset(const FolderIds& ids) = 0;
    virtual std::string FailReason() = 0;
    virtual std::int32_t Count() = 0;
    // Removes the folderset at `position` (1 to Count).
    virtual void RemoveFolderset(std::int32_t position) = 0;
    // Sets one of the tracking switches by its property name (TrackUnlinkedEmail, ...).
    virtual void SetSwitch(const std::string& name, bool on) = 0;
    // Hands the copy back to the live settings.
    virtual void HandBack() = 0;
};

}  // namespace pwk::scenario
