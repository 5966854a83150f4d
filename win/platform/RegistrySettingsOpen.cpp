// Who has the registry store open, and how: the running add-in's open mark and its watch for
// other programs' changes, and the refusal of changes to a store opened for reading only.
#include "src/util/Failure.h"
#include "store/StoreFailure.h"
#include "win/platform/RegistrySettingsStore.h"

namespace pwk::win {

void RegistrySettingsStore::RequireWritable() const {
    if (access_ == Access::ReadingOnly) {
        throw Failure(FailureNumber::PermissionDenied,
                      DescriptionOf(FailureNumber::PermissionDenied) + ": the settings in " +
                          Name() + " are open for reading only",
                      "SettingsStore");
    }
}

void RegistrySettingsStore::MarkOpen(bool open) {
    if (!open) {
        // The add-in lets go of the settings: nothing of its watch stays open either.
        watch_.Stop();
        openMark_ = UniqueHandle();
    } else if (!openMark_) {
        openMark_ = UniqueHandle(CreateMutexW(nullptr, FALSE, OpenMarkName().c_str()));
        if (!openMark_) {
            RaiseStoreFailure(FailureNumber::InvalidProcedureCall, StoreAction::Write,
                              "the open mark",
                              WindowsErrorReason(static_cast<long>(GetLastError())));
        }
    }
}

bool RegistrySettingsStore::MarkedOpen() {
    const UniqueHandle mark(OpenMutexW(SYNCHRONIZE, FALSE, OpenMarkName().c_str()));
    return static_cast<bool>(mark);
}

bool RegistrySettingsStore::MayHaveChanged() {
    // Only the running add-in asks often enough for a watch to pay, and only it stops one.
    return !openMark_ || watch_.MayHaveChanged();
}

void RegistrySettingsStore::OnWatchFailure(RegistryChangeWatch::FailureSink sink) {
    watch_.OnFailure(std::move(sink));
}

std::wstring RegistrySettingsStore::OpenMarkName() const {
    return BatchLock::KernelName(base_ + L"\\Open");
}

}  // namespace pwk::win
