#include "win/platform/RegistrySettingsStore.h"

#include <algorithm>

#include "src/util/Failure.h"
#include "store/SectionPath.h"
#include "store/StoreFailure.h"
#include "win/combase/WideText.h"
#include "win/platform/BatchLockHold.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistryRefusal.h"

namespace pwk::win {

namespace {

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
        DumpTree(*key, section.empty() ? Narrow(key->Name()) : section + "\\" + Narrow(key->Name()),
                 lines);
    }
}

// The text value `key` of `section` in an application held in memory, if there is one.
std::optional<std::string> TextIn(const RegistryTree& application, const std::string& section,
                                  const std::string& key) {
    const RegistryTree* found = application.Find(Widen(section));
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto value = found->Values().find(RegistryTree::Folded(Widen(key)));
    const auto text =
        value == found->Values().end() ? std::nullopt : RegistryKey::TextOf(value->second);
    return text ? std::optional<std::string>(Narrow(*text)) : std::nullopt;
}

using Texts = std::vector<std::pair<std::string, std::string>>;

// Adds the value's name and text when it is a text; `text` is the buffer it is read through,
// kept by the caller for the next value (a section holds thousands).
void AddText(const RegistryKey::RawValue& value, std::wstring& text, Texts& texts) {
    if (RegistryKey::TextInto(value, text)) {
        texts.emplace_back(Narrow(value.Name), Narrow(text));
    }
}

// Every text value of `section` in an application held in memory.
Texts TextsIn(const RegistryTree& application, const std::string& section) {
    const RegistryTree* found = application.Find(Widen(section));
    if (found == nullptr) {
        return {};
    }
    Texts texts;
    texts.reserve(found->Values().size());
    std::wstring text;
    for (const auto& [folded, value] : found->Values()) {
        AddText(value, text, texts);
    }
    return texts;
}

}  // namespace

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

std::optional<RegistrySettingsStore::Listing> RegistrySettingsStore::ListSection(
    const std::wstring& path, const std::string& what) {
    const auto key = OpenToRead(root_, path, what);
    if (!key) {
        return std::nullopt;
    }
    // The key is opened all the same: that is where a refusing registry refuses the read.
    LONG status = ERROR_SUCCESS;
    const RegistryReadCache::Contents* trusted = cache_.Trusted(path);
    const auto& values = (trusted != nullptr ? *trusted : cache_.Read(*key, path, status)).Values;
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Read, what);
    }
    Listing listing;
    listing.Texts.reserve(values.size());
    std::wstring text;
    for (const RegistryKey::RawValue& value : values) {
        AddText(value, text, listing.Texts);
    }
    return listing;
}

const std::string* RegistrySettingsStore::Listing::Find(const std::string& key) const {
    if (!byName_) {
        byName_.emplace();
        for (std::size_t i = 0; i < Texts.size(); ++i) {
            byName_->emplace(RegistryTree::Folded(Widen(Texts[i].first)), i);
        }
    }
    const auto at = byName_->find(RegistryTree::Folded(Widen(key)));
    return at == byName_->end() ? nullptr : &Texts[at->second].second;
}

const std::optional<RegistrySettingsStore::Listing>* RegistrySettingsStore::ListedBefore(
    const std::wstring& path) const {
    const auto found = listings_.find(RegistryTree::Folded(path));
    return found == listings_.end() ? nullptr : &found->second;
}

const std::optional<RegistrySettingsStore::Listing>& RegistrySettingsStore::ListingOf(
    const std::wstring& path, const std::string& what) {
    if (const auto* listed = ListedBefore(path)) {
        return *listed;
    }
    auto listing = ListSection(path, what);
    return listings_.emplace(RegistryTree::Folded(path), std::move(listing)).first->second;
}

std::string RegistrySettingsStore::GetSetting(const std::string& appName,
                                              const std::string& section, const std::string& key,
                                              const std::string& defaultValue) {
    SectionPath::RequireName(key, "key");
    if (const Image* image = ImageOf(appName)) {
        SectionPathOf(appName, section);  // a bad name is refused as it is outside a batch
        OpenPendingSection(appName, section, section + "\\" + key);
        return TextIn(image->Changed, section, key).value_or(defaultValue);
    }
    return Held([&] { return ReadSetting(appName, section, key, defaultValue); });
}

