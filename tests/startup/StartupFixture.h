#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "keelson/Keelson.h"
#include "keelson/RegisterKeelson.h"
#include "sim/ScriptedFileUtility.h"
#include "sim/ScriptedPlatform.h"
#include "src/component/Component.h"
#include "src/startup/MStartup.h"
#include "src/util/Ref.h"
#include "store/MemorySettingsStore.h"

namespace pwk::test {

// A component on a scripted platform where the error library and the file utility can be
// created and the settings live in memory.
class StartupFixture : public ::testing::Test {
  protected:
    StartupFixture() {
        platform.SetSettings(store);
        RegisterKeelson(platform.Factories(), platform);
        fileUtility->SetDefaultFolder("C:\\Documents and Settings\\pat\\Parleywick");
        platform.Factories().Register(FileUtilityProgID, [this] { return fileUtility; });
    }

    std::shared_ptr<Keelson> Library() const { return As<Keelson>(component.ErrorObject()); }

    sim::ScriptedPlatform platform;
    MemorySettingsStore store;
    std::shared_ptr<sim::ScriptedFileUtility> fileUtility =
        std::make_shared<sim::ScriptedFileUtility>();
    Component component{platform};
};

}  // namespace pwk::test
