#include "sim/SimApplication.h"
#include "src/util/Ref.h"

#include "sim/SimFolder.h"
#include "sim/SimItemFactory.h"
#include "sim/SimItemState.h"
#include "sim/SimNameSpace.h"
#include "sim/SimPropertyPages.h"
#include "src/host/Item.h"

namespace pwk::sim {
namespace {

int DefaultFolderOf(host::ItemType type) {
    switch (type) {
        case host::ItemType::Mail:
            return host::DefaultFolder::Drafts;
        case host::ItemType::Appointment:
            return host::DefaultFolder::Calendar;
        case host::ItemType::Task:
            return host::DefaultFolder::Tasks;
        case host::ItemType::Journal:
            return host::DefaultFolder::Journal;
        case host::ItemType::Note:
            return host::DefaultFolder::Notes;
        default:
            return host::DefaultFolder::Contacts;
    }
}

}  // namespace

SimApplication::SimApplication(std::shared_ptr<SimCore> core, HostInfo info)
    : SimBase<host::Application>(core),
      info_(std::move(info)),
      explorers_(MakeSim<SimExplorers>(core, "Explorers.NewExplorer")),
      inspectors_(MakeSim<SimInspectors>(core, "Inspectors.NewInspector")),
      namespace_(MakeSim<SimNameSpace>(core)) {}

SimApplication::~SimApplication() = default;

std::string SimApplication::Name() {
    Enter("Name");
    return info_.Name;
}

std::string SimApplication::Version() {
    Enter("Version");
    return info_.Version;
}

std::string SimApplication::ProductCode() {
    Enter("ProductCode");
    return info_.ProductCode;
}

Ref<host::Explorers> SimApplication::GetExplorers() {
    if (EnterGetter("Explorers")) {
        return nullptr;
    }
    return explorers_.get();
}

Ref<host::Inspectors> SimApplication::GetInspectors() {
    if (EnterGetter("Inspectors")) {
        return nullptr;
    }
    return inspectors_.get();
}

Ref<host::NameSpace> SimApplication::GetNamespace(const std::string& type) {
    if (EnterGetter("GetNamespace")) {
        return nullptr;
    }
    if (type != "MAPI") {
        Raise(FailureNumber::InvalidProcedureCall, "Application.GetNamespace");
    }
    return namespace_.get();
}

Ref<host::Item> SimApplication::CreateItem(host::ItemType type) {
    if (EnterGetter("CreateItem")) {
        return nullptr;
    }
    return NewItem(type)->AsItem();
}

Connection SimApplication::Advise(host::ApplicationEvents& sink) {
    Enter("Advise");
    return AuditedAdvise(events_, sink);
}

std::shared_ptr<SimItemState> SimApplication::NewItem(host::ItemType type) {
    auto item = SimItemFactory::New(CorePtr(), type);
    item->SetFolder(namespace_->DefaultFolder(DefaultFolderOf(type)));
    return item;
}

void SimApplication::RaiseItemSend(const std::shared_ptr<SimItemState>& item, bool& cancel) {
    auto sent = item->AsItem();
    Core().Raise(events_, "Application.ItemSend",
                 [&](host::ApplicationEvents& sink) { sink.ItemSend(sent, cancel); });
}

void SimApplication::RaiseOptionsPagesAdd(const std::shared_ptr<SimPropertyPages>& pages) {
    Ref<host::PropertyPages> given = pages;
    Core().Raise(events_, "Application.OptionsPagesAdd",
                 [&](host::ApplicationEvents& sink) { sink.OptionsPagesAdd(given); });
}

}  // namespace pwk::sim
