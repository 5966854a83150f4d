#pragma once

#include <cstdint>

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
