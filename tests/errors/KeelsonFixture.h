#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keelson/Keelson.h"
#include "sim/ScriptedPlatform.h"
#include "src/component/Component.h"
#include "tests/errors/RecordingErrorClient.h"
#include "tests/support/FileText.h"

namespace pwk::test {

// A started error library with a recording client, installed in a component, logging to
// "C:\Logs\PWK" on a scripted platform.
class KeelsonFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        client->library = keelson.get();
        keelson->SetClient(client);
        keelson->SetApplicationName("PWKCommon");
        keelson->SetLogPath("C:\\Logs");
        keelson->SetLogFilename("PWK");
        keelson->Start();
        component.SetErrorObject(keelson);
    }

    std::string LogContents() {
        keelson->Flush();
        return FileText(platform.NativePath("C:\\Logs\\PWK"));
    }

    static int Occurrences(const std::string& text, const std::string& part) {
        int count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }

    sim::ScriptedPlatform platform;
    Component component{platform};
    std::shared_ptr<Keelson> keelson = std::make_shared<Keelson>(platform);
    std::shared_ptr<RecordingErrorClient> client = std::make_shared<RecordingErrorClient>();
};

}  // namespace pwk::test
