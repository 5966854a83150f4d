#include "platform-support/MessageBoxButtons.h"

#include "src/platform/MessageBoxStyle.h"

namespace pwk {

std::vector<int> MsgBoxButtons(int style) {
    using namespace MsgBoxResult;
    switch (style & MsgBoxStyle::ButtonsMask) {
        case MsgBoxStyle::OkCancel:
            return {OK, Cancel};
        case MsgBoxStyle::AbortRetryIgnore:
            return {Abort, Retry, Ignore};
        case MsgBoxStyle::YesNoCancel:
            return {Yes, No, Cancel};
        case MsgBoxStyle::YesNo:
            return {Yes, No};
        case MsgBoxStyle::RetryCancel:
            return {Retry, Cancel};
        default:
            return {OK};
    }
}

int MsgBoxDefaultAnswer(int style) {
    const std::vector<int> buttons = MsgBoxButtons(style);
    const auto index = static_cast<std::size_t>((style & MsgBoxStyle::DefaultMask) >> 8);
    return index < buttons.size() ? buttons[index] : buttons.front();
}

}  // namespace pwk
