#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "sim/SimHost.h"
#include "tools/scenario/MailboxSource.h"
#include "tools/scenario/Transcript.h"

namespace pwk::scenario::test {

// A simulated host with the bundled demo mailbox, and a transcript to read back.
class ScenarioDemoHost : public ::testing::Test {
  protected:
    ScenarioDemoHost() { MailboxSource::Load(MailboxSource::Locate("demo", "."), host); }

    // What the transcript got since the last call.
    std::string Written() {
        std::string text = out.str();
        out.str("");
        return text;
    }
    bool Wrote(const std::string& text, const std::string& written) const {
        return written.find(text) != std::string::npos;
    }

    sim::SimHost host;
    std::ostringstream out;
    Transcript transcript{out};
};

}  // namespace pwk::scenario::test
