// The mailbox loader on hostile files: every input either loads or is refused with one
// MailboxError; anything else (another exception, a crash, a sanitizer report) is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/MailboxError.h"
#include "sim/MailboxLoader.h"
#include "sim/SimHost.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pwk::sim::SimHost host;
    try {
        pwk::sim::MailboxLoader::LoadText(
            host, std::string(reinterpret_cast<const char*>(data), size), "fuzz.json");
    } catch (const pwk::sim::MailboxError&) {
    }
    return 0;
}
