#include "win/combase/ComBoundary.h"

#include <exception>
#include <new>

#include "win/combase/Bstr.h"

namespace pwk::win {
namespace {

constexpr std::int32_t kLargestClassicNumber = 0xFFFF;

}  // namespace

Failure CaughtFailure() {
    try {
        throw;
    } catch (const std::exception& caught) {
        return AsFailure(caught);
    } catch (...) {
        return Failure(static_cast<std::int32_t>(E_UNEXPECTED), "Catastrophic failure");
    }
}

HRESULT HResultOf(const Failure& failure) {
    if (failure.Number > 0 && failure.Number <= kLargestClassicNumber) {
        return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, failure.Number);
    }
    return failure.Number < 0 ? static_cast<HRESULT>(failure.Number) : E_FAIL;
}

HRESULT Raised(const Failure& failure, const std::string& source, EXCEPINFO* exception) {
    if (exception == nullptr) {
        return HResultOf(failure);
    }
    // Both texts are made before the EXCEPINFO is touched, so a failure to make them leaves
    // it as it was.
    Bstr description(failure.Description);
    Bstr raisedBy(failure.Source.empty() ? source : failure.Source);
    *exception = EXCEPINFO{};
    exception->scode = HResultOf(failure);
    exception->bstrDescription = description.Detach();
    exception->bstrSource = raisedBy.Detach();
    return DISP_E_EXCEPTION;
}

HRESULT HResultOfCaught() noexcept {
    try {
        return HResultOf(CaughtFailure());
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT RaisedCaught(const std::string& source, EXCEPINFO* exception) noexcept {
    try {
        return Raised(CaughtFailure(), source, exception);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace pwk::win
