#include "win/platform/BatchLock.h"

#include <algorithm>

#include "src/util/Failure.h"
#include "store/StoreFailure.h"

namespace pwk::win {

namespace {

// A batch takes milliseconds; a program that keeps the lock this long has hung.
constexpr DWORD kPatienceMs = 10000;

}  // namespace

BatchLock::BatchLock(const std::wstring& pendingKey)
    : mutex_(CreateMutexW(nullptr, FALSE, KernelName(pendingKey).c_str())) {}

BatchLock::~BatchLock() = default;

std::wstring BatchLock::KernelName(std::wstring keyPath) {
    // A kernel object's name may not hold a backslash after its namespace.
    std::replace(keyPath.begin(), keyPath.end(), L'\\', L'/');
    return L"Local\\" + keyPath;
}

void BatchLock::Enter() {
    if (!mutex_) {
        RaiseStoreFailure(FailureNumber::InvalidProcedureCall, StoreAction::Write, "the batch",
                          WindowsErrorReason(static_cast<long>(ERROR_INVALID_HANDLE)));
    }
    const DWORD waited = WaitForSingleObject(mutex_.Get(), kPatienceMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        RaiseStoreFailure(FailureNumber::InvalidProcedureCall, StoreAction::Write, "the batch",
                          "another program is changing the settings");
    }
}

void BatchLock::Leave() noexcept {
    if (mutex_) {
        ReleaseMutex(mutex_.Get());
    }
}

}  // namespace pwk::win
