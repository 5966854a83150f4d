#pragma once

#include "store/MemorySettingsStore.h"
#include "tests/support/NullPlatform.h"

namespace pwk::test {

// A platform whose only service is an in-memory settings store.
class MemoryStorePlatform : public NullPlatform {
  public:
    SettingsStore& Settings() override { return store; }
    MemorySettingsStore store;
};

}  // namespace pwk::test
