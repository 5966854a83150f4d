#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "src/util/Ref.h"

namespace pwk {

class Component;
class RegSettings;

namespace host {
class Application;
class MAPIFolder;
class NameSpace;
}  // namespace host

// What the add-in's options page shows and edits, apart from any window: the tracked
// foldersets with their folders' paths, the switches, the log settings; the changes the user
// makes, and their application to the live settings the add-in gave the page.
//
// The page works on a copy of the live settings. Apply saves that copy first, as one batch of
// the store, and only when the save has gone through hands it to the live settings
// (UpdateFrom), whose Updated makes the add-in save and hook its windows again as after any
// settings change: a refused save leaves the live settings, the store and the page's changes
// as they were, and the page says why. No call fails to the caller: a refusal or a failure is
// a false answer with Message() saying it as the user reads it.
class OptionsPageModel {
  public:
    struct Row {
        std::string Contacts;  // folder paths, or PageTexts::NotFound
        std::string Journal;
        std::string Emails;
        std::string AttachDir;
    };
    struct Switch {
        std::string Name;
        bool On = false;
    };
    // Which folder the user picks next when adding a folderset.
    enum class Pick { Contacts, Journal, Emails };

    OptionsPageModel(Component& component, Ref<host::Application> application,
                     std::shared_ptr<RegSettings> live);
    ~OptionsPageModel();
    OptionsPageModel(const OptionsPageModel&) = delete;
    OptionsPageModel& operator=(const OptionsPageModel&) = delete;

    // Takes a fresh copy of the live settings and forgets the changes: the page as it opens.
    bool Load();

    const std::vector<Row>& Rows() const { return rows_; }
    std::vector<Switch> Switches() const;
    bool SetSwitch(const std::string& name, bool on);
    std::int32_t LogLevel() const;
    bool SetLogLevel(const std::string& text);
    const std::string& LogPath() const { return logPath_; }
    const std::string& LogFilename() const { return logFilename_; }
    bool SetLogLocation(const std::string& path, const std::string& filename);

    // Lets the user pick the three folders with the mail client's own folder picker, then adds
    // them with `attachDir` (optional). A cancelled pick adds nothing and says nothing.
    bool AddPicked(const std::string& attachDir);
    // Adds a folderset of three folders; false (Message says why) when one is missing, of the
    // wrong kind, its contacts folder is tracked already, or the attachment folder is missing.
    bool Add(const Ref<host::MAPIFolder>& contacts, const Ref<host::MAPIFolder>& journal,
             const Ref<host::MAPIFolder>& emails, const std::string& attachDir);
    // Removes the folderset at `position`, 1 to the number of rows.
    bool Remove(std::size_t position);

    // True when the page holds changes that Apply would save.
    bool Dirty() const;
    bool Apply();

    // Why the last call answered false; empty after one that did not.
    const std::string& Message() const { return message_; }

  private:
    struct Snapshot;
    // A folderset as the store keeps it: six identifiers and the attachment folder.
    using Identifiers = std::vector<std::string>;

    Ref<host::NameSpace> NameSpace() const;
    bool Refuse(std::string message);
    bool CheckKind(const Ref<host::MAPIFolder>& folder, Pick role);
    bool AttachDirExists(const std::string& attachDir) const;
    // The row and identifiers of the copy's folderset at `position`, added to the page's list.
    void Show(std::int32_t position);
    void SaveCopy();
    // The live settings and the log location as loaded, back into the store over the page's
    // save: what other programs had saved before it stays.
    void SaveLive();
    Snapshot Take() const;

    Component& component_;
    Ref<host::Application> application_;
    std::shared_ptr<RegSettings> live_;
    std::shared_ptr<RegSettings> copy_;
    std::vector<Row> rows_;
    std::vector<Identifiers> ids_;  // beside rows_, so that Dirty asks neither host nor store
    std::string logPath_;
    std::string logFilename_;
    std::unique_ptr<Snapshot> loaded_;
    std::string message_;
};

}  // namespace pwk
