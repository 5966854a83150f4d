#pragma once

#include <oaidl.h>

#include <string>

#include "src/util/Failure.h"

namespace pwk::win {

// What a failing COM call becomes, the inverse of the boundary (ComBoundary.h). From an
// automation exception: its wCode, else the number its scode carries (the low word of an
// automation error, any other HRESULT as itself), with the object's text and source (`member`
// when it names none). From a plain HRESULT: the number of an automation error, the classic
// number a script sees for the common COM failures (type mismatch, bad index, out of memory,
// member not found ...), else the HRESULT itself with the system's text. Frees the texts of
// `exception`.
Failure FailureOf(HRESULT result, EXCEPINFO* exception = nullptr, const std::string& member = "");

// Raises FailureOf(...) unless `result` succeeded.
void Check(HRESULT result, const std::string& member = "");

}  // namespace pwk::win
