#include "winharness/bench/SendRuns.h"

#include "sim/SimAddInInstance.h"
#include "sim/SimApplication.h"
#include "sim/SimItemState.h"
#include "src/host/Item.h"
#include "winharness/bridge/HostDispatch.h"

namespace pwk::winbench {

SendRuns::SendRuns(int recipients, int foldersets) {
    bench_ = std::make_unique<BenchHost>(foldersets, registry_, false);
    registry_->SaveSetting(ProductTitle, "Tracking", "UseSentMailFolder", "False");
    registry_->SaveSetting(ProductTitle, "Tracking", "JournalEmails", "True");
    sim::SimHost& host = bench_->harness.host;
    for (int r = 0; r < recipients; ++r) {
        const std::string address = "contact" + std::to_string(r) + "@example.com";
        host.PutItem("Public/Set " + std::to_string(r % foldersets + 1) + "/Contacts",
                     host::ItemType::Contact,
                     {{"FullName", "Contact " + std::to_string(r)}, {"Email1Address", address}});
        addresses_.push_back(address);
    }
    mapi_ = std::make_unique<bridge::ClassRegistration>(host::MapiSessionProgID,
                                                        host.MapiSessionFactory());
    auto instance =
        sim::MakeSim<sim::SimAddInInstance>(host.CorePtr(), ConnectProgID, "Parleywick ");
    try {
        addIn_ = bridge::ComAddIn::Create(ConnectProgID);
        if (addIn_) {
            addIn_->OnConnection(host.Application(), host::ConnectMode::Startup, instance);
            host.DoEvents();
        } else {
            error_ = "the component could not be created by its ProgID";
        }
    } catch (const Failure& failure) {
        error_ = "the connection failed: " + failure.Description;
    }
}

SendRuns::~SendRuns() {
    if (addIn_) {
        try {
            addIn_->OnDisconnection(host::DisconnectMode::HostShutdown);
        } catch (const Failure&) {
            // The host goes all the same.
        }
        addIn_.reset();
    }
    bench_->Quit();
}

std::shared_ptr<sim::SimItemState> SendRuns::NewMail() {
    sim::SimHost& host = bench_->harness.host;
    auto mail = host.ComposeMail("Price list");
    for (const std::string& address : addresses_) {
        host.AddRecipient(mail->AsItem(), address);
    }
    return mail;
}

TimedRun SendRuns::Component(CallScript* script) {
    sim::SimHost& host = bench_->harness.host;
    auto& application = dynamic_cast<sim::SimApplication&>(*host.Application().Shared());
    const auto mail = NewMail();
    // The bridge of the mail while it is sent: the one the event hands to the component.
    const auto sent = bridge::HostDispatch::Of(mail->AsItem().Shared());
    if (script != nullptr) {
        script->Given(sent.Get());
        script->Record();
    }
    TimedRun run;
    const auto before = bridge::BridgeCalls::Instance().Counted();
    const CostClock clock;
    bool cancel = false;
    application.RaiseItemSend(mail, cancel);
    host.DoEvents();
    run.Spent = clock.Elapsed();
    run.Calls = CallsSince(before);
    if (script != nullptr) {
        script->Stop();
    }
    if (cancel) {
        run.Error = "the component cancelled the send";
    }
    return run;
}

TimedRun SendRuns::Floor(CallScript& script) {
    const auto mail = NewMail();
    const auto sent = bridge::HostDispatch::Of(mail->AsItem().Shared());
    TimedRun run;
    const auto before = bridge::BridgeCalls::Instance().Counted();
    const CostClock clock;
    const std::size_t differing = script.Replay(std::vector<IDispatch*>{sent.Get()});
    bench_->harness.host.DoEvents();
    run.Spent = clock.Elapsed();
    run.Calls = CallsSince(before);
    script.Release();
    if (differing != 0) {
        run.Error = std::to_string(differing) + " calls went otherwise than recorded";
    }
    return run;
}

}  // namespace pwk::winbench
