#include "win/optionspage/PageMembers.h"

#include <string>

#include "src/app/OptionsPageComponent.h"
#include "src/options/PageTexts.h"
#include "src/tracking/RegSettings.h"
#include "win/optionspage/PageBinding.h"
#include "win/published/AppInfoObject.h"
#include "win/published/PublishedArgs.h"

namespace pwk::win {
namespace {

using Binding = std::shared_ptr<PageBinding>;

// The component's own live settings behind the object the add-in passed; nothing for any
// other object, which the page does not change.
std::shared_ptr<RegSettings> OwnSettings(const DispatchCall& call) {
    const ComPtr<IDispatch> settings = DispatchArg(call, 1);
    if (!OwnObjects::Instance().IsOurs<RegSettings>(settings.Get())) {
        return nullptr;
    }
    return OwnObjects::Instance().CoreOf<RegSettings>(settings.Get());
}

std::string VersionText(const Version& version) {
    return std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." +
           std::to_string(version.Revision);
}

// The row at the 1-based `position`; 9 (subscript out of range) beyond the rows.
const OptionsPageModel::Row& RowAt(const PageBinding& binding, std::int32_t position) {
    const OptionsPageModel* model = binding.Model();
    if (model == nullptr || position < 1 ||
        static_cast<std::size_t>(position) > model->Rows().size()) {
        Raise(FailureNumber::SubscriptOutOfRange);
    }
    return model->Rows()[static_cast<std::size_t>(position - 1)];
}

std::string PartOf(const OptionsPageModel::Row& row, std::int32_t part) {
    switch (part) {
        case 1:
            return row.Contacts;
        case 2:
            return row.Journal;
        case 3:
            return row.Emails;
        case 4:
            return row.AttachDir;
        default:
            Raise(FailureNumber::SubscriptOutOfRange);
    }
}

std::vector<OptionsPageModel::Switch> SwitchesOf(const PageBinding& binding) {
    return binding.Model() != nullptr ? binding.Model()->Switches()
                                      : std::vector<OptionsPageModel::Switch>{};
}

void AddInitialize(ServerObject& object, const Binding& binding) {
    object.Member("Initialize", [binding](DispatchCall& call) {
        // The error object (3) stays the add-in's: the page leaves it as it came.
        const ApplicationInfo info = AppInfoObject::Read(call.Arg(4));
        binding->Bind(ApplicationArg(call, 0), OwnSettings(call), TextArg(call, 2), info.Title,
                      VersionText(info.Version));
    });
}

// What the page shows.
void AddReads(ServerObject& object, const Binding& binding) {
    object
        .Member("Caption",
                [](DispatchCall& call) { call.Return(Variant(std::string(PageTexts::Caption))); })
        .Member("AppTitle", [binding](DispatchCall& call) { call.Return(binding->Title()); })
        .Member("AppVersion", [binding](DispatchCall& call) { call.Return(binding->Version()); })
        .Member("Loaded",
                [binding](DispatchCall& call) { call.Return(binding->Model() != nullptr); })
        .Member("FoldersetCount",
                [binding](DispatchCall& call) {
                    const OptionsPageModel* model = binding->Model();
                    call.Return(static_cast<std::int32_t>(model ? model->Rows().size() : 0));
                })
        .Member("FoldersetPath",
                [binding](DispatchCall& call) {
                    call.Return(PartOf(RowAt(*binding, NumberArg(call, 0)), NumberArg(call, 1)));
                })
        .Member("SwitchCount",
                [binding](DispatchCall& call) {
                    call.Return(static_cast<std::int32_t>(SwitchesOf(*binding).size()));
                })
        .Member("SwitchName",
                [binding](DispatchCall& call) {
                    const auto switches = SwitchesOf(*binding);
                    const std::int32_t index = NumberArg(call, 0);
                    if (index < 1 || static_cast<std::size_t>(index) > switches.size()) {
                        Raise(FailureNumber::SubscriptOutOfRange);
                    }
                    call.Return(switches[static_cast<std::size_t>(index - 1)].Name);
                })
        .Member("Switch", [binding](DispatchCall& call) {
            const std::string name = TextArg(call, 0);
            for (const auto& each : SwitchesOf(*binding)) {
                if (each.Name == name) {
                    call.Return(each.On);
                    return;
                }
            }
            Raise(FailureNumber::InvalidProcedureCall);
        });
}

// A change on the page: the logic's answer.
template <class Edit>
void AddEdit(ServerObject& object, const char* name, const Binding& binding, Edit edit) {
    object.Member(name, [binding, edit](DispatchCall& call) {
        call.Return(binding->Edit([&](OptionsPageModel& model) { return edit(model, call); }));
    });
}

void AddEdits(ServerObject& object, const Binding& binding) {
    AddEdit(object, "SetSwitch", binding, [](OptionsPageModel& model, const DispatchCall& call) {
        return model.SetSwitch(TextArg(call, 0), FlagArg(call, 1, true));
    });
    object.Member("LogLevel", [binding](DispatchCall& call) {
        call.Return(binding->Model() != nullptr ? binding->Model()->LogLevel() : 0);
    });
    AddEdit(object, "SetLogLevel", binding, [](OptionsPageModel& model, const DispatchCall& call) {
        return model.SetLogLevel(TextArg(call, 0));
    });
    object
        .Member("LogPath",
                [binding](DispatchCall& call) {
                    call.Return(binding->Model() ? binding->Model()->LogPath() : std::string());
                })
        .Member("LogFilename", [binding](DispatchCall& call) {
            call.Return(binding->Model() ? binding->Model()->LogFilename() : std::string());
        });
    AddEdit(object, "SetLogLocation", binding,
            [](OptionsPageModel& model, const DispatchCall& call) {
                return model.SetLogLocation(TextArg(call, 0), TextArg(call, 1));
            });
    AddEdit(object, "AddPicked", binding, [](OptionsPageModel& model, const DispatchCall& call) {
        return model.AddPicked(TextArg(call, 0));
    });
    AddEdit(object, "Remove", binding, [](OptionsPageModel& model, const DispatchCall& call) {
        const std::int32_t position = NumberArg(call, 0);
        return model.Remove(position > 0 ? static_cast<std::size_t>(position) : 0);
    });
    object.Member("Dirty", [binding](DispatchCall& call) {
        call.Return(binding->Model() != nullptr && binding->Model()->Dirty());
    });
    AddEdit(object, "Apply", binding,
            [](OptionsPageModel& model, const DispatchCall&) { return model.Apply(); });
    object.Member("Message", [binding](DispatchCall& call) { call.Return(binding->Message()); });
}

}  // namespace

ComPtr<ServerObject> MakePageMembers(const std::shared_ptr<PageBinding>& binding) {
    auto object = ServerObject::Make();
    object->Source(OptionsPageProgID);
    AddInitialize(*object.Get(), binding);
    AddReads(*object.Get(), binding);
    AddEdits(*object.Get(), binding);
    return object;
}

}  // namespace pwk::win
