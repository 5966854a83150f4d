#include "tests/store/RandomStoreSequence.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "src/platform/SettingsStore.h"
#include "src/util/Failure.h"
#include "tests/store/ContractCheck.h"
#include "tests/store/StoreModel.h"

namespace pwk::contract {
namespace {

// Few names, so that operations keep meeting each other's sections.
constexpr std::array<const char*, 2> kApps = {"Parleywick", "Neighbour"};
constexpr std::array<const char*, 6> kSections = {"Logging",
                                                  "Tracked Foldersets",
                                                  "Tracked Foldersets\\1",
                                                  "Tracked Foldersets\\1\\Deep",
                                                  "Tracked Foldersets\\2",
                                                  "Tracking"};
constexpr std::array<const char*, 3> kKeys = {"Count", "EntryID", "Dir"};
constexpr int kDeepest = 3;
// The failure a batch's changes throw to stop part-way.
constexpr std::int32_t kPartWay = 13;

// Thrown through every batch once the store and the model differ: the sequence is over.
struct Diverged {};

class Sequence {
  public:
    Sequence(ContractStore& store, ContractChecks& checks, std::uint32_t seed)
        : store_(store), checks_(checks), seed_(seed), random_(seed) {}

    bool Run(int steps) {
        try {
            for (step_ = 1; step_ <= steps; ++step_) {
                try {
                    Operation(0);
                } catch (const Failure&) {
                    // A batch that failed to the end: the model was rolled back with it.
                }
                CompareAll();
            }
        } catch (const Diverged&) {
            return false;
        }
        return true;
    }

  private:
    int Pick(int count) { return static_cast<int>(random_() % static_cast<std::uint32_t>(count)); }
    template <std::size_t N>
    const char* PickOf(const std::array<const char*, N>& names) {
        return names[static_cast<std::size_t>(Pick(static_cast<int>(N)))];
    }

    // Removals and batches come often enough that a batch keeps meeting sections that an
    // earlier operation, or a failed inner batch, made or took away.
    void Operation(int depth) {
        if (depth == 0 && Pick(2) == 0) {
            return Batch(depth);
        }
        switch (Pick(depth < kDeepest ? 10 : 8)) {
            case 0:
            case 1:
                return Get();
            case 2:
            case 3:
            case 4:
                return Save();
            case 5:
            case 6:
                return DeleteSection(depth);
            case 7:
                return DeleteApplication(depth);
            default:
                return Batch(depth);
        }
    }

    void Get() {
        const char* app = PickOf(kApps);
        const char* section = PickOf(kSections);
        const char* key = PickOf(kKeys);
        Same("GetSetting(" + Where(app, section) + "|" + key + ")",
             store_.Store().GetSetting(app, section, key, "default"),
             model_.Get(app, section, key, "default"));
    }

    // Half the saves go back to the section saved last, as a caller writing several values,
    // or trying again after a failed batch, does.
    void Save() {
        if (Pick(2) == 0) {
            lastApp_ = PickOf(kApps);
            lastSection_ = PickOf(kSections);
        }
        const char* key = PickOf(kKeys);
        const std::string value = "v" + std::to_string(Pick(10));
        store_.Store().SaveSetting(lastApp_, lastSection_, key, value);
        model_.Save(lastApp_, lastSection_, key, value);
    }

    // A removal of something missing fails; inside a batch its caller either ignores that
    // (as the add-in's save does) or passes it on, failing the batch.
    void DeleteSection(int depth) {
        const char* app = PickOf(kApps);
        const char* section = PickOf(kSections);
        const bool removed = model_.DeleteSection(app, section);
        Removal("DeleteSection(" + Where(app, section) + ")", removed, depth,
                [&] { store_.Store().DeleteSection(app, section); });
    }

    void DeleteApplication(int depth) {
        const char* app = PickOf(kApps);
        const bool removed = model_.DeleteApplication(app);
        Removal(std::string("DeleteApplication(") + app + ")", removed, depth,
                [&] { store_.Store().DeleteApplication(app); });
    }

    template <typename Remove>
    void Removal(const std::string& what, bool removed, int depth, Remove&& remove) {
        const std::int32_t number = FailureOf(remove);
        Same(what + " failure", std::to_string(number), removed ? "0" : "5");
        if (number != 0 && depth > 0 && Pick(2) == 0) {
            throw Failure(number, "passed on: " + what);
        }
    }

    void Batch(int depth) {
        const StoreModel before = model_;
        const int count = 1 + Pick(6);
        const int failAt = Pick(2) == 0 ? Pick(count) : -1;
        try {
            store_.Store().Batch([&] {
                for (int i = 0; i < count; ++i) {
                    if (i == failAt) {
                        throw Failure(kPartWay, "the batch stops part-way");
                    }
                    Operation(depth + 1);
                }
            });
        } catch (const Failure&) {
            model_ = before;
            // An inner batch's failure may end its outer batch too.
            if (depth > 0 && Pick(2) == 0) {
                throw;
            }
        }
    }

    void CompareAll() {
        for (const char* app : kApps) {
            std::vector<std::string> stored = store_.Dump(app);
            std::sort(stored.begin(), stored.end());
            Same(std::string("the content of ") + app, Show(stored), Show(model_.Dump(app)));
            for (const char* section : kSections) {
                Same("whether " + Where(app, section) + " exists",
                     store_.SectionExists(app, section) ? "yes" : "no",
                     model_.SectionExists(app, section) ? "yes" : "no");
            }
        }
    }

    static std::string Where(const char* app, const char* section) {
        return std::string(app) + "|" + section;
    }

    void Same(const std::string& what, const std::string& stored, const std::string& expected) {
        if (stored != expected) {
            checks_.Fail(__FILE__, __LINE__,
                         "seed " + std::to_string(seed_) + ", step " + std::to_string(step_) +
                             ": " + what + ": the store has " + stored + ", expected " + expected);
            throw Diverged{};
        }
    }

    ContractStore& store_;
    ContractChecks& checks_;
    std::uint32_t seed_;
    std::mt19937 random_;
    StoreModel model_;
    int step_ = 0;
    const char* lastApp_ = kApps[0];
    const char* lastSection_ = kSections[0];
};

}  // namespace

bool RunRandomStoreSequence(ContractStore& store, ContractChecks& checks, std::uint32_t seed,
                            int steps) {
    return Sequence(store, checks, seed).Run(steps);
}

}  // namespace pwk::contract
