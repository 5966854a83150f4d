#pragma once

#include <cstdint>

namespace pwk {

// What a command button does when clicked: one of the five contact actions, or logging the
// selected incoming mail.
enum ACTION_TYPES : std::int32_t {
    ACTION_PhoneCall = 1,
    ACTION_Email = 2,
    ACTION_LinkFile = 3,
    ACTION_JournalEntry = 4,
    ACTION_Appointment = 5,
    ACTION_LogIncoming = 6,
};

// The modes of a button set: which of the actions its buttons offer.
namespace ButtonMode {
inline constexpr std::int32_t Contact = 0;
inline constexpr std::int32_t Mail = 1;
}  // namespace ButtonMode

}  // namespace pwk
