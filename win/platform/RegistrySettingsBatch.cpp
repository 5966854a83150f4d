// RegistrySettingsStore's batches: the images, the record under the pending key, and its
// recovery.
#include <set>

#include "src/util/Failure.h"
#include "store/SectionPath.h"
#include "store/StoreFailure.h"
#include "win/combase/WideText.h"
#include "win/platform/BatchLockHold.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistryRefusal.h"
#include "win/platform/RegistrySettingsStore.h"
#include "win/platform/RegistrySync.h"

namespace pwk::win {

namespace {

constexpr const wchar_t* kCompleteValue = L"Complete";
// Below the pending key: the recorded writes (RegistrySync::Keep).
constexpr const wchar_t* kStepsKey = L"\\Steps";
// A batch recorded by an earlier version lists the applications it copied whole.
constexpr const wchar_t* kListValue = L"Applications";

std::set<std::wstring> SplitLines(const std::wstring& joined) {
    std::set<std::wstring> names;
    std::size_t start = 0;
    for (std::size_t end; (end = joined.find(L'\n', start)) != std::wstring::npos;
         start = end + 1) {
        names.insert(joined.substr(start, end - start));
    }
    return names;
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring base, std::wstring pending,
                                             Access access, std::wstring cacheFile)
    : root_(root),
      base_(std::move(base)),
      pending_(std::move(pending)),
      access_(access),
      cache_(std::move(cacheFile)) {
    if (access_ == Access::ReadingOnly) {
        return;
    }
    try {
        const BatchLockHold held(lock_);
        RecoverPending();
    } catch (const Failure&) {
        // A batch that cannot be applied now stays recorded; the next batch applies it first.
    }
}

std::wstring RegistrySettingsStore::PendingCopy(const std::string& appName,
                                                const std::string& section) const {
    return pending_ + PendingCopies + L"\\" + Widen(SectionPath::Fold(appName)) +
           (section.empty() ? L"" : L"\\" + Widen(section));
}

RegistrySettingsStore::Image* RegistrySettingsStore::ImageOf(const std::string& appName) {
    const auto found = images_.find(RegistryTree::Folded(Widen(appName)));
    return found == images_.end() ? nullptr : &found->second;
}

RegistrySettingsStore::Image& RegistrySettingsStore::ImageForChange(const std::string& appName) {
    if (Image* image = ImageOf(appName)) {
        return *image;
    }
    // An application the registry will not show is not taken for a missing one: its empty
    // image would replace it.
    LONG status = ERROR_SUCCESS;
    const std::wstring path = LivePath(appName);
    CheckTrust();
    auto live = RegistryTree::Load(root_, path, status, &cache_);
    if (!live && status != ERROR_FILE_NOT_FOUND) {
        Refused(status, StoreAction::Read, appName);
    }
    RegistryTree changed = live ? *live : RegistryTree();
    Image image{path, std::move(live), std::move(changed)};
    return images_.emplace(RegistryTree::Folded(Widen(appName)), std::move(image)).first->second;
}

void RegistrySettingsStore::MakePendingSection(const std::string& appName,
                                               const std::string& section,
                                               const std::string& what) {
    LONG status = ERROR_SUCCESS;
    if (!RegistryKey::Create(root_, PendingCopy(appName, section), status)) {
        Refused(status, StoreAction::Write, what);
    }
}

void RegistrySettingsStore::OpenPendingSection(const std::string& appName,
                                               const std::string& section,
                                               const std::string& what) {
    OpenToRead(root_, PendingCopy(appName, section), what);
}

void RegistrySettingsStore::RemovePendingSection(const std::string& appName,
                                                 const std::string& section,
                                                 const std::string& what) {
    // Opened with the right to delete it, as a removal opens it, and left: the key holds
    // nothing, and the next save of the section would make it again.
    LONG status = ERROR_SUCCESS;
    if (!RegistryKey::Open(root_, PendingCopy(appName, section), KEY_READ | DELETE, status) &&
        status != ERROR_FILE_NOT_FOUND) {
        Refused(status, StoreAction::Remove, what);
    }
    writtenSections_.clear();  // the image's keys may go with it
}

void RegistrySettingsStore::Batch(const std::function<void()>& changes) {
    RequireWritable();
    WillChange();
    if (depth_ > 0) {
        // An inner batch undoes only its own changes: it keeps the images as they stand. The
        // copy shares their keys, so a section written before is looked up (and copied) again.
        const auto imagesBefore = images_;
        writtenSections_.clear();
        ++depth_;
        try {
            changes();
        } catch (...) {
            --depth_;
            writtenSections_.clear();
            images_ = imagesBefore;
            plannedNothing_ = false;
            throw;
        }
        --depth_;
        return;
    }
    const BatchLockHold held(lock_);
    // A snapshot around the batch lists again what the batch (or a recovery) changed; what the
    // batch listed is kept for the next start, whatever became of the batch.
    const struct Forget {
        RegistrySettingsStore& store;
        ~Forget() {
            store.ForgetListings();
            store.cache_.Save();
        }
    } forget{*this};
    // A complete batch that could not be applied last time goes first.
    RecoverPending();
    ++depth_;
    try {
        changes();
    } catch (...) {
        // Nothing is recorded before the changes are done: the images are all there is to drop.
        depth_ = 0;
        images_.clear();
        writtenSections_.clear();
        plannedNothing_ = false;
        throw;
    }
    depth_ = 0;
    // A batch that leaves every application as it was (a start saves every setting again) has
    // nothing to make safe: nothing is recorded, marked, applied or flushed.
    const bool changed = !plannedNothing_ && PlanChanges();
    plannedNothing_ = false;
    writtenSections_.clear();
    images_.clear();
    if (!changed) {
        return;
    }
    RecordPending();
    MarkComplete();
    ApplyPending();
}

bool RegistrySettingsStore::BatchChanges() {
    if (depth_ == 0) {
        return false;
    }
    if (!plannedNothing_) {
        plannedNothing_ = !PlanChanges();
    }
    return !plannedNothing_;
}

bool RegistrySettingsStore::PlanChanges() {
    planned_ = RegistrySync();
    for (const auto& [name, image] : images_) {
        if (image.Changed.IsEmpty()) {
            if (image.Live) {
                planned_.Append(RegistrySync::Removal(image.Path));
            }
            continue;
        }
        planned_.Append(
            RegistrySync::Plan(image.Changed, image.Live ? &*image.Live : nullptr, image.Path));
    }
    return !planned_.Empty();
}

void RegistrySettingsStore::RecordPending() {
    LONG status = ERROR_SUCCESS;
    const auto steps = RegistryKey::Create(root_, pending_ + kStepsKey, status);
    if (steps) {
        status = planned_.Keep(*steps);
    }
    if (status != ERROR_SUCCESS) {
        DiscardPending();
        Refused(status, StoreAction::Write, "the batch");
    }
}

void RegistrySettingsStore::MarkComplete() {
    LONG status = ERROR_SUCCESS;
    const auto pending = RegistryKey::Create(root_, pending_, status);
    if (pending) {
        // The writes were recorded first, the mark last: a pending key without the mark was
        // never complete.
        status = pending->SetDword(kCompleteValue, 1);
    }
    if (status != ERROR_SUCCESS) {
        DiscardPending();
        Refused(status, StoreAction::Write, "the batch");
    }
    RegFlushKey(pending->Handle());
}

void RegistrySettingsStore::ApplyPending() {
    // The recorded writes can be repeated: after a crash half way they are simply done again
    // from the start.
    const LONG status = planned_.Apply(root_);
    if (status != ERROR_SUCCESS) {
        // The complete batch stays recorded, the only whole copy of these settings: the next
        // batch, or the next store, applies it again.
        planned_ = RegistrySync();
        Refused(status, StoreAction::Write, "the batch");
    }
    DiscardPending();
}

RegistrySettingsStore::Record RegistrySettingsStore::ReadRecord() const {
    Record record;
    const auto pending = RegistryKey::Open(root_, pending_);
    if (!pending) {
        return record;
    }
    bool marked = false;
    if (pending->GetDword(kCompleteValue, marked).value_or(0) != 1) {
        // The sections' keys alone are no record: steps without the mark are one cut short.
        record.Exists = marked || pending->HasValue(kListValue) ||
                        RegistryKey::Exists(root_, pending_ + kStepsKey);
        return record;
    }
    record.Exists = true;
    LONG status = ERROR_SUCCESS;
    RegistrySync plan;
    if (const auto steps = RegistryKey::Open(root_, pending_ + kStepsKey)) {
        plan = RegistrySync::Kept(*steps, status);
    } else {
        // Recorded by an earlier version: a whole copy of each application the batch changed.
        for (const std::wstring& name : SplitLines(pending->GetString(kListValue).value_or(L""))) {
            const std::wstring copy = pending_ + PendingCopies + L"\\" + name;
            const std::wstring live = base_ + L"\\" + name;
            const auto held = RegistryKey::Open(root_, copy);
            plan.Append(!held || held->IsEmpty() ? RegistrySync::Removal(live)
                                                 : RegistrySync::Plan(root_, copy, live, status));
            if (status != ERROR_SUCCESS) {
                break;
            }
        }
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Read, "the batch");
    }
    record.Plan = std::move(plan);
    return record;
}

void RegistrySettingsStore::RecoverPending() {
    planned_ = RegistrySync();
    Record record = ReadRecord();
    if (record.Plan) {
        planned_ = std::move(*record.Plan);
        ApplyPending();
    } else if (record.Exists) {
        DiscardPending();
    }
}

void RegistrySettingsStore::DiscardPending() {
    writtenSections_.clear();
    planned_ = RegistrySync();
    // The mark goes first: cut short after it, what is left is a record never complete. The
    // sections' keys stay for the next batch (making them again costs a call per level).
    const auto pending = RegistryKey::Open(root_, pending_, KEY_READ | KEY_WRITE);
    if (!pending) {
        return;
    }
    RegDeleteValueW(pending->Handle(), kCompleteValue);
    if (pending->HasValue(kListValue)) {
        // Recorded by an earlier version: its copies below the sections' keys go with it.
        RegistryKey::DeleteTree(root_, pending_);
        return;
    }
    RegistryKey::DeleteTree(root_, pending_ + kStepsKey);
}

}  // namespace pwk::win
