#include "store/MemorySettingsStore.h"

#include <algorithm>

#include "src/util/Failure.h"
#include "store/SectionPath.h"

namespace pwk {

std::string MemorySettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                            const std::string& key,
                                            const std::string& defaultValue) {
    CountOperation();
    SectionPath::RequireName(key, "key");
    const Section* found = FindSection(appName, section);
    if (found == nullptr) {
        return defaultValue;
    }
    const auto value = found->Values.find(SectionPath::Fold(key));
    return value == found->Values.end() ? defaultValue : value->second.Text;
}

std::vector<std::pair<std::string, std::string>> MemorySettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    CountOperation();
    std::vector<std::pair<std::string, std::string>> values;
    if (const Section* found = FindSection(appName, section)) {
        for (const auto& [folded, value] : found->Values) {
            values.emplace_back(value.Key, value.Text);
        }
    }
    return values;
}

void MemorySettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                      const std::string& key, const std::string& value) {
    CountOperation();
    SectionPath::RequireName(appName, "application");
    SectionPath::RequireName(key, "key");
    const std::vector<std::string> levels = SectionPath::Levels(section);

    std::string app = SectionPath::Fold(appName);
    auto known = applications_.find(app);
    if (known == applications_.end()) {
        known = applications_.emplace(std::move(app), Application{appName, {}}).first;
    }
    Application& application = known->second;
    std::shared_ptr<Section>* current = nullptr;
    for (const std::string& level : levels) {
        std::string folded = SectionPath::Fold(level);
        auto found = application.Sections.find(folded);
        if (found == application.Sections.end()) {
            const std::string spelled =
                SectionPath::Spelling(current == nullptr ? "" : (*current)->Path, level);
            found = application.Sections
                        .emplace(std::move(folded), std::make_shared<Section>(Section{spelled, {}}))
                        .first;
        }
        current = &found->second;
    }
    if (current->use_count() > 1) {
        *current = std::make_shared<Section>(**current);  // written: no longer the snapshot's
    }
    Section* written = current->get();
    std::string folded = SectionPath::Fold(key);
    if (const auto entry = written->Values.find(folded); entry != written->Values.end()) {
        entry->second.Text = value;
    } else {
        written->Values.emplace(std::move(folded), Value{key, value});
    }
}

void MemorySettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    CountOperation();
    SectionPath::RequireName(appName, "application");
    const std::string folded = SectionPath::FoldedPath(section);
    const auto application = applications_.find(SectionPath::Fold(appName));
    if (application == applications_.end()) {
        SectionPath::RaiseMissing(appName, section);
    }
    auto& sections = application->second.Sections;
    const auto self = sections.find(folded);
    if (self == sections.end()) {
        SectionPath::RaiseMissing(appName, section);
    }
    const auto [first, last] = SectionPath::DescendantRange(folded);
    sections.erase(sections.lower_bound(first), sections.lower_bound(last));
    sections.erase(self);
    if (sections.empty()) {
        applications_.erase(application);
    }
}

void MemorySettingsStore::DeleteApplication(const std::string& appName) {
    CountOperation();
    SectionPath::RequireName(appName, "application");
    if (applications_.erase(SectionPath::Fold(appName)) == 0) {
        SectionPath::RaiseMissing(appName, "");
    }
}

void MemorySettingsStore::Batch(const std::function<void()>& changes) {
    // Each level keeps its own snapshot, so a failure undoes exactly what its batch did.
    const auto snapshot = applications_;
    const struct Outermost {
        const std::map<std::string, Application>*& found;
        const bool is = found == nullptr;
        ~Outermost() {
            if (is) {
                found = nullptr;
            }
        }
    } outermost{batchFound_};
    if (outermost.is) {
        batchFound_ = &snapshot;
    }
    try {
        changes();
    } catch (...) {
        applications_ = snapshot;
        throw;
    }
}

bool MemorySettingsStore::BatchChanges() {
    if (batchFound_ == nullptr) {
        return false;
    }
    // A section the batch did not write is still the one found (shared with the snapshot).
    const auto sameSection = [](const auto& one, const auto& other) {
        return one.first == other.first &&
               (one.second == other.second || *one.second == *other.second);
    };
    const auto sameApplication = [&](const auto& one, const auto& other) {
        return one.first == other.first && one.second.Name == other.second.Name &&
               std::equal(one.second.Sections.begin(), one.second.Sections.end(),
                          other.second.Sections.begin(), other.second.Sections.end(), sameSection);
    };
    return !std::equal(applications_.begin(), applications_.end(), batchFound_->begin(),
                       batchFound_->end(), sameApplication);
}

std::vector<std::string> MemorySettingsStore::Dump(const std::string& appName) const {
    std::vector<std::string> lines;
    const auto application = applications_.find(SectionPath::Fold(appName));
    if (application == applications_.end()) {
        return lines;
    }
    for (const auto& [folded, section] : application->second.Sections) {
        for (const auto& [foldedKey, value] : section->Values) {
            lines.push_back(section->Path + "|" + value.Key + "=" + value.Text);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> MemorySettingsStore::Dump() const {
    std::vector<std::string> lines;
    for (const auto& [folded, application] : applications_) {
        for (const std::string& line : Dump(application.Name)) {
            lines.push_back(application.Name + "|" + line);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool MemorySettingsStore::SectionExists(const std::string& appName,
                                        const std::string& section) const {
    return FindSection(appName, section) != nullptr;
}

void MemorySettingsStore::FailOperation(int n, std::int32_t number) {
    failAt_ = operations_ + n;
    failNumber_ = number;
}

void MemorySettingsStore::CountOperation() {
    ++operations_;
    if (failAt_ && *failAt_ == operations_) {
        failAt_.reset();
        throw Failure(failNumber_, DescriptionOf(failNumber_) + " (injected settings failure)",
                      "MemorySettingsStore");
    }
}

const MemorySettingsStore::Section* MemorySettingsStore::FindSection(
    const std::string& appName, const std::string& section) const {
    SectionPath::RequireName(appName, "application");
    const std::string folded = SectionPath::FoldedPath(section);
    const auto application = applications_.find(SectionPath::Fold(appName));
    if (application == applications_.end()) {
        return nullptr;
    }
    const auto found = application->second.Sections.find(folded);
    return found == application->second.Sections.end() ? nullptr : found->second.get();
}

}  // namespace pwk
