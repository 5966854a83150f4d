#pragma once

namespace pwk::PageTexts {

// The options page's own texts: what a user reads on the page and in its messages.
inline constexpr const char* Caption = "Parleywick";
inline constexpr const char* PickContacts = "Choose the contacts folder to track";
inline constexpr const char* PickJournal = "Choose the journal folder for its entries";
inline constexpr const char* PickEmails = "Choose the folder for copies of its e-mails";
inline constexpr const char* NotFound = "(folder not found)";
inline constexpr const char* NotContacts = " does not hold contacts: choose a contacts folder.";
inline constexpr const char* NotJournal =
    " does not hold journal entries: choose a journal folder.";
inline constexpr const char* NotEmails = " does not hold e-mails: choose a mail or post folder.";
inline constexpr const char* NoAttachDir = "The attachment folder does not exist: ";
inline constexpr const char* BadLogLevel = "The log level must be a whole number: ";
inline constexpr const char* BadLogText = "The log folder and file name must be one line of text.";
inline constexpr const char* BadLogFilename = "The log file name cannot contain a folder: ";
inline constexpr const char* SaveFailed = "The settings were not saved: ";
inline constexpr const char* NoSettings =
    "The add-in gave this page no settings: there is nothing to change here.";
inline constexpr const char* HostFailed = "The mail client could not show the folder: ";

}  // namespace pwk::PageTexts
