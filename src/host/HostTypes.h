#pragma once

#include <chrono>
#include <optional>

namespace pwk::host {

// Dates of items: the host's date-time values, to the second.
using Date = std::chrono::sys_seconds;

// The host's item types (Items.Add, CreateItem, MAPIFolder.DefaultItemType).
enum class ItemType : int {
    Mail = 0,
    Appointment = 1,
    Contact = 2,
    Task = 3,
    Journal = 4,
    Note = 5,
    Post = 6,
    DistributionList = 7,
};

// GetDefaultFolder's folder kinds.
namespace DefaultFolder {
inline constexpr int DeletedItems = 3;
inline constexpr int Outbox = 4;
inline constexpr int SentMail = 5;
inline constexpr int Inbox = 6;
inline constexpr int Calendar = 9;
inline constexpr int Contacts = 10;
inline constexpr int Journal = 11;
inline constexpr int Notes = 12;
inline constexpr int Tasks = 13;
inline constexpr int Drafts = 16;
}  // namespace DefaultFolder

// Inspector.EditorType values.
namespace EditorType {
inline constexpr int Text = 1;
inline constexpr int Html = 2;
inline constexpr int RichText = 3;
inline constexpr int Word = 4;
}  // namespace EditorType

// Link.Type of a link to a contact.
inline constexpr int LinkTypeContact = 40;

// Attachments.Add types.
namespace AttachmentType {
inline constexpr int ByValue = 1;
inline constexpr int ByReference = 4;
inline constexpr int EmbeddedItem = 5;
}  // namespace AttachmentType

// Command-bar control types.
namespace ControlType {
inline constexpr int Button = 1;
inline constexpr int Popup = 10;
}  // namespace ControlType

}  // namespace pwk::host
