// The send path: one unlinked mail to R tracked recipients spread over F tracked foldersets,
// filed while it is sent (lookups, a copy and an "E-mail Message" entry per folderset), beside
// a floor that makes only the host calls that filing needs, with no add-in logic around them.
// Each BM_Send iteration times both on fresh mails; the ratio of their median times is a counter.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bench/Goal.h"
#include "bench/ThreadCpuClock.h"
#include "sim/SimHost.h"
#include "sim/SimNameSpace.h"
#include "src/host/Attachments.h"
#include "src/host/ContactItem.h"
#include "src/host/Items.h"
#include "src/host/JournalItem.h"
#include "src/host/Links.h"
#include "src/host/MAPIFolder.h"
#include "src/host/MailItem.h"
#include "src/host/NameSpace.h"
#include "src/host/Recipient.h"
#include "src/host/Recipients.h"
#include "src/journal/SentMailJournal.h"
#include "tests/support/AddinHarness.h"

namespace {

using namespace pwk;
// Processor time of this thread: the machine the benchmarks run on is shared.
using Clock = bench_clock::ThreadCpuClock;

struct FolderIds {
    std::string EntryID;
    std::string StoreID;
};
struct Folderset {
    FolderIds Contacts, Journal, Emails;
};

// A running add-in with `foldersets` tracked folder triples stored in its settings, filing in
// the send itself with journaling on, and one contact per recipient, recipient i in folderset
// i mod `foldersets`.
class SendBench {
  public:
    SendBench(int recipients, int foldersets) {
        harness.StoreSavedSettings(ComponentVersion);
        auto& store = *harness.store;
        store.SaveSetting(ProductTitle, "Tracking", "UseSentMailFolder", "False");
        store.SaveSetting(ProductTitle, "Tracking", "JournalEmails", "True");
        const std::string section = "Tracked Foldersets";
        store.SaveSetting(ProductTitle, section, "Count", std::to_string(foldersets));
        for (int i = 1; i <= foldersets; ++i) {
            const std::string name = "Set " + std::to_string(i);
            harness.host.AddFolder("Public", name, host::ItemType::Mail);
            Folderset set;
            const std::tuple<const char*, host::ItemType, FolderIds*> parts[] = {
                {"Contacts", host::ItemType::Contact, &set.Contacts},
                {"Journals", host::ItemType::Journal, &set.Journal},
                {"Emails", host::ItemType::Mail, &set.Emails}};
            for (const auto& [part, type, ids] : parts) {
                auto folder = harness.host.AddFolder("Public/" + name, part, type);
                *ids = {folder->EntryID(), folder->StoreID()};
                const std::string key = std::to_string(i);
                store.SaveSetting(ProductTitle, section + "\\" + part + "\\EntryID", key,
                                  ids->EntryID);
                store.SaveSetting(ProductTitle, section + "\\" + part + "\\StoreID", key,
                                  ids->StoreID);
            }
            sets.push_back(set);
        }
        for (int r = 0; r < recipients; ++r) {
            const std::string address = "contact" + std::to_string(r) + "@example.com";
            harness.host.PutItem(
                "Public/Set " + std::to_string(r % foldersets + 1) + "/Contacts",
                host::ItemType::Contact,
                {{"FullName", "Contact " + std::to_string(r)}, {"Email1Address", address}});
            addresses.push_back(address);
        }
        harness.host.OpenExplorer("Mailbox/Inbox");
        harness.Start();
        app = harness.App();
        nameSpace = harness.host.Application()->GetNamespace("MAPI");
    }

    Ref<host::MailItem> NewMail() {
        auto mail = harness.host.Application()->CreateItem(host::ItemType::Mail);
        mail->SetSubject("Price list");
        for (const auto& address : addresses) {
            harness.host.AddRecipient(mail, address);
        }
        return As<host::MailItem>(mail);
    }

    void AddinSend(const Ref<host::MailItem>& mail) {
        bool cancel = false;
        const auto settings = app->theRegSettings();
        PWKGlobal::ItemSendHandler(harness.component, app->TrackedFolders(),
                                   app->dbgGetMapiNamespace(), settings,
                                   settings->TrackedFoldersets(), mail, cancel);
    }

    // The restriction Items.Find takes for one e-mail field.
    static std::string Filter(const char* field, const std::string& address) {
        std::string filter;
        filter.reserve(std::char_traits<char>::length(field) + address.size() + 8);
        filter.append("[").append(field).append("] = \"").append(address).append("\"");
        return filter;
    }

