#pragma once

#include <cstdint>

#include "tests/store/SettingsStoreContract.h"

namespace pwk::contract {

// Applies a seeded random sequence of `steps` operations to the store and to a StoreModel:
// reads, saves, removals of sections and applications, batches that commit and batches that
// fail part-way, nested up to three deep, an inner failure either caught inside its outer batch
// or passed on through it. Every read is compared as it is made, and the whole content after
// every top-level operation, failed batches included. The first difference is reported with
// the seed and the step, and ends the sequence. False when there was one.
bool RunRandomStoreSequence(ContractStore& store, ContractChecks& checks, std::uint32_t seed,
                            int steps);

}  // namespace pwk::contract
