// The store contract (SettingsStoreContractCases.cpp) and random sequences against a plain model,
// over the memory and SQLite stores.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <tuple>

#include "store/MemorySettingsStore.h"
#include "store/SqliteSettingsStore.h"
#include "tests/store/RandomStoreSequence.h"
#include "tests/store/SettingsStoreContract.h"
#include "tests/support/TempFolder.h"

namespace pwk {
namespace contract {
// Failures name the case rather than its bytes.
void PrintTo(const ContractCase& contractCase, std::ostream* out) {
    *out << contractCase.Name;
}
}  // namespace contract

namespace {

using contract::ContractCase;
using contract::ContractStore;

template <typename ConcreteStore>
class Backend : public ContractStore {
  public:
    SettingsStore& Store() override { return Concrete(); }
    std::vector<std::string> Dump(const std::string& appName) override {
        return Concrete().Dump(appName);
    }
    bool SectionExists(const std::string& appName, const std::string& section) override {
        return Concrete().SectionExists(appName, section);
    }

  protected:
    virtual ConcreteStore& Concrete() = 0;
};

class MemoryBackend : public Backend<MemorySettingsStore> {
    MemorySettingsStore& Concrete() override { return store_; }
    MemorySettingsStore store_;
};

class SqliteBackend : public Backend<SqliteSettingsStore> {
    SqliteSettingsStore& Concrete() override { return store_; }
    test::TempFolder folder_;
    SqliteSettingsStore store_{folder_ / "config/parleywick/settings.db"};
};

struct Kind {
    const char* Name;
    std::function<std::unique_ptr<ContractStore>()> Make;
};
void PrintTo(const Kind& kind, std::ostream* out) {
    *out << kind.Name;
}
const Kind kMemory{"Memory", [] { return std::make_unique<MemoryBackend>(); }};
const Kind kSqlite{"Sqlite", [] { return std::make_unique<SqliteBackend>(); }};

class GTestChecks : public contract::ContractChecks {
  public:
    void Fail(const char* file, int line, const std::string& what) override {
        ADD_FAILURE_AT(file, line) << what;
    }
};

class SettingsStoreContract : public ::testing::TestWithParam<std::tuple<Kind, ContractCase>> {};

TEST_P(SettingsStoreContract, Holds) {
    const auto& [kind, contractCase] = GetParam();
    const auto store = kind.Make();
    GTestChecks checks;
    contractCase.Run(*store, checks);
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreContract,
                         ::testing::Combine(::testing::Values(kMemory, kSqlite),
                                            ::testing::ValuesIn(contract::ContractCases())),
                         [](const auto& param) {
                             return std::string(std::get<0>(param.param).Name) + "_" +
                                    std::get<1>(param.param).Name;
                         });

class RandomStoreSequence : public ::testing::TestWithParam<std::tuple<Kind, std::uint32_t>> {};

TEST_P(RandomStoreSequence, MatchesThePlainModel) {
    const auto& [kind, seed] = GetParam();
    const auto store = kind.Make();
    GTestChecks checks;
    contract::RunRandomStoreSequence(*store, checks, seed, 500);
}

INSTANTIATE_TEST_SUITE_P(Stores, RandomStoreSequence,
                         ::testing::Combine(::testing::Values(kMemory, kSqlite),
                                            ::testing::Range(1u, 7u)),
                         [](const auto& param) {
                             return std::string(std::get<0>(param.param).Name) + "_seed" +
                                    std::to_string(std::get<1>(param.param));
                         });

}  // namespace
}  // namespace pwk
