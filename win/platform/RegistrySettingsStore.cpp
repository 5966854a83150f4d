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
// Below the pending key: the recorded writes (RegistrySync::Keep).
constexpr const wchar_t* kStepsKey = L"\\Steps";
// A batch recorded by an earlier version lists the applications it copied whole.
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

// The text values among `values`, as name and value in stored spelling.
template <class Values, class Each>
std::vector<std::pair<std::string, std::string>> TextsOf(const Values& values, Each each) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& entry : values) {
        const RegistryKey::RawValue& value = each(entry);
        if (const auto text = RegistryKey::TextOf(value)) {
            texts.emplace_back(Narrow(value.Name), Narrow(*text));
        }
    }
    return texts;
}

// Adds the values of `tree` and of every key below it, `section` being the key's path.
void DumpTree(const RegistryTree& tree, const std::string& section,
              std::vector<std::string>& lines) {
    if (!section.empty()) {
        for (const auto& [name, value] : tree.Values()) {
            if (const auto text = RegistryKey::TextOf(value)) {
                lines.push_back(section + "|" + Narrow(value.Name) + "=" + Narrow(*text));
            }
        }
    }
    for (const auto& [name, key] : tree.Keys()) {
        DumpTree(key, section.empty() ? Narrow(key.Name()) : section + "\\" + Narrow(key.Name()),
                 lines);
    }
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

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring base, std::wstring pending)
    : root_(root), base_(std::move(base)), pending_(std::move(pending)) {
    try {
        const Entered entered(lock_);
        RecoverPending();
    } catch (const Failure&) {
        // A batch that cannot be applied now stays recorded; the next batch applies it first.
    }
}

std::wstring RegistrySettingsStore::LivePath(const std::string& appName) const {
    SectionPath::RequireName(appName, "application");
    return base_ + L"\\" + Widen(appName);
}

std::wstring RegistrySettingsStore::SectionPathOf(const std::string& appName,
                                                  const std::string& section) const {
    // Levels() refuses an empty section or an empty level; the registry nests the rest itself.
    SectionPath::Levels(section);
    return LivePath(appName) + L"\\" + Widen(section);
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
    auto live = RegistryTree::Load(root_, path, status);
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
    const std::wstring path = PendingCopy(appName, section);
    if (!madeSections_.insert(RegistryTree::Folded(path)).second) {
        return;
    }
    LONG status = ERROR_SUCCESS;
    if (!RegistryKey::Create(root_, path, status)) {
        madeSections_.erase(RegistryTree::Folded(path));
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
    const LONG status = RegistryKey::Remove(root_, PendingCopy(appName, section));
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        Refused(status, StoreAction::Remove, what);
    }
    madeSections_.clear();  // those below it went with it
}

std::optional<RegistrySettingsStore::Listing> RegistrySettingsStore::ListSection(
    const std::wstring& path, const std::string& what) const {
    const auto key = OpenToRead(root_, path, what);
    if (!key) {
        return std::nullopt;
    }
    LONG status = ERROR_SUCCESS;
    const auto values = key->Values(status);
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Read, what);
    }
    Listing listing;
    listing.Texts = TextsOf(
        values, [](const RegistryKey::RawValue& value) -> const auto& { return value; });
    for (std::size_t i = 0; i < listing.Texts.size(); ++i) {
        listing.ByName.emplace(RegistryTree::Folded(Widen(listing.Texts[i].first)), i);
    }
    return listing;
}

const std::optional<RegistrySettingsStore::Listing>& RegistrySettingsStore::ListingOf(
    const std::wstring& path, const std::string& what) {
    const std::wstring folded = RegistryTree::Folded(path);
    if (const auto found = listings_.find(folded); found != listings_.end()) {
        return found->second;
    }
    auto listing = ListSection(path, what);
    return listings_.emplace(folded, std::move(listing)).first->second;
}

