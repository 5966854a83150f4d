#include "store/StoreFailure.h"

#include "src/util/Failure.h"

namespace pwk {

namespace {

const char* Verb(StoreAction action) {
    switch (action) {
        case StoreAction::Read:
            return "read";
        case StoreAction::Write:
            return "write";
        case StoreAction::Remove:
            break;
    }
    return "remove";
}

}  // namespace

void RaiseStoreFailure(std::int32_t number, StoreAction action, const std::string& what,
                       const std::string& reason) {
    throw Failure(number,
                  std::string("The settings store could not ") + Verb(action) + " " + what + " (" +
                      reason + ")",
                  "SettingsStore");
}

std::string WindowsErrorReason(long status) {
    return "Windows error " + std::to_string(status);
}

}  // namespace pwk