std::string RegistrySettingsStore::ReadSetting(const std::string& appName,
                                               const std::string& section, const std::string& key,
                                               const std::string& defaultValue) {
    if (recorded_) {
        SectionPathOf(appName, section);  // a bad name is refused before anything is read
        if (const RegistryTree* view = RecordedView(appName)) {
            return TextIn(*view, section, key).value_or(defaultValue);
        }
    }
    if (reading_) {
        const std::optional<Listing>& listing = SectionListing(appName, section, key);
        if (!listing) {
            return defaultValue;
        }
        const std::string* text = listing->Find(key);
        return text != nullptr ? *text : defaultValue;
    }
    const std::wstring path = SectionPathOf(appName, section);
    const std::string what = section + "\\" + key;
    const auto sectionKey = OpenToRead(root_, path, what);
    if (!sectionKey) {
        return defaultValue;
    }
    const auto value = sectionKey->GetString(Widen(key));
    return value ? Narrow(*value) : defaultValue;
}

const std::optional<RegistrySettingsStore::Listing>& RegistrySettingsStore::SectionListing(
    const std::string& appName, const std::string& section, const std::string& key) {
    // A load reads thousands of values from a few sections: each section is named, checked and
    // looked up once per snapshot.
    const std::string name = appName + '\n' + section;
    auto known = sectionListings_.find(name);
    if (known == sectionListings_.end()) {
        const auto& listing = ListingOf(SectionPathOf(appName, section), section + "\\" + key);
        known = sectionListings_.emplace(name, &listing).first;
    }
    return *known->second;
}

std::vector<std::pair<std::string, std::string>> RegistrySettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    const std::wstring path = SectionPathOf(appName, section);
    if (const Image* image = ImageOf(appName)) {
        OpenPendingSection(appName, section, section);
        return TextsIn(image->Changed, section);
    }
    return Held([&] {
        if (const RegistryTree* view = RecordedView(appName)) {
            return TextsIn(*view, section);
        }
        if (!reading_) {
            CheckTrust();
        } else if (const auto* listed = ListedBefore(path)) {
            return *listed ? (*listed)->Texts : Texts{};
        }
        // A section read whole is listed for this read alone (a start reads thousands of
        // values that way, each section once): its texts are handed over, not copied.
        auto listing = ListSection(path, section);
        return listing ? std::move(listing->Texts) : Texts{};
    });
}

void RegistrySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                        const std::string& key, const std::string& value) {
    RequireWritable();
    SectionPath::RequireName(key, "key");
    WillChange();
    if (depth_ > 0) {
        // A save writes many values to a few sections: each is looked up once per batch (by
        // a name made in a buffer kept for it).
        sectionName_.assign(appName).append(1, '\n').append(section);
        auto written = writtenSections_.find(sectionName_);
        if (written == writtenSections_.end()) {
            SectionPathOf(appName, section);
            MakePendingSection(appName, section, section + "\\" + key);
            RegistryTree& image = ImageForChange(appName).Changed.Make(Widen(section));
            written = writtenSections_.emplace(sectionName_, &image).first;
        }
        written->second->Set(RegistryKey::TextValue(Widen(key), value));
        return;
    }
    LONG status = ERROR_SUCCESS;
    const auto sectionKey = RegistryKey::Create(root_, SectionPathOf(appName, section), status);
    if (sectionKey) {
        status = sectionKey->SetString(Widen(key), Widen(value));
    }
    if (status != ERROR_SUCCESS) {
        Refused(status, StoreAction::Write, section + "\\" + key);
    }
}

void RegistrySettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    RequireWritable();
    WillChange();
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
    RequireWritable();
    WillChange();
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
            RemovePendingSection(appName, Narrow(section->Name()), appName);
        }
        // The image stays, empty, so that applying the batch removes the live key.
        writtenSections_.clear();
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
    auto lines = Held([&] {
        std::vector<std::string> found;
        if (const Image* image = ImageOf(appName)) {
            DumpTree(image->Changed, "", found);
        } else if (const RegistryTree* view = RecordedView(appName)) {
            DumpTree(*view, "", found);
        } else {
            LONG status = ERROR_SUCCESS;
            if (const auto live = RegistryTree::Load(root_, LivePath(appName), status)) {
                DumpTree(*live, "", found);
            }
        }
        return found;
    });
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
    // Reading only: a writer records, applies or throws away a batch holding the lock, so a
    // read under it never meets one half way; the complete batch left behind is read once.
    std::optional<BatchLockHold> held;
    if (access_ == Access::ReadingOnly) {
        held.emplace(lock_);
        recorded_ = ReadRecord().Plan;
    }
    const struct Reading {
        RegistrySettingsStore& store;
        explicit Reading(RegistrySettingsStore& s) : store(s) { store.reading_ = true; }
        ~Reading() {
            store.reading_ = false;
            store.ForgetListings();
            store.recorded_.reset();
            store.views_.clear();
            store.cache_.Save();
        }
    } reading{*this};
    CheckTrust();
    reads();
}

}  // namespace pwk::win