std::string RegistrySettingsStore::GetSetting(const std::string& appName,
                                              const std::string& section, const std::string& key,
                                              const std::string& defaultValue) {
    SectionPath::RequireName(key, "key");
    const std::wstring path = SectionPathOf(appName, section);
    const std::string what = section + "\\" + key;
    if (const Image* image = ImageOf(appName)) {
        OpenPendingSection(appName, section, what);
        const RegistryTree* found = image->Changed.Find(Widen(section));
        if (found == nullptr) {
            return defaultValue;
        }
        const auto value = found->Values().find(RegistryTree::Folded(Widen(key)));
        const auto text =
            value == found->Values().end() ? std::nullopt : RegistryKey::TextOf(value->second);
        return text ? Narrow(*text) : defaultValue;
    }
    if (reading_) {
        const auto& listing = ListingOf(path, what);
        if (!listing) {
            return defaultValue;
        }
        const auto at = listing->ByName.find(RegistryTree::Folded(Widen(key)));
        return at == listing->ByName.end() ? defaultValue : listing->Texts[at->second].second;
    }
    const auto sectionKey = OpenToRead(root_, path, what);
    if (!sectionKey) {
        return defaultValue;
    }
    const auto value = sectionKey->GetString(Widen(key));
    return value ? Narrow(*value) : defaultValue;
}

std::vector<std::pair<std::string, std::string>> RegistrySettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    const std::wstring path = SectionPathOf(appName, section);
    if (const Image* image = ImageOf(appName)) {
        OpenPendingSection(appName, section, section);
        const RegistryTree* found = image->Changed.Find(Widen(section));
        if (found == nullptr) {
            return {};
        }
        return TextsOf(
            found->Values(), [](const auto& entry) -> const auto& { return entry.second; });
    }
    if (reading_) {
        const auto& listing = ListingOf(path, section);
        return listing ? listing->Texts : std::vector<std::pair<std::string, std::string>>{};
    }
    const auto listing = ListSection(path, section);
    return listing ? listing->Texts : std::vector<std::pair<std::string, std::string>>{};
}

void RegistrySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& value) {
    SectionPath::RequireName(key, "key");
    listings_.clear();
    const std::wstring path = SectionPathOf(appName, section);
    const std::string what = section + "\\" + key;
    if (depth_ > 0) {
        MakePendingSection(appName, section, what);
        ImageForChange(appName)
            .Changed.Make(Widen(section))
            .Set(RegistryKey::TextValue(Widen(key), Widen(value)));
        return;
    }
    LONG status = ERROR_SUCCESS;
    const auto sectionKey = RegistryKey::Create(root_, path, status);
    if (sectionKey) {
        status = sectionKey->SetString(Widen(key), Widen(value));
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Write, what);
    }
}

void RegistrySettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    listings_.clear();
    const std::wstring path = SectionPathOf(appName, section);
    if (depth_ > 0) {
        RemovePendingSection(appName, section, section);
        // An image read for a section that was missing goes again: the batch changed nothing.
        const bool first = ImageOf(appName) == nullptr;
        if (!ImageForChange(appName).Changed.Remove(Widen(section))) {
            if (first) {
                images_.erase(RegistryTree::Folded(Widen(appName)));
            }
            SectionPath::RaiseMissing(appName, section);
        }
        return;
    }
    // The removal itself says whether the section was there.
    const LONG status = RegistryKey::Remove(root_, path);
    if (status == ERROR_FILE_NOT_FOUND) {
        SectionPath::RaiseMissing(appName, section);
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Remove, section);
    }
}

void RegistrySettingsStore::DeleteApplication(const std::string& appName) {
    listings_.clear();
    const std::wstring path = LivePath(appName);
    if (depth_ > 0) {
        const bool first = ImageOf(appName) == nullptr;
        Image& image = ImageForChange(appName);
        if (image.Changed.IsEmpty()) {
            if (first) {
                images_.erase(RegistryTree::Folded(Widen(appName)));
            }
            SectionPath::RaiseMissing(appName, "");
        }
        for (const auto& [folded, section] : image.Changed.Keys()) {
            RemovePendingSection(appName, Narrow(section.Name()), appName);
        }
        // The image stays, empty, so that applying the batch removes the live key.
        image.Changed.Clear();
        return;
    }
    const auto application = RegistryKey::Open(root_, path);
    if (!application || application->IsEmpty()) {
        SectionPath::RaiseMissing(appName, "");
    }
    LONG status = ERROR_SUCCESS;
    if (const auto live = RegistryKey::Open(root_, path, KEY_READ | KEY_WRITE)) {
        for (const std::wstring& name : live->SubkeyNames()) {
            if (status == ERROR_SUCCESS) {
                status = RegistryKey::DeleteTree(live->Handle(), name);
            }
        }
        if (status == ERROR_SUCCESS) {
            status = RegistryKey::DeleteTree(root_, path);
        }
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Remove, appName);
    }
}

