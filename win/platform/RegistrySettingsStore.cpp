#include "win/platform/RegistrySettingsStore.h"

#include <algorithm>

#include "src/util/Failure.h"
#include "store/SectionPath.h"
#include "store/StoreFailure.h"
#include "win/combase/WideText.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySync.h"

namespace pwk::win {

namespace {

constexpr const wchar_t* kCompleteValue = L"Complete";
constexpr const wchar_t* kListValue = L"Applications";

// The settings statements raise 5 for whatever the registry refuses.
[[noreturn]] void Refused(LONG status, StoreAction action, const std::string& what) {
    RaiseStoreFailure(FailureNumber::InvalidProcedureCall, action, what,
                      WindowsErrorReason(status));
}

// A section key opened for reading: nothing when it does not exist; any other refusal is a
// failure the user is told of, never an empty section whose defaults go on silently.
std::optional<RegistryKey> OpenToRead(HKEY root, const std::wstring& path,
                                      const std::string& what) {
    LONG status = ERROR_SUCCESS;
    auto key = RegistryKey::Open(root, path, KEY_READ, status);
    if (!key && status != ERROR_FILE_NOT_FOUND) {
        Refused(status, StoreAction::Read, what);
    }
    return key;
}

// The text values of `key` itself, as name and value in stored spelling.
std::vector<std::pair<std::string, std::string>> TextValues(const RegistryKey& key) {
    std::vector<std::pair<std::string, std::string>> values;
    wchar_t name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(std::size(name));
        DWORD type = 0;
        if (RegEnumValueW(key.Handle(), index, name, &length, nullptr, &type, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        const std::wstring valueName(name, length);
        if (const auto text = key.GetString(valueName)) {
            values.emplace_back(Narrow(valueName), Narrow(*text));
        }
    }
    return values;
}

// Adds the values of `key` and of every key below it, `section` being the key's path.
void DumpKey(const RegistryKey& key, const std::string& section, std::vector<std::string>& lines) {
    if (!section.empty()) {
        for (const auto& [name, value] : TextValues(key)) {
            lines.push_back(section + "|" + name + "=" + value);
        }
    }
    for (const std::wstring& child : key.SubkeyNames()) {
        if (const auto sub = RegistryKey::Open(key.Handle(), child)) {
            DumpKey(*sub, section.empty() ? Narrow(child) : section + "\\" + Narrow(child), lines);
        }
    }
}

// The batch's applications, as one text that lists each name on its own line.
std::wstring JoinLines(const std::set<std::wstring>& names) {
    std::wstring joined;
    for (const std::wstring& name : names) {
        joined += name + L"\n";
    }
    return joined;
}

std::set<std::wstring> SplitLines(const std::wstring& joined) {
    std::set<std::wstring> names;
    std::size_t start = 0;
    for (std::size_t end; (end = joined.find(L'\n', start)) != std::wstring::npos;
         start = end + 1) {
        names.insert(joined.substr(start, end - start));
    }
    return names;
}

// Holds the lock while a batch is recorded or applied.
class Entered {
  public:
    explicit Entered(BatchLock& lock) : lock_(lock) { lock_.Enter(); }
    ~Entered() { lock_.Leave(); }
    Entered(const Entered&) = delete;
    Entered& operator=(const Entered&) = delete;

  private:
    BatchLock& lock_;
};

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring base, std::wstring pending,
                                             Access access)
    : root_(root), base_(std::move(base)), pending_(std::move(pending)), access_(access) {
    if (access_ == Access::ReadingOnly) {
        return;
    }
    try {
        const Entered entered(lock_);
        RecoverPending();
    } catch (const Failure&) {
        // A batch that cannot be applied now stays recorded; the next batch applies it first.
    }
}

std::wstring RegistrySettingsStore::Folded(const std::string& appName) {
    // Names are compared as the registry compares them.
    return Widen(SectionPath::Fold(appName));
}

std::wstring RegistrySettingsStore::PendingCopy(const std::wstring& appName) const {
    return pending_ + PendingCopies + L"\\" + appName;
}

std::wstring RegistrySettingsStore::ApplicationPath(const std::string& appName, bool forChange) {
    SectionPath::RequireName(appName, "application");
    const std::wstring name = Widen(appName);
    const std::wstring live = base_ + L"\\" + name;
    if (depth_ == 0) {
        return forChange ? live : ReadPath(appName, live);
    }
    const std::wstring folded = Folded(appName);
    if (touched_.count(folded) != 0) {
        return PendingCopy(folded);
    }
    if (!forChange) {
        return live;
    }
    LONG status = ERROR_SUCCESS;
    const auto list = RegistryKey::Create(root_, pending_, status);
    if (!list) {
        Refused(status, StoreAction::Write, "the batch");
    }
    // An application the registry will not show is not taken for a missing one: its empty copy
    // would replace it.
    LONG found = ERROR_SUCCESS;
    const bool exists = RegistryKey::Open(root_, live, KEY_READ, found).has_value();
    if (!exists && found != ERROR_FILE_NOT_FOUND) {
        Refused(found, StoreAction::Read, appName);
    }
    if (exists) {
        status = RegistryKey::CopyTree(root_, live, PendingCopy(folded));
    } else {
        status = RegistryKey::DeleteTree(root_, PendingCopy(folded));
        if (status == ERROR_SUCCESS) {
            RegistryKey::Create(root_, PendingCopy(folded), status);
        }
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Write, "the batch");
    }
    touched_.insert(folded);
    return PendingCopy(folded);
}

std::wstring RegistrySettingsStore::SectionPathOf(const std::string& appName,
                                                  const std::string& section, bool forChange) {
    // Levels() refuses an empty section or an empty level; the registry nests the rest itself.
    SectionPath::Levels(section);
    return ApplicationPath(appName, forChange) + L"\\" + Widen(section);
}

std::string RegistrySettingsStore::GetSetting(const std::string& appName,
                                              const std::string& section, const std::string& key,
                                              const std::string& defaultValue) {
    SectionPath::RequireName(key, "key");
    std::string found = defaultValue;
    Snapshot([&] {
        const auto sectionKey =
            OpenToRead(root_, SectionPathOf(appName, section, false), section + "\\" + key);
        if (const auto value = sectionKey ? sectionKey->GetString(Widen(key)) : std::nullopt) {
            found = Narrow(*value);
        }
    });
    return found;
}

std::vector<std::pair<std::string, std::string>> RegistrySettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    std::vector<std::pair<std::string, std::string>> values;
    Snapshot([&] {
        if (const auto key = OpenToRead(root_, SectionPathOf(appName, section, false), section)) {
            values = TextValues(*key);
        }
    });
    return values;
}

void RegistrySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& value) {
    RequireWritable();
    SectionPath::RequireName(key, "key");
    LONG status = ERROR_SUCCESS;
    const RegistryKey* sectionKey = SectionKey(SectionPathOf(appName, section, true), status);
    if (sectionKey != nullptr) {
        status = sectionKey->SetString(Widen(key), Widen(value));
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Write, section + "\\" + key);
    }
}

const RegistryKey* RegistrySettingsStore::SectionKey(const std::wstring& path, LONG& status) {
    if (depth_ > 0 && written_ && writtenPath_ == path) {
        return &*written_;
    }
    written_ = RegistryKey::Create(root_, path, status);
    writtenPath_ = depth_ > 0 && written_ ? path : std::wstring();
    return written_ ? &*written_ : nullptr;
}

void RegistrySettingsStore::ForgetSectionKey() {
    written_.reset();
    writtenPath_.clear();
}

void RegistrySettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    RequireWritable();
    ForgetSectionKey();
    // The removal itself says whether the section was there. Inside a batch, a copy of the
    // application made for a section that was missing goes again: the batch changed nothing.
    const std::wstring folded = Folded(appName);
    const bool copied = depth_ > 0 && touched_.count(folded) == 0;
    const LONG status = RegistryKey::Remove(root_, SectionPathOf(appName, section, true));
    if (status == ERROR_FILE_NOT_FOUND) {
        if (copied) {
            RegistryKey::DeleteTree(root_, PendingCopy(folded));
            touched_.erase(folded);
        }
        SectionPath::RaiseMissing(appName, section);
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Remove, section);
    }
}

