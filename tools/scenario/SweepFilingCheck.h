#pragma once

#include <set>
#include <string>
#include <vector>

namespace pwk::sim {
class SimHost;
}

namespace pwk::scenario {

// What a host process may leave in its folders however its calls failed, as the sent-mail
// journal (src/journal/SentMailJournal.cpp) intends it: a sent mail is filed for each group of
// its tracked contacts (those whose foldersets share an e-mails folder, or one linked contact)
// whole or not at all. Whole is a copy of the mail moved into the group's e-mails folder and,
// when e-mails are journaled, an "E-mail Message" journal entry linked to the group's contacts
// with that copy attached ("Sent MailItem"); a failure part-way deletes the group's copy and
// entry again, and leaves the groups finished before it as they are. So, among the items the
// process made:
//  - every "E-mail Message" entry is linked to a contact and has a copy attached that is still
//    in a folder: an entry without its copy is a finding;
//  - every copy of a mail the user sent (a mail outside Sent Items with a sent mail's subject
//    and body, from no sender or the user) that belongs to a journaled mail is attached to an
//    entry: a copy without its entry is a finding. A mail is journaled when an entry of it
//    exists, or when the settings the process ended with journal e-mails.
class SweepFilingCheck {
  public:
    // The process starts with the mailbox loaded: what is there now, it did not make.
    void Begin(const sim::SimHost& host);
    // What the process left half-filed, one line each.
    std::vector<std::string> Check(const sim::SimHost& host, bool journalEmails) const;

    // Known fault: when a filing fails part-way, its clean-up deletes the copy and the entry,
    // ignoring a failure; if the host refuses that Delete too, the copy stays half-filed. True
    // when the run's failed call ("Type.Member") was a Delete.
    static bool KnownFault(const std::string& failedCall);

  private:
    std::set<std::string> before_;  // the EntryIDs of the items the process started with
};

}  // namespace pwk::scenario
