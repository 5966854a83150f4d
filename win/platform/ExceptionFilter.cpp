#include "win/platform/ExceptionFilter.h"

#include <windows.h>

#include <cstdio>

namespace pwk::win {

namespace {

Platform::ExceptionFilterRoutine& Routine() {
    static Platform::ExceptionFilterRoutine routine;
    return routine;
}

std::string Describe(const EXCEPTION_RECORD& record) {
    switch (record.ExceptionCode) {
        case EXCEPTION_ACCESS_VIOLATION:
            return "Access violation";
        case EXCEPTION_STACK_OVERFLOW:
            return "Stack overflow";
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
            return "Integer division by zero";
        case EXCEPTION_ILLEGAL_INSTRUCTION:
            return "Illegal instruction";
        default: {
            char text[32];
            std::snprintf(text, sizeof text, "Exception 0x%08lX",
                          static_cast<unsigned long>(record.ExceptionCode));
            return text;
        }
    }
}

LONG WINAPI Filter(EXCEPTION_POINTERS* pointers) {
    const Platform::ExceptionFilterRoutine& routine = Routine();
    if (!routine || pointers == nullptr || pointers->ExceptionRecord == nullptr) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    const EXCEPTION_RECORD& system = *pointers->ExceptionRecord;
    ExceptionRecord record;
    record.Code = static_cast<std::uint32_t>(system.ExceptionCode);
    record.Address = reinterpret_cast<std::uintptr_t>(system.ExceptionAddress);
    record.Description = Describe(system);
    return static_cast<LONG>(routine(record));
}

}  // namespace

void ExceptionFilter::Install(Platform::ExceptionFilterRoutine routine) {
    Routine() = std::move(routine);
    // The previous filter is not kept: the add-in's is the last chance.
    ::SetUnhandledExceptionFilter(Routine() ? Filter : nullptr);
}

bool ExceptionFilter::Installed() {
    return static_cast<bool>(Routine());
}

}  // namespace pwk::win