    // The same host calls in the same order, and nothing else.
    void FloorSend(const Ref<host::MailItem>& mail) {
        const auto folder = [&](const FolderIds& ids) {
            return nameSpace->GetFolderFromID(ids.EntryID, ids.StoreID);
        };
        struct Group {
            std::size_t set;
            std::vector<Ref<host::ContactItem>> contacts;
        };
        std::vector<Group> groups;
        mail->GetLinks()->Count();
        const std::int32_t count = mail->GetRecipients()->Count();
        for (std::int32_t r = 1; r <= count; ++r) {
            const std::string address = mail->GetRecipients()->Item(r)->Address();
            // The three restrictions are the same for every folderset: made once.
            const std::string filters[] = {Filter("Email1Address", address),
                                           Filter("Email2Address", address),
                                           Filter("Email3Address", address)};
            Ref<host::Item> found;
            std::size_t index = 0;
            for (std::size_t s = 0; s < sets.size(); ++s) {
                const auto contacts = folder(sets[s].Contacts);
                Ref<host::Item> item;
                for (const std::string& filter : filters) {
                    if (!item) {
                        item = contacts->GetItems()->Find(filter);
                    }
                }
                if (item) {
                    found = item;
                    index = s;
                }
            }
            if (!found) {
                continue;
            }
            const auto contact = As<host::ContactItem>(found);
            bool grouped = false;
            for (auto& group : groups) {
                if (folder(sets[group.set].Emails)->EntryID() ==
                    folder(sets[index].Emails)->EntryID()) {
                    group.contacts.push_back(contact);
                    grouped = true;
                }
            }
            if (!grouped) {
                groups.push_back({index, {contact}});
            }
            mail->GetLinks()->Add(contact);
        }
        for (const auto& group : groups) {
            const Folderset& set = sets[group.set];
            const auto copy = mail->Copy();
            copy->Move(folder(set.Emails));
            folder(set.Journal)->Name();
            const auto entry = As<host::JournalItem>(folder(set.Journal)->GetItems()->Add());
            entry->SetType("E-mail Message");
            entry->SetSubject(mail->Subject());
            entry->Save();
            for (const auto& contact : group.contacts) {
                contact->FullName();
                entry->GetLinks()->Add(contact);
            }
            entry->Save();
            entry->GetAttachments()->Add(copy, host::AttachmentType::ByValue, 0, "Sent MailItem");
            entry->Save();
        }
    }

    test::AddinHarness harness;
    std::vector<Folderset> sets;
    std::vector<std::string> addresses;
    std::shared_ptr<PWKAddinApp> app;
    Ref<host::NameSpace> nameSpace;
};

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Recipients x foldersets.
void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Args({1, 1})
        ->Args({10, 5})
        ->Args({50, 20})
        ->Args({200, 50})
        ->ArgNames({"recipients", "foldersets"})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

// One send on a mail made for it just before; the mail is dropped again after the clock stops.
double TimedSend(SendBench& bench, void (SendBench::*send)(const Ref<host::MailItem>&)) {
    const auto mail = bench.NewMail();
    const auto start = Clock::now();
    (bench.*send)(mail);
    return Seconds(Clock::now() - start);
}

double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Times the add-in's handler; the floor runs on its own fresh mail in the same iteration. Each
// send follows the same work (the other side's send, then a new mail). The ratio compares the
// median sends: now and then the host's own bookkeeping (its audit of live objects grows and is
// pruned in steps) or the heap lands a long pause on one send, whichever side it happens to be.
void BM_Send(benchmark::State& state) {
    SendBench bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<double> addin;
    std::vector<double> floor;
    for (auto _ : state) {
        addin.push_back(TimedSend(bench, &SendBench::AddinSend));
        floor.push_back(TimedSend(bench, &SendBench::FloorSend));
        state.SetIterationTime(addin.back());
    }
    const double addinMedian = Median(addin);
    const double floorMedian = Median(floor);
    state.counters["addin_ms"] = addinMedian * 1000;
    state.counters["floor_ms"] = floorMedian * 1000;
    bench_goal::Report(state, "add-in <= 1.10x the floor",
                       floorMedian > 0 ? addinMedian / floorMedian : 0, 1.10);
    state.counters["per_pair_us"] =
        addinMedian * 1e6 / static_cast<double>(state.range(0) * state.range(1));
}
BENCHMARK(BM_Send)->Apply(Sizes);

// The floor on its own.
void BM_SendFloor(benchmark::State& state) {
    SendBench bench(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.SetIterationTime(TimedSend(bench, &SendBench::FloorSend));
    }
}
BENCHMARK(BM_SendFloor)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
