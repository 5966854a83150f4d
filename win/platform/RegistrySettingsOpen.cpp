// Who has the registry store open, and how: the running add-in's open mark and its watch for
// other programs' changes, and a store opened for reading only: its refusal of changes and its
// view of a batch left behind.
#include "src/util/Failure.h"
#include "store/StoreFailure.h"
#include "win/combase/WideText.h"
#include "win/platform/RegistryRefusal.h"
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

const RegistryTree* RegistrySettingsStore::RecordedView(const std::string& appName) {
    if (!recorded_) {
        return nullptr;
    }
    const std::wstring folded = RegistryTree::Folded(Widen(appName));
    auto found = views_.find(folded);
    if (found == views_.end()) {
        std::optional<RegistryTree> view;
        const std::wstring path = LivePath(appName);
        if (recorded_->Touches(path)) {
            LONG status = ERROR_SUCCESS;
            view = RegistryTree::Load(root_, path, status);
            if (!view && status != ERROR_FILE_NOT_FOUND) {
                Refused(status, StoreAction::Read, appName);
            }
            if (!view) {
                view.emplace();
            }
            recorded_->Overlay(*view, path);
        }
        found = views_.emplace(folded, std::move(view)).first;
    }
    return found->second ? &*found->second : nullptr;
}

void RegistrySettingsStore::MarkOpen(bool open) {
    if (!open) {
        // The add-in lets go of the settings: nothing of its watch stays open either, and what
        // it read is read again from the cache's file by the next start.
        watch_.Stop();
        trust_.Stop();
        openMark_ = UniqueHandle();
        cache_.Save();
        cache_.Forget();
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

void RegistrySettingsStore::CheckTrust() {
    if (!cache_.File().empty() && trust_.MayHaveChanged()) {
        cache_.Distrust();
    }
}

void RegistrySettingsStore::OnWatchFailure(RegistryChangeWatch::FailureSink sink) {
    watch_.OnFailure(std::move(sink));
}

std::wstring RegistrySettingsStore::OpenMarkName() const {
    return BatchLock::KernelName(base_ + L"\\Open");
}

}  // namespace pwk::win
