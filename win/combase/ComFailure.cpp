#include "win/combase/ComFailure.h"

#include <windows.h>

#include "win/combase/WideText.h"

namespace pwk::win {
namespace {

constexpr std::int32_t kMemberNotSupported = 438;

std::string Text(BSTR text) {
    return Narrow(text, SysStringLen(text));
}

// The number a script sees for an HRESULT that carries no object-defined number.
std::int32_t NumberOf(HRESULT result) {
    if (HRESULT_FACILITY(result) == FACILITY_CONTROL) {
        return static_cast<std::int32_t>(HRESULT_CODE(result));
    }
    switch (result) {
        case E_INVALIDARG:
            return FailureNumber::InvalidProcedureCall;
        case DISP_E_OVERFLOW:
            return FailureNumber::Overflow;
        case E_OUTOFMEMORY:
            return FailureNumber::OutOfMemory;
        case DISP_E_BADINDEX:
            return FailureNumber::SubscriptOutOfRange;
        case DISP_E_TYPEMISMATCH:
            return FailureNumber::TypeMismatch;
        case E_POINTER:
            return FailureNumber::ObjectNotSet;
        case DISP_E_UNKNOWNNAME:
        case DISP_E_MEMBERNOTFOUND:
            return kMemberNotSupported;
        default:
            return static_cast<std::int32_t>(result);
    }
}

std::string SystemText(HRESULT result) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = Narrow(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

Failure FailureOf(HRESULT result, EXCEPINFO* exception, const std::string& member) {
    if (result == DISP_E_EXCEPTION && exception != nullptr) {
        if (exception->pfnDeferredFillIn != nullptr) {
            exception->pfnDeferredFillIn(exception);
        }
        const std::int32_t number = exception->wCode != 0
                                        ? exception->wCode
                                        : NumberOf(static_cast<HRESULT>(exception->scode));
        std::string description = Text(exception->bstrDescription);
        if (description.empty()) {
            description = DescriptionOf(number);
        }
        std::string source = exception->bstrSource ? Text(exception->bstrSource) : member;
        SysFreeString(exception->bstrSource);
        SysFreeString(exception->bstrDescription);
        SysFreeString(exception->bstrHelpFile);
        *exception = EXCEPINFO{};
        return Failure(number, description, source);
    }
    const std::int32_t number = NumberOf(result);
    std::string description;
    if (number == kMemberNotSupported) {
        description = "Object doesn't support this property or method";
    } else if (number == static_cast<std::int32_t>(result)) {
        description = SystemText(result);
    }
    if (description.empty()) {
        description = DescriptionOf(number);
    }
    return Failure(number, description, member);
}

void Check(HRESULT result, const std::string& member) {
    if (FAILED(result)) {
        throw FailureOf(result, nullptr, member);
    }
}

}  // namespace pwk::win
