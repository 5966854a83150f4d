#include "tools/scenario/DateArgument.h"

#include <chrono>
#include <cstdio>

#include "tools/scenario/ScenarioError.h"

namespace pwk::scenario {

host::Date ParseDateArgument(const std::string& text, host::Date today) {
    using namespace std::chrono;
    int y = 0;
    unsigned mo = 0;
    unsigned d = 0;
    int h = 0;
    int mi = 0;
    char tail = 0;
    sys_days day = floor<days>(today);
    if (std::sscanf(text.c_str(), "%d-%u-%u %d:%d%c", &y, &mo, &d, &h, &mi, &tail) == 5) {
        const year_month_day date{year{y}, month{mo}, std::chrono::day{d}};
        if (!date.ok()) {
            throw CommandError("\"" + text + "\" is not a date");
        }
        day = sys_days{date};
    } else if (std::sscanf(text.c_str(), "%d:%d%c", &h, &mi, &tail) != 2) {
        throw CommandError("\"" + text + "\" is not a time (write 2000-03-06 14:30 or 14:30)");
    }
    if (h < 0 || h > 23 || mi < 0 || mi > 59) {
        throw CommandError("\"" + text + "\" is not a time of day");
    }
    return host::Date{day} + hours{h} + minutes{mi};
}

}  // namespace pwk::scenario
