#include "win/combase/Bstr.h"

#include "win/combase/WideText.h"

namespace pwk::win {

Bstr::Bstr(std::string_view text) {
    // Converted straight into the BSTR's own buffer.
    const std::size_t length = WidenedLength(text);
    text_ = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (text_ != nullptr) {
        WidenInto(text, text_, length);
    }
}

std::string Bstr::ToString() const {
    return Narrow(text_, SysStringLen(text_));
}

}  // namespace pwk::win
