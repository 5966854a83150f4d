#include "winharness/bench/CostClock.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

namespace pwk::winbench {

namespace {

// The thread whose processor time the process's scheduler record counts.
DWORD& MainThread() {
    static DWORD thread = 0;
    return thread;
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The processor time a Linux process's first thread has run, from its scheduler record (Wine
// shows the Linux root as drive Z:): in nanoseconds' detail, where the counts Windows calls
// answer with under Wine come in ticks of 10 ms. Nothing when it cannot be read.
std::optional<double> ScheduledSeconds(const std::filesystem::path& process) {
    const std::string text = ReadAll(process / "sched");
    const std::size_t at = text.find("se.sum_exec_runtime");
    const std::size_t colon = text.find(':', at);
    if (at == std::string::npos || colon == std::string::npos) {
        return std::nullopt;
    }
    return std::strtod(text.c_str() + colon + 1, nullptr) / 1000;  // written in milliseconds
}

// The Linux process folder of the one process of this Wine prefix whose name (as Linux keeps
// it, cut to 15 characters) `named` accepts: its environment names the same WINEPREFIX, or
// none when the prefix is the default one. Empty when there is not exactly one, or no Linux
// process folders to read (not under Wine). The server opens files for the process, so
// "self" would name the server: the process is found by its name.
std::filesystem::path FindProcess(const std::function<bool(const std::string&)>& named) {
    const char* prefix = std::getenv("WINEPREFIX");
    const std::string wanted = prefix ? std::string("WINEPREFIX=") + prefix : std::string();
    std::filesystem::path found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("Z:\\proc", error)) {
        const std::string name = entry.path().filename().string();
        const std::string comm = ReadAll(entry.path() / "comm");
        if (name.find_first_not_of("0123456789") != std::string::npos || comm.empty() ||
            !named(comm.substr(0, comm.size() - 1))) {
            continue;
        }
        const std::string environment = '\0' + ReadAll(entry.path() / "environ");
        const bool withPrefix =
            environment.find(std::string(1, '\0') + "WINEPREFIX=") != std::string::npos;
        if (wanted.empty() ? withPrefix
                           : environment.find('\0' + wanted + '\0') == std::string::npos) {
            continue;
        }
        if (!found.empty()) {
            return {};
        }
        found = entry.path();
    }
    return found;
}

// This process: Linux names it after the program's file.
const std::filesystem::path& Self() {
    static const std::filesystem::path self = [] {
        wchar_t file[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, file, MAX_PATH);
        const std::string name = std::filesystem::path(file).filename().string().substr(0, 15);
        return FindProcess([&](const std::string& comm) { return comm == name; });
    }();
    return self;
}

// The Wine server of this prefix.
const std::filesystem::path& Server() {
    static const std::filesystem::path server =
        FindProcess([](const std::string& comm) { return comm.rfind("wineserver", 0) == 0; });
    return server;
}

// This thread's processor time: the scheduler's record when this is the main thread (the
// process's first Linux thread), else what Windows counts (user and kernel, in 100-nanosecond
// units).
double ThreadSeconds() {
    if (!Self().empty() && GetCurrentThreadId() == MainThread()) {
        if (const auto seconds = ScheduledSeconds(Self())) {
            return *seconds;
        }
    }
    FILETIME created{};
    FILETIME ended{};
    FILETIME kernel{};
    FILETIME user{};
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto units = [](const FILETIME& time) {
        return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(units(kernel) + units(user)) / 1e7;
}

double ServerSeconds() {
    return Server().empty() ? 0 : ScheduledSeconds(Server()).value_or(0);
}

std::int64_t WallTime() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

CostClock::CostClock() : thread_(ThreadSeconds()), server_(ServerSeconds()), wall_(WallTime()) {}

Cost CostClock::Elapsed() const {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    Cost cost;
    cost.Thread = ThreadSeconds() - thread_;
    cost.Server = ServerSeconds() - server_;
    cost.Wall = static_cast<double>(WallTime() - wall_) / static_cast<double>(frequency.QuadPart);
    return cost;
}

bool CostClock::SeesServer() {
    return !Server().empty();
}

bool CostClock::SeesThread() {
    return !Self().empty();
}

void CostClock::TakeMainThread() {
    MainThread() = GetCurrentThreadId();
}

}  // namespace pwk::winbench
