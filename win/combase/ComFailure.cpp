#include "win/combase/ComFailure.h"

#include <windows.h>

#include "win/combase/Bstr.h"
#include "win/combase/Unique.h"
#include "win/combase/WideText.h"

namespace pwk::win {
namespace {

constexpr std::int32_t kMemberNotSupported = 438;

// The number an HRESULT carries: the low word of an automation error, else the HRESULT.
std::int32_t CarriedNumber(HRESULT result) {
    if (HRESULT_FACILITY(result) == FACILITY_CONTROL) {
        return static_cast<std::int32_t>(HRESULT_CODE(result));
    }
    return static_cast<std::int32_t>(result);
}

// The number a script sees for a plain HRESULT.
std::int32_t NumberOf(HRESULT result) {
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
            return CarriedNumber(result);
    }
}

std::string SystemText(HRESULT result) {
    LocalMemory<wchar_t> buffer;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(buffer.Out()), 0,
        nullptr);
    std::string text = Narrow(buffer.Get(), length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

Failure FromException(EXCEPINFO& exception, const std::string& member) {
    if (exception.pfnDeferredFillIn != nullptr) {
        exception.pfnDeferredFillIn(&exception);
    }
    const Bstr source = Bstr::Attach(exception.bstrSource);
    const Bstr description = Bstr::Attach(exception.bstrDescription);
    const Bstr helpFile = Bstr::Attach(exception.bstrHelpFile);
    const std::int32_t number = exception.wCode != 0 ? exception.wCode
                                : exception.scode != 0
                                    ? CarriedNumber(static_cast<HRESULT>(exception.scode))
                                    : NumberOf(DISP_E_EXCEPTION);
    exception = EXCEPINFO{};
    std::string text = description.ToString();
    if (text.empty()) {
        text = DescriptionOf(number);
    }
    return Failure(number, text, source.IsNull() ? member : source.ToString());
}

}  // namespace

Failure FailureOf(HRESULT result, EXCEPINFO* exception, const std::string& member) {
    if (result == DISP_E_EXCEPTION && exception != nullptr) {
        return FromException(*exception, member);
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
