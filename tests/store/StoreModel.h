#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace pwk::contract {

// What a settings store should hold, kept plainly: the sections of each application (every
// level of a nested one) and their values. Names are taken as spelled; the random sequences
// that use it spell each name one way.
class StoreModel {
  public:
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& defaultValue) const;
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value);
    // False (and nothing changes) when the section, or the application, is not there.
    bool DeleteSection(const std::string& app, const std::string& section);
    bool DeleteApplication(const std::string& app);

    bool SectionExists(const std::string& app, const std::string& section) const;
    // Every value of one application as sorted "section|key=value" lines.
    std::vector<std::string> Dump(const std::string& app) const;

  private:
    struct Application {
        std::set<std::string> Sections;
        std::map<std::string, std::map<std::string, std::string>> Values;
    };
    std::map<std::string, Application> applications_;
};

}  // namespace pwk::contract
