#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace pwk::test {

// Sets environment variables for one test and puts the old values back when it ends.
class EnvironmentGuard {
  public:
    EnvironmentGuard() = default;
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
    ~EnvironmentGuard() {
        for (const auto& [name, value] : saved_) {
            Apply(name.c_str(), value);
        }
    }

    // Sets `name` to `value`, or removes it when there is no value.
    void Set(const char* name, const std::optional<std::string>& value) {
        if (saved_.count(name) == 0) {
            const char* old = std::getenv(name);
            saved_[name] = old == nullptr ? std::nullopt : std::optional<std::string>(old);
        }
        Apply(name, value);
    }

  private:
    static void Apply(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace pwk::test
