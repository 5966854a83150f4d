#include "posix/CrashHandlers.h"

#include <signal.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

#include "src/errorlib/ErrorLibrary.h"

namespace pwk {

namespace {

constexpr std::array<int, 5> FatalSignals = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Exception codes of the host platform for the same faults.
constexpr std::uint32_t AccessViolation = 0xC0000005;
constexpr std::uint32_t IllegalInstruction = 0xC000001D;
constexpr std::uint32_t IntegerDivideByZero = 0xC0000094;
constexpr std::uint32_t FatalAppExit = 0x40000015;
constexpr std::uint32_t CppException = 0xE06D7363;

struct State {
    Platform::ExceptionFilterRoutine filter;
    std::array<struct sigaction, FatalSignals.size()> previous{};
    std::terminate_handler previousTerminate = nullptr;
    bool installed = false;
};

State& Current() {
    static State* state = new State;  // never destroyed: a handler may run during exit
    return *state;
}

std::atomic<bool> filterCalled{false};

void CallFilterOnce(const ExceptionRecord& record) {
    if (filterCalled.exchange(true)) {
        return;
    }
    if (Current().filter) {
        Current().filter(record);
    }
}

void DieBySignal(int signal) {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    // Still blocked while this handler runs: delivered, with the default action, on return.
    raise(signal);
}

void OnSignal(int signal, siginfo_t* info, void*) {
    CallFilterOnce(
        CrashHandlers::RecordForSignal(signal, info == nullptr ? nullptr : info->si_addr));
    DieBySignal(signal);
}

[[noreturn]] void OnTerminate() {
    CallFilterOnce(CrashHandlers::RecordForTerminate());
    std::abort();
}

std::string SignalName(int signal) {
    switch (signal) {
        case SIGSEGV:
            return "Segmentation fault";
        case SIGBUS:
            return "Bus error";
        case SIGFPE:
            return "Arithmetic fault";
        case SIGILL:
            return "Illegal instruction";
        case SIGABRT:
            return "Aborted";
        default:
            return "Signal";
    }
}

void Uninstall(State& state) {
    for (std::size_t i = 0; i < FatalSignals.size(); ++i) {
        sigaction(FatalSignals[i], &state.previous[i], nullptr);
    }
    std::set_terminate(state.previousTerminate);
    state.installed = false;
}

}  // namespace

void CrashHandlers::Install(Platform::ExceptionFilterRoutine filter) {
    State& state = Current();
    if (state.installed) {
        Uninstall(state);
    }
    state.filter = std::move(filter);
    filterCalled = false;
    if (!state.filter) {
        return;
    }
    struct sigaction action {};
    action.sa_sigaction = OnSignal;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < FatalSignals.size(); ++i) {
        sigaction(FatalSignals[i], &action, &state.previous[i]);
    }
    state.previousTerminate = std::set_terminate(OnTerminate);
    state.installed = true;
}

bool CrashHandlers::Installed() {
    return Current().installed;
}

ExceptionRecord CrashHandlers::RecordForSignal(int signal, const void* address) {
    ExceptionRecord record;
    switch (signal) {
        case SIGSEGV:
        case SIGBUS:
            record.Code = AccessViolation;
            break;
        case SIGFPE:
            record.Code = IntegerDivideByZero;
            break;
        case SIGILL:
            record.Code = IllegalInstruction;
            break;
        default:
            record.Code = FatalAppExit;
            break;
    }
    record.Address = reinterpret_cast<std::uintptr_t>(address);
    record.Description = SignalName(signal) + " (signal " + std::to_string(signal) + ")";
    return record;
}

ExceptionRecord CrashHandlers::RecordForTerminate() {
    ExceptionRecord record;
    record.Code = CppException;
    record.Description = "Unhandled exception";
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& exception) {
            record.Description += ": " + std::string(exception.what());
        } catch (...) {
            record.Description += " of an unknown type";
        }
    } else {
        record.Description = "Program terminated without an exception";
    }
    return record;
}

}  // namespace pwk
