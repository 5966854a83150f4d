#include "tests/store/StoreModel.h"

#include <algorithm>
#include <iterator>

namespace pwk::contract {
namespace {

bool Within(const std::string& name, const std::string& section) {
    return name == section || name.rfind(section + "\\", 0) == 0;
}

template <typename Container, typename Predicate>
void EraseWhere(Container& container, Predicate&& predicate) {
    for (auto at = container.begin(); at != container.end();) {
        at = predicate(*at) ? container.erase(at) : std::next(at);
    }
}

}  // namespace

std::string StoreModel::Get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& defaultValue) const {
    const auto application = applications_.find(app);
    if (application == applications_.end()) {
        return defaultValue;
    }
    const auto values = application->second.Values.find(section);
    if (values == application->second.Values.end()) {
        return defaultValue;
    }
    const auto value = values->second.find(key);
    return value == values->second.end() ? defaultValue : value->second;
}

void StoreModel::Save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) {
    Application& application = applications_[app];
    for (std::size_t at = section.find('\\'); at != std::string::npos;
         at = section.find('\\', at + 1)) {
        application.Sections.insert(section.substr(0, at));
    }
    application.Sections.insert(section);
    application.Values[section][key] = value;
}

bool StoreModel::DeleteSection(const std::string& app, const std::string& section) {
    if (!SectionExists(app, section)) {
        return false;
    }
    Application& application = applications_[app];
    EraseWhere(application.Sections,
               [&](const std::string& name) { return Within(name, section); });
    EraseWhere(application.Values, [&](const auto& entry) { return Within(entry.first, section); });
    if (application.Sections.empty()) {
        applications_.erase(app);
    }
    return true;
}

bool StoreModel::DeleteApplication(const std::string& app) {
    return applications_.erase(app) > 0;
}

bool StoreModel::SectionExists(const std::string& app, const std::string& section) const {
    const auto application = applications_.find(app);
    return application != applications_.end() && application->second.Sections.count(section) > 0;
}

std::vector<std::string> StoreModel::Dump(const std::string& app) const {
    std::vector<std::string> lines;
    if (const auto application = applications_.find(app); application != applications_.end()) {
        for (const auto& [section, values] : application->second.Values) {
            for (const auto& [key, value] : values) {
                lines.push_back(section + "|" + key + "=" + value);
            }
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace pwk::contract
