// The add-in reading a hostile settings store at start (RegSettings::ReadReg alone, against
// the demo mailbox, the error library telling it to go on after every failure): whatever the
// store holds is read or refused, never a crash, a hang or an unbounded allocation.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz/SettingsInput.h"
#include "sim/MailboxLoader.h"
#include "sim/SimHost.h"
#include "src/component/Component.h"
#include "src/resources/Version.h"
#include "src/tracking/RegSettings.h"
#include "src/util/Failure.h"
#include "tests/support/FakeErrorLibrary.h"
#include "tests/support/MemoryStorePlatform.h"

namespace {

// The host stays for the whole run: loading the mailbox again for every input would cost more
// than the read itself. ReadReg only looks folders up, it changes nothing in the host.
pwk::sim::SimHost& DemoHost() {
    static pwk::sim::SimHost* host = [] {
        auto* made = new pwk::sim::SimHost();
        pwk::sim::MailboxLoader::LoadFile(*made, PWK_SOURCE_DIR "/examples/demo-mailbox.json");
        return made;
    }();
    return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pwk::test::MemoryStorePlatform platform;
    pwk::fuzz::FillStore(platform.store, pwk::ProductTitle, data, size);
    auto errors = std::make_shared<pwk::test::FakeErrorLibrary>();
    errors->actions.assign(1000, pwk::ErrorAction::ResumeNext);
    pwk::Component component(platform);
    component.SetErrorObject(errors);
    pwk::RegSettings settings(component);
    try {
        settings.ReadReg(DemoHost().Application());
    } catch (const pwk::Failure&) {
    }
    return 0;
}
