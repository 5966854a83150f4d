#include "win/platform/RegistryChangeWatch.h"

#include "store/StoreFailure.h"
#include "win/combase/WideText.h"

namespace pwk::win {

namespace {

// A value set or removed, a key made or removed, anywhere below.
constexpr DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;

}  // namespace

RegistryChangeWatch::RegistryChangeWatch(HKEY root, std::wstring path)
    : root_(root), path_(std::move(path)) {}

bool RegistryChangeWatch::MayHaveChanged() {
    if (failed_) {
        return true;
    }
    if (key_ && WaitForSingleObject(changed_.Get(), 0) == WAIT_TIMEOUT) {
        return false;
    }
    if (!key_) {
        LONG status = ERROR_SUCCESS;
        key_ = RegistryKey::Open(root_, path_, KEY_NOTIFY, status);
        if (!key_) {
            // Nothing was ever saved: the first save makes the key, watched from the next
            // question on.
            if (status != ERROR_FILE_NOT_FOUND) {
                Fail("open", status);
            }
            return true;
        }
        changed_ = UniqueHandle(CreateEventW(nullptr, FALSE, FALSE, nullptr));
        if (!changed_) {
            Fail("make the event of", static_cast<LONG>(GetLastError()));
            return true;
        }
    }
    Arm();
    return true;
}

void RegistryChangeWatch::Arm() {
    const LONG status =
        RegNotifyChangeKeyValue(key_->Handle(), TRUE, kChanges, changed_.Get(), TRUE);
    if (status == ERROR_KEY_DELETED) {
        // The key went (and perhaps came back): the next question opens it again.
        Stop();
    } else if (status != ERROR_SUCCESS) {
        Fail("watch", status);
    }
}

void RegistryChangeWatch::Fail(const std::string& what, LONG status) {
    Stop();
    failed_ = true;
    if (onFailure_) {
        onFailure_("The settings cannot be watched for changes by other programs: could not " +
                   what + " " + Narrow(path_) + " (" + WindowsErrorReason(status) +
                   "); every check reads the count of saves");
    }
}

void RegistryChangeWatch::Stop() {
    key_.reset();
    changed_ = UniqueHandle();
}

}  // namespace pwk::win
