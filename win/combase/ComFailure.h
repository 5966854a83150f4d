#pragma once

#include <oaidl.h>

#include <string>

#include "src/util/Failure.h"

namespace pwk::win {

// What a failing late-bound call becomes: the number a script would see (the low word of an
// automation error the object raised, the classic number of the common COM failures, else the
// HRESULT itself) and the object's own text when it gave one. Frees the texts of `exception`.
Failure FailureOf(HRESULT result, EXCEPINFO* exception = nullptr, const std::string& member = "");

// Raises FailureOf(...) unless `result` succeeded.
void Check(HRESULT result, const std::string& member = "");

}  // namespace pwk::win
