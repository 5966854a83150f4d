#pragma once

#include <oaidl.h>

#include <string>
#include <type_traits>

#include "src/util/Failure.h"

namespace pwk::win {

// Where a call from COM enters this code: no exception may cross back, so each becomes what a
// script would see. A Failure keeps its number, description and source; std::bad_alloc is 7
// (out of memory); another std::exception 5 with its own text; anything else E_UNEXPECTED. A
// classic number (1 to 65535) travels as the automation error of that number
// (0x800A0000 + number), a negative one (an HRESULT) as itself. FailureOf and Check
// (ComFailure.h) read both back as the same number.

// The failure the exception being handled stands for; call it inside a catch.
Failure CaughtFailure();

// The HRESULT `failure` travels as; E_FAIL for a number no HRESULT carries (0, or past 65535).
HRESULT HResultOf(const Failure& failure);

// Hands `failure` to the caller of IDispatch::Invoke: in `exception` (its scode the HRESULT, its
// description and source, `source` when the failure names none) with DISP_E_EXCEPTION, or as
// the plain HRESULT when the caller passed no EXCEPINFO.
HRESULT Raised(const Failure& failure, const std::string& source, EXCEPINFO* exception);

// The two after the fact, inside a catch; never throw.
HRESULT HResultOfCaught() noexcept;
HRESULT RaisedCaught(const std::string& source, EXCEPINFO* exception) noexcept;

// What `body` answers: its own HRESULT, or S_OK for a body that answers nothing.
template <class Body>
HRESULT Answer(Body& body) {
    if constexpr (std::is_void_v<decltype(body())>) {
        body();
        return S_OK;
    } else {
        return body();
    }
}

// Runs `body` at a COM boundary: what it answers, or the HRESULT of the failure it raised.
template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return Answer(body);
    } catch (...) {
        return HResultOfCaught();
    }
}

// The same for IDispatch::Invoke: a failure reaches the caller as an automation exception.
template <class Body>
HRESULT GuardedInvoke(const std::string& source, EXCEPINFO* exception, Body&& body) noexcept {
    try {
        return Answer(body);
    } catch (...) {
        return RaisedCaught(source, exception);
    }
}

}  // namespace pwk::win
