#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "win/combase/Unique.h"

namespace pwk::wintest {

// The test program's argument at `index` (1 is the first), `otherwise` when there is none.
inline std::wstring Argument(int index, const std::wstring& otherwise = L"") {
    int count = 0;
    const win::LocalMemory<wchar_t*> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    return arguments && count > index ? arguments.Get()[index] : otherwise;
}

}  // namespace pwk::wintest
