#include "winharness/bridge/HostFailure.h"

#include "win/combase/WideText.h"

namespace pwk::bridge {
namespace {

constexpr std::int32_t kLargestClassicNumber = 0xFFFF;

bool IsClassic(std::int32_t number) {
    return number > 0 && number <= kLargestClassicNumber;
}

BSTR Bstr(const std::string& text) {
    const std::wstring wide = win::Widen(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace

HRESULT ReportFailure(const Failure& failure, EXCEPINFO* exception) {
    if (exception != nullptr) {
        *exception = EXCEPINFO{};
        if (IsClassic(failure.Number)) {
            exception->wCode = static_cast<WORD>(failure.Number);
        } else {
            exception->scode = failure.Number < 0 ? failure.Number : E_FAIL;
        }
        exception->bstrSource = Bstr(failure.Source);
        exception->bstrDescription = Bstr(failure.Description);
    }
    return DISP_E_EXCEPTION;
}

HRESULT HResultOf(const Failure& failure) {
    if (IsClassic(failure.Number)) {
        return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, failure.Number);
    }
    return failure.Number < 0 ? failure.Number : E_FAIL;
}

}  // namespace pwk::bridge
