// The settings store contract and the random sequences of tests/store, over the registry store.
#include <cstdint>
#include <string>
#include <utility>

#include "tests/store/RandomStoreSequence.h"
#include "tests/store/SettingsStoreContract.h"
#include "tests/win/support/Check.h"
#include "win/platform/RegistryKey.h"
#include "win/platform/RegistrySettingsStore.h"

using pwk::win::RegistryKey;
using pwk::win::RegistrySettingsStore;

namespace {

// Each case works in its own branch of HKCU, away from the real program settings and from the
// registry store's own tests.
constexpr const wchar_t* kTop = L"Software\\Parleywick Contract";
constexpr const wchar_t* kBase = L"Software\\Parleywick Contract\\Settings";
constexpr const wchar_t* kPending = L"Software\\Parleywick Contract\\Pending";

// The cases name applications and sections in ASCII.
std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class RegistryBackend : public pwk::contract::ContractStore {
  public:
    RegistryBackend() { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kTop); }
    ~RegistryBackend() override { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kTop); }
    RegistryBackend(const RegistryBackend&) = delete;
    RegistryBackend& operator=(const RegistryBackend&) = delete;

    pwk::SettingsStore& Store() override { return store_; }
    std::vector<std::string> Dump(const std::string& appName) override {
        return store_.Dump(appName);
    }
    bool SectionExists(const std::string& appName, const std::string& section) override {
        return RegistryKey::Exists(
            HKEY_CURRENT_USER, std::wstring(kBase) + L"\\" + Wide(appName) + L"\\" + Wide(section));
    }

  private:
    RegistrySettingsStore store_{HKEY_CURRENT_USER, kBase, kPending};
};

class WinChecks : public pwk::contract::ContractChecks {
  public:
    void Fail(const char* file, int line, const std::string& what) override {
        pwk::wintest::Fail(file, line, what);
    }
};

// One named case of the harness per contract case, and one per seed.
const bool registered = [] {
    for (const pwk::contract::ContractCase& contractCase : pwk::contract::ContractCases()) {
        pwk::wintest::Cases().push_back({contractCase.Name, [run = contractCase.Run] {
                                             RegistryBackend store;
                                             WinChecks checks;
                                             run(store, checks);
                                         }});
    }
    // Fewer steps than over SQLite: every batch of the registry store copies and applies keys.
    static const std::pair<const char*, std::uint32_t> seeds[] = {{"random sequence, seed 1", 1},
                                                                  {"random sequence, seed 2", 2},
                                                                  {"random sequence, seed 3", 3}};
    for (const auto& [name, seed] : seeds) {
        pwk::wintest::Cases().push_back({name, [seed = seed] {
                                             RegistryBackend store;
                                             WinChecks checks;
                                             pwk::contract::RunRandomStoreSequence(store, checks,
                                                                                   seed, 200);
                                         }});
    }
    return true;
}();

}  // namespace
