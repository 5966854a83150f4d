#pragma once

#include <oaidl.h>

#include <memory>

#include "src/errorlib/ErrorLibrary.h"
#include "win/combase/ComPtr.h"

namespace pwk::win {

// The process-wide error object over IDispatch, as the options page receives it: it stands for
// the component's error library, so that the page can hand it back (or another one of ours).
// What a page may use of it: LogText(Text), SetActivity(Text), SetSuggestion(Text) and the
// read-only LogPath, LogFilename and Trace.
class ErrorObject {
  public:
    static constexpr const char* Source = "Wickline.ErrorLibrary";

    // The automation object of `errors`; nothing for nothing.
    static ComPtr<IDispatch> Of(const std::shared_ptr<ErrorLibrary>& errors);
};

}  // namespace pwk::win
