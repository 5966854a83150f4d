#include "win/dispatch/CallArgument.h"

#include "win/dispatch/EventHold.h"

namespace pwk::win {

CallArgument::CallArgument(std::string_view text) : held_(EventHold::Instance().Text(text)) {
    if (held_ == nullptr) {
        own_ = Variant(text);
    }
}

}  // namespace pwk::win
