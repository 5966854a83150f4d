#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "src/host/HostTypes.h"

namespace pwk::win {

// The host's object classes (the Class property every object of its model has).
namespace ObjectClass {
inline constexpr std::int32_t Application = 0;
inline constexpr std::int32_t NameSpace = 1;
inline constexpr std::int32_t Folder = 2;
inline constexpr std::int32_t Appointment = 26;
inline constexpr std::int32_t Contact = 40;
inline constexpr std::int32_t Journal = 42;
inline constexpr std::int32_t Mail = 43;
inline constexpr std::int32_t Note = 44;
inline constexpr std::int32_t Post = 45;
inline constexpr std::int32_t Task = 48;
inline constexpr std::int32_t DistributionList = 69;
}  // namespace ObjectClass

// The type name of each class the add-in knows, as the host's own objects report it.
struct ClassName {
    std::int32_t objectClass;
    std::string_view typeName;
};
inline constexpr std::array<ClassName, 11> ClassNames{{
    {ObjectClass::Application, "Application"},
    {ObjectClass::NameSpace, "NameSpace"},
    {ObjectClass::Folder, "MAPIFolder"},
    {ObjectClass::Appointment, "AppointmentItem"},
    {ObjectClass::Contact, "ContactItem"},
    {ObjectClass::Journal, "JournalItem"},
    {ObjectClass::Mail, "MailItem"},
    {ObjectClass::Note, "NoteItem"},
    {ObjectClass::Post, "PostItem"},
    {ObjectClass::Task, "TaskItem"},
    {ObjectClass::DistributionList, "DistListItem"},
}};

// What an object of no class the add-in knows (or whose class cannot be read) is called: no
// type test of the add-in takes it for one of its types.
inline constexpr std::string_view UnknownClassName = "Unknown";

// The type name of an object of that class.
inline std::string TypeNameOfClass(std::int32_t objectClass) {
    for (const ClassName& entry : ClassNames) {
        if (entry.objectClass == objectClass) {
            return std::string(entry.typeName);
        }
    }
    return std::string(UnknownClassName);
}

// The class of an object of that type name; none for a type the add-in does not know.
inline std::optional<std::int32_t> ClassOfTypeName(std::string_view typeName) {
    for (const ClassName& entry : ClassNames) {
        if (entry.typeName == typeName) {
            return entry.objectClass;
        }
    }
    return std::nullopt;
}

// The item type of an item of that class; other messages (reports, requests) count as mail.
inline host::ItemType ItemTypeOfClass(std::int32_t objectClass) {
    switch (objectClass) {
        case ObjectClass::Appointment:
            return host::ItemType::Appointment;
        case ObjectClass::Contact:
            return host::ItemType::Contact;
        case ObjectClass::Task:
            return host::ItemType::Task;
        case ObjectClass::Journal:
            return host::ItemType::Journal;
        case ObjectClass::Note:
            return host::ItemType::Note;
        case ObjectClass::Post:
            return host::ItemType::Post;
        case ObjectClass::DistributionList:
            return host::ItemType::DistributionList;
        default:
            return host::ItemType::Mail;
    }
}

// The object class of an item of that type, as the host reports it.
inline std::int32_t ObjectClassOfItemType(host::ItemType type) {
    switch (type) {
        case host::ItemType::Appointment:
            return ObjectClass::Appointment;
        case host::ItemType::Contact:
            return ObjectClass::Contact;
        case host::ItemType::Task:
            return ObjectClass::Task;
        case host::ItemType::Journal:
            return ObjectClass::Journal;
        case host::ItemType::Note:
            return ObjectClass::Note;
        case host::ItemType::Post:
            return ObjectClass::Post;
        case host::ItemType::DistributionList:
            return ObjectClass::DistributionList;
        case host::ItemType::Mail:
            return ObjectClass::Mail;
    }
    return ObjectClass::Mail;
}

}  // namespace pwk::win