void RegistrySettingsStore::DeleteApplication(const std::string& appName) {
    RequireWritable();
    ForgetSectionKey();
    const auto application = RegistryKey::Open(root_, ApplicationPath(appName, false));
    if (!application || application->IsEmpty()) {
        SectionPath::RaiseMissing(appName, "");
    }
    const std::wstring path = ApplicationPath(appName, true);
    // Inside a batch the copy stays, empty, so that applying the batch removes the live key.
    LONG status = ERROR_SUCCESS;
    if (const auto copy = RegistryKey::Open(root_, path, KEY_READ | KEY_WRITE)) {
        for (const std::wstring& name : copy->SubkeyNames()) {
            if (status == ERROR_SUCCESS) {
                status = RegistryKey::DeleteTree(copy->Handle(), name);
            }
        }
        if (depth_ == 0 && status == ERROR_SUCCESS) {
            status = RegistryKey::DeleteTree(root_, path);
        }
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Remove, appName);
    }
}

std::vector<std::string> RegistrySettingsStore::Dump(const std::string& appName) {
    std::vector<std::string> lines;
    Snapshot([&] {
        if (const auto application = RegistryKey::Open(root_, ApplicationPath(appName, false))) {
            DumpKey(*application, "", lines);
        }
    });
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string RegistrySettingsStore::Name() const {
    const char* root = root_ == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER\\" : "";
    return root + Narrow(base_);
}

void RegistrySettingsStore::Batch(const std::function<void()>& changes) {
    RequireWritable();
    // An inner batch that fails puts the copies back: no key opened before may be kept.
    ForgetSectionKey();
    const struct Forget {
        RegistrySettingsStore& store;
        ~Forget() { store.ForgetSectionKey(); }
    } forget{*this};
    if (depth_ > 0) {
        // An inner batch undoes only its own changes: it keeps the copies as they stand.
        const std::wstring undo = pending_ + L"\\Undo" + std::to_wstring(depth_);
        const std::set<std::wstring> touchedBefore = touched_;
        const bool hadCopies = RegistryKey::Exists(root_, pending_ + PendingCopies);
        if (hadCopies) {
            RegistryKey::CopyTree(root_, pending_ + PendingCopies, undo);
        }
        ++depth_;
        try {
            changes();
        } catch (...) {
            --depth_;
            RegistryKey::DeleteTree(root_, pending_ + PendingCopies);
            if (hadCopies) {
                RegistryKey::CopyTree(root_, undo, pending_ + PendingCopies);
            }
            RegistryKey::DeleteTree(root_, undo);
            touched_ = touchedBefore;
            throw;
        }
        --depth_;
        RegistryKey::DeleteTree(root_, undo);
        return;
    }
    const Entered entered(lock_);
    // A complete batch that could not be applied last time goes first.
    RecoverPending();
    ++depth_;
    try {
        changes();
    } catch (...) {
        depth_ = 0;
        DiscardPending();
        throw;
    }
    depth_ = 0;
    // A batch that leaves every application as it was (a start saves every setting again) has
    // nothing to make safe: nothing is marked, applied or flushed.
    if (touched_.empty() || !PlanChanges()) {
        DiscardPending();
        return;
    }
    MarkComplete();
    ApplyPending();
}

bool RegistrySettingsStore::PlanChanges() {
    bool changed = false;
    for (const std::wstring& name : touched_) {
        const std::wstring live = base_ + L"\\" + name;
        const auto copy = RegistryKey::Open(root_, PendingCopy(name));
        if (!copy || copy->IsEmpty()) {
            changed = changed || RegistryKey::Exists(root_, live);
            continue;
        }
        LONG status = ERROR_SUCCESS;
        RegistrySync sync = RegistrySync::Plan(root_, PendingCopy(name), live, status);
        if (status != ERROR_SUCCESS) {
            DiscardPending();
            Refused(status, StoreAction::Read, "the batch");
        }
        changed = changed || !sync.Empty();
        planned_.insert_or_assign(name, std::move(sync));
    }
    return changed;
}

void RegistrySettingsStore::MarkComplete() {
    LONG status = ERROR_SUCCESS;
    const auto pending = RegistryKey::Create(root_, pending_, status);
    if (!pending) {
        DiscardPending();
        Refused(status, StoreAction::Write, "the batch");
    }
    // The list first, the mark last: a pending key without the mark was never complete.
    status = pending->SetString(kListValue, JoinLines(touched_));
    if (status == ERROR_SUCCESS) {
        status = pending->SetDword(kCompleteValue, 1);
    }
    if (status != ERROR_SUCCESS) {
        DiscardPending();
        Refused(status, StoreAction::Write, "the batch");
    }
    RegFlushKey(pending->Handle());
}

void RegistrySettingsStore::ApplyPending() {
    // Replacing a live key by its copy can be repeated: after a crash half way it is simply
    // done again from the start.
    // Only what differs is written (planned before the mark, or now when recovering).
    for (const std::wstring& name : touched_) {
        const std::wstring live = base_ + L"\\" + name;
        const auto copy = RegistryKey::Open(root_, PendingCopy(name));
        LONG status = ERROR_SUCCESS;
        if (!copy || copy->IsEmpty()) {
            status = RegistryKey::DeleteTree(root_, live);
        } else if (const auto planned = planned_.find(name); planned != planned_.end()) {
            status = planned->second.Apply(root_);
        } else {
            const RegistrySync sync = RegistrySync::Plan(root_, PendingCopy(name), live, status);
            status = status == ERROR_SUCCESS ? sync.Apply(root_) : status;
        }
        if (status != ERROR_SUCCESS) {
            planned_.clear();
            // The complete batch stays recorded, the only whole copy of these settings: the
            // next batch, or the next store, applies it again.
            touched_.clear();
            Refused(status, StoreAction::Write, "the batch");
        }
    }
    DiscardPending();
}

void RegistrySettingsStore::RecoverPending() {
    // What was planned before a failure may no longer hold: a recovery plans afresh.
    planned_.clear();
    if (auto recorded = RecordedBatch()) {
        touched_ = std::move(*recorded);
        ApplyPending();
    } else if (RegistryKey::Exists(root_, pending_)) {
        DiscardPending();
    }
}

std::optional<std::set<std::wstring>> RegistrySettingsStore::RecordedBatch() const {
    const auto pending = RegistryKey::Open(root_, pending_);
    if (!pending || pending->GetDword(kCompleteValue).value_or(0) != 1) {
        return std::nullopt;
    }
    return SplitLines(pending->GetString(kListValue).value_or(L""));
}

std::wstring RegistrySettingsStore::ReadPath(const std::string& appName,
                                             const std::wstring& live) const {
    if (access_ != Access::ReadingOnly) {
        return live;
    }
    const std::wstring folded = Folded(appName);
    const auto recorded = RecordedBatch();
    return recorded && recorded->count(folded) != 0 ? PendingCopy(folded) : live;
}

void RegistrySettingsStore::Snapshot(const std::function<void()>& reads) {
    if (access_ == Access::ReadingOnly) {
        // A writer applies or throws away a batch holding the lock: a read under it never
        // meets a copy that goes half way.
        const Entered entered(lock_);
        reads();
    } else {
        reads();
    }
}

void RegistrySettingsStore::DiscardPending() {
    ForgetSectionKey();
    RegistryKey::DeleteTree(root_, pending_);
    touched_.clear();
    planned_.clear();
}

}  // namespace pwk::win