std::vector<std::string> RegistrySettingsStore::Dump(const std::string& appName) {
    std::vector<std::string> lines;
    if (const Image* image = ImageOf(appName)) {
        DumpTree(image->Changed, "", lines);
    } else {
        LONG status = ERROR_SUCCESS;
        if (const auto live = RegistryTree::Load(root_, LivePath(appName), status)) {
            DumpTree(*live, "", lines);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string RegistrySettingsStore::Name() const {
    const char* root = root_ == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER\\" : "";
    return root + Narrow(base_);
}

void RegistrySettingsStore::Snapshot(const std::function<void()>& reads) {
    if (reading_ || depth_ > 0) {
        reads();  // inside a batch the images are one state already
        return;
    }
    const struct Reading {
        RegistrySettingsStore& store;
        explicit Reading(RegistrySettingsStore& s) : store(s) { store.reading_ = true; }
        ~Reading() {
            store.reading_ = false;
            store.listings_.clear();
        }
    } reading{*this};
    reads();
}

void RegistrySettingsStore::Batch(const std::function<void()>& changes) {
    listings_.clear();
    if (depth_ > 0) {
        // An inner batch undoes only its own changes: it keeps the images as they stand.
        const auto imagesBefore = images_;
        ++depth_;
        try {
            changes();
        } catch (...) {
            --depth_;
            images_ = imagesBefore;
            throw;
        }
        --depth_;
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
        images_.clear();
        DiscardPending();
        throw;
    }
    depth_ = 0;
    // A batch that leaves every application as it was (a start saves every setting again) has
    // nothing to make safe: nothing is recorded, marked, applied or flushed.
    const bool changed = PlanChanges();
    images_.clear();
    if (!changed) {
        DiscardPending();
        return;
    }
    RecordPending();
    MarkComplete();
    ApplyPending();
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

void RegistrySettingsStore::RecoverPending() {
    planned_ = RegistrySync();
    const auto pending = RegistryKey::Open(root_, pending_);
    if (!pending) {
        return;
    }
    if (pending->GetDword(kCompleteValue).value_or(0) != 1) {
        DiscardPending();
        return;
    }
    LONG status = ERROR_SUCCESS;
    if (const auto steps = RegistryKey::Open(root_, pending_ + kStepsKey)) {
        planned_ = RegistrySync::Kept(*steps, status);
    } else {
        // Recorded by an earlier version: a whole copy of each application the batch changed.
        for (const std::wstring& name : SplitLines(pending->GetString(kListValue).value_or(L""))) {
            const std::wstring copy = pending_ + PendingCopies + L"\\" + name;
            const std::wstring live = base_ + L"\\" + name;
            const auto held = RegistryKey::Open(root_, copy);
            planned_.Append(!held || held->IsEmpty()
                                ? RegistrySync::Removal(live)
                                : RegistrySync::Plan(root_, copy, live, status));
            if (status != ERROR_SUCCESS) {
                break;
            }
        }
    }
    if (status != ERROR_SUCCESS) {
        planned_ = RegistrySync();
        Refused(status, StoreAction::Read, "the batch");
    }
    ApplyPending();
}

void RegistrySettingsStore::DiscardPending() {
    RegistryKey::DeleteTree(root_, pending_);
    madeSections_.clear();
    planned_ = RegistrySync();
}

void RegistrySettingsStore::MarkOpen(bool open) {
    if (!open) {
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

std::wstring RegistrySettingsStore::OpenMarkName() const {
    return BatchLock::KernelName(base_ + L"\\Open");
}

}  // namespace pwk::win
