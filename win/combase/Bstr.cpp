#include "win/combase/Bstr.h"

#include "win/combase/WideText.h"

namespace pwk::win {

Bstr::Bstr(const std::string& text) {
    const std::wstring wide = Widen(text);
    text_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string Bstr::ToString() const {
    return Narrow(text_, SysStringLen(text_));
}

}  // namespace pwk::win
