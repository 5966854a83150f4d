#include "sim/MailboxNames.h"

#include <array>
#include <cstdio>
#include <utility>

namespace pwk::sim {
namespace {

namespace Kind = host::DefaultFolder;

constexpr std::array<std::pair<int, const char*>, 10> DefaultFolders = {{
    {Kind::DeletedItems, "DeletedItems"},
    {Kind::Outbox, "Outbox"},
    {Kind::SentMail, "SentMail"},
    {Kind::Inbox, "Inbox"},
    {Kind::Calendar, "Calendar"},
    {Kind::Contacts, "Contacts"},
    {Kind::Journal, "Journal"},
    {Kind::Notes, "Notes"},
    {Kind::Tasks, "Tasks"},
    {Kind::Drafts, "Drafts"},
}};

constexpr std::array<std::pair<RecipientKind, const char*>, 3> RecipientKinds = {{
    {RecipientKind::To, "to"},
    {RecipientKind::Cc, "cc"},
    {RecipientKind::Bcc, "bcc"},
}};

// The two ways through a table of values and their names.
template <class Value, std::size_t N>
std::optional<Value> ValueNamed(const std::array<std::pair<Value, const char*>, N>& table,
                                const std::string& name) {
    for (const auto& [value, text] : table) {
        if (name == text) {
            return value;
        }
    }
    return std::nullopt;
}

template <class Value, std::size_t N>
std::string NameOf(const std::array<std::pair<Value, const char*>, N>& table, Value value) {
    for (const auto& [candidate, text] : table) {
        if (candidate == value) {
            return text;
        }
    }
    return {};
}

}  // namespace

std::optional<int> MailboxNames::DefaultFolderKind(const std::string& name) {
    return ValueNamed(DefaultFolders, name);
}

std::string MailboxNames::DefaultFolderName(int kind) {
    return NameOf(DefaultFolders, kind);
}

host::ItemType MailboxNames::DefaultFolderType(int kind) {
    switch (kind) {
        case Kind::Calendar:
            return host::ItemType::Appointment;
        case Kind::Contacts:
            return host::ItemType::Contact;
        case Kind::Journal:
            return host::ItemType::Journal;
        case Kind::Notes:
            return host::ItemType::Note;
        case Kind::Tasks:
            return host::ItemType::Task;
        default:
            return host::ItemType::Mail;
    }
}

std::optional<RecipientKind> MailboxNames::RecipientKindOf(const std::string& name) {
    return ValueNamed(RecipientKinds, name);
}

std::string MailboxNames::RecipientKindName(RecipientKind kind) {
    return NameOf(RecipientKinds, kind);
}

std::optional<host::Date> MailboxNames::ParseDate(const std::string& text) {
    int year = 0;
    unsigned month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char zone = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2u-%2uT%2u:%2u:%2u%c%n", &year, &month, &day, &hour,
                    &minute, &second, &zone, &consumed) != 7 ||
        zone != 'Z' || static_cast<std::size_t>(consumed) != text.size() || text.size() != 20) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return host::Date{std::chrono::sys_days{date}} + std::chrono::hours{hour} +
           std::chrono::minutes{minute} + std::chrono::seconds{second};
}

std::string MailboxNames::FormatDate(host::Date date) {
    const auto days = std::chrono::floor<std::chrono::days>(date);
    const std::chrono::year_month_day ymd{days};
    const std::chrono::hh_mm_ss time{date - days};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02lldZ",
                  static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()),
                  static_cast<long long>(time.seconds().count()));
    return text;
}

}  // namespace pwk::sim
