#pragma once

#include <oaidl.h>

#include "src/util/Failure.h"

namespace pwk::bridge {

// A host object's failure as automation carries it, so that the client reads back the same
// number and text (win/combase/ComFailure): a classic number (1 to 65535) as the exception's
// wCode, any other (the host's HRESULTs) as its scode; the text as its description, the
// failing member as its source. Answers DISP_E_EXCEPTION.
HRESULT ReportFailure(const Failure& failure, EXCEPINFO* exception);

// The failure as a plain HRESULT, where no exception can be passed (an Advise): a classic
// number as an automation error of that number, an HRESULT as itself.
HRESULT HResultOf(const Failure& failure);

}  // namespace pwk::bridge
