#include "winharness/testhost/TestCommandBars.h"

#include <optional>

#include "src/host/HostTypes.h"
#include "src/util/Failure.h"
#include "win/dispatch/EventIds.h"

namespace pwk::testhost {
namespace {

using win::ComPtr;
using win::Variant;
using ControlRow = std::vector<ComPtr<win::DispatchObject>>;

// The id of every control an add-in makes itself.
constexpr std::int32_t kCustomId = 1;

Variant AsVariant(win::DispatchObject* object) {
    return Variant(static_cast<IDispatch*>(object));
}

[[noreturn]] void InvalidCall() {
    win::DispatchCall::Fail(FailureNumber::InvalidProcedureCall,
                            "Invalid procedure call or argument");
}

// Where `control` stands in `list`; the list's size when it is not there (deleted).
std::size_t PositionOf(const ControlRow& list, const win::DispatchObject* control) {
    std::size_t at = 0;
    while (at < list.size() && list[at].Get() != control) {
        ++at;
    }
    return at;
}

// The argument `index` as a position "before" numbered from 1, made 0-based; nothing when it
// was left out. A position that names no control of the list is refused.
std::optional<std::size_t> Before(const win::DispatchCall& call, std::size_t index,
                                  std::size_t count) {
    const Variant before = call.Arg(index);
    if (before.IsMissing()) {
        return std::nullopt;
    }
    const std::int32_t position = before.ToInt32();
    if (position < 1 || static_cast<std::size_t>(position) > count) {
        InvalidCall();
    }
    return static_cast<std::size_t>(position - 1);
}

// FindControl's criteria (Type, Id, Tag, Visible): a criterion left out matches every control.
bool Matches(const win::DispatchObject& control, const win::DispatchCall& call) {
    const Variant type = call.Arg(0);
    const Variant id = call.Arg(1);
    const Variant tag = call.Arg(2);
    const Variant visibleOnly = call.Arg(3);
    return (type.IsMissing() || control.ValueOf("Type").ToInt32() == type.ToInt32()) &&
           (id.IsMissing() || control.ValueOf("Id").ToInt32() == id.ToInt32()) &&
           (tag.IsMissing() || control.ValueOf("Tag").ToString() == tag.ToString()) &&
           (visibleOnly.IsMissing() || !visibleOnly.ToBool() ||
            control.ValueOf("Visible").ToBool());
}

}  // namespace

TestCommandBars::TestCommandBars(Maker make) : make_(std::move(make)) {
    bars_ = make_();
    // The explorer's own controls; 1978 starts a mail to the selected contact.
    auto menuBar = MakeBar(
        "Menu Bar", {Menu(30002, "&File", {Command(18, "&New")}),
                     Menu(30003, "&Edit", {Command(478, "&Delete")}),
                     Menu(30131, "Actions",
                          {Command(1992, "New Mail &Message"), Command(1990, "&Forward", true)}),
                     Menu(30007, "&Tools", {Command(522, "&Options...")})});
    auto standard = MakeBar(
        "Standard",
        {Menu(30037, "&New",
              {Command(1992, "Mail Message"), Command(1978, "Message to Contact"),
               Command(1106, "Appointment")}),
         Command(4, "Print"), Command(478, "Delete", true), Command(1990, "Forward"),
         Command(5598, "Find", true), Command(353, "Address Book"), Command(984, "Help", true)});
    bars_->Member("Item", [standard, menuBar](win::DispatchCall& call) {
        const std::string wanted = call.Arg(0).ToString();
        if (wanted != "Standard" && wanted != "Menu Bar") {
            InvalidCall();
        }
        call.Return(AsVariant(wanted == "Standard" ? standard.Get() : menuBar.Get()));
    });
}

TestCommandBars::Spec TestCommandBars::Command(std::int32_t id, const std::string& caption,
                                               bool beginGroup) {
    return Spec{host::ControlType::Button, id, caption, beginGroup, {}};
}

TestCommandBars::Spec TestCommandBars::Menu(std::int32_t id, const std::string& caption,
                                            std::vector<Spec> controls) {
    return Spec{host::ControlType::Popup, id, caption, false, std::move(controls)};
}

std::vector<ComPtr<win::DispatchObject>> TestCommandBars::Controls(const std::string& name) const {
    const auto found = lists_.find(name);
    return found == lists_.end() ? ControlRow() : *found->second;
}

ComPtr<win::DispatchObject> TestCommandBars::MakeBar(const std::string& name,
                                                     const std::vector<Spec>& controls) {
    auto bar = make_();
    auto list = std::make_shared<ControlRow>();
    lists_[name] = list;
    bar->Value("Name", name).Object("Controls", MakeControls(bar.Get(), list));
    bar->Member("FindControl", [this, list](win::DispatchCall& call) {
        const bool recursive = call.Arg(4).IsMissing() ? false : call.Arg(4).ToBool();
        call.Return(AsVariant(Find(*list, call, recursive)));
    });
    for (const Spec& spec : controls) {
        AddBuiltIn(spec, bar.Get(), list);
    }
    return bar;
}

win::DispatchObject* TestCommandBars::Find(const ControlRow& list, const win::DispatchCall& call,
                                           bool recursive) const {
    for (const auto& control : list) {
        if (Matches(*control.Get(), call)) {
            return control.Get();
        }
        const auto inner = children_.find(control.Get());
        if (recursive && inner != children_.end()) {
            if (win::DispatchObject* found = Find(*inner->second, call, true)) {
                return found;
            }
        }
    }
    return nullptr;
}

// A collection of controls numbered from 1; an item is found by its index or its caption.
ComPtr<win::DispatchObject> TestCommandBars::MakeControls(win::DispatchObject* bar,
                                                          const ControlList& list) {
    auto controls = make_();
    controls->Member("Count", [list](win::DispatchCall& call) {
        call.Return(static_cast<std::int32_t>(list->size()));
    });
    controls->Member("Item", [list](win::DispatchCall& call) {
        const Variant key = call.Arg(0);
        if (key.Get()->vt == VT_BSTR) {
            for (const auto& entry : *list) {
                if (entry->ValueOf("Caption").ToString() == key.ToString()) {
                    return call.Return(AsVariant(entry.Get()));
                }
            }
            InvalidCall();
        }
        const std::int32_t index = key.ToInt32();
        if (index < 1 || index > static_cast<std::int32_t>(list->size())) {
            win::DispatchCall::Fail(FailureNumber::SubscriptOutOfRange,
                                    "Array index out of bounds.");
        }
        call.Return(AsVariant((*list)[static_cast<std::size_t>(index - 1)].Get()));
    });
    // Add(Type, Id, Parameter, Before, Temporary)
    controls->Member("Add", [this, bar, list](win::DispatchCall& call) {
        const Variant type = call.Arg(0);
        const Variant id = call.Arg(1);
        const Variant parameter = call.Arg(2);
        const Variant temporary = call.Arg(4);
        const auto before = Before(call, 3, list->size());
        auto control = MakeControl(type.IsMissing() ? host::ControlType::Button : type.ToInt32(),
                                   id.IsMissing() ? kCustomId : id.ToInt32(), false, bar, list);
        if (!parameter.IsMissing()) {
            control->Assign("Parameter", parameter);
        }
        control->Assign("Temporary", !temporary.IsMissing() && temporary.ToBool());
        list->insert(before ? list->begin() + static_cast<std::ptrdiff_t>(*before) : list->end(),
                     control);
        call.Return(AsVariant(control.Get()));
    });
    return controls;
}

// Every control answers the same members in the same order, so that they are numbered alike.
ComPtr<win::DispatchObject> TestCommandBars::MakeControl(std::int32_t type, std::int32_t id,
                                                         bool builtIn, win::DispatchObject* bar,
                                                         const ControlList& siblings) {
    auto control = make_();
    win::DispatchObject* self = control.Get();
    const std::weak_ptr<ControlRow> weakSiblings = siblings;
    control->Value("Type", type)
        .Value("Id", id)
        .Value("Caption", "")
        .Value("TooltipText", "")
        .Value("Tag", "")
        .Value("OnAction", "")
        .Value("Parameter", "")
        .Value("BeginGroup", false)
        .Value("Enabled", true)
        .Value("Visible", true)
        .Value("Temporary", false)
        .Value("BuiltIn", builtIn);
    // Delete(Temporary): off its bar; a control already deleted is refused.
    control->Member("Delete", [self, weakSiblings](win::DispatchCall&) {
        const auto list = weakSiblings.lock();
        const std::size_t at = list ? PositionOf(*list, self) : 0;
        if (!list || at == list->size()) {
            InvalidCall();
        }
        list->erase(list->begin() + static_cast<std::ptrdiff_t>(at));
    });
    // Move(Bar, Before): before the control standing at Before now, or to the end. This host
    // has no use for moving a control to another bar.
    control->Member("Move", [self, bar, weakSiblings](win::DispatchCall& call) {
        const auto list = weakSiblings.lock();
        const IDispatch* target = call.Arg(0).IsMissing() ? nullptr : call.Arg(0).ToDispatch();
        const std::size_t from = list ? PositionOf(*list, self) : 0;
        if (!list || from == list->size() || (target != nullptr && target != bar)) {
            InvalidCall();
        }
        const auto before = Before(call, 1, list->size());
        const win::DispatchObject* anchor = before ? (*list)[*before].Get() : nullptr;
        if (anchor == self) {
            return;
        }
        const ComPtr<win::DispatchObject> moving = (*list)[from];
        list->erase(list->begin() + static_cast<std::ptrdiff_t>(from));
        list->insert(list->begin() + static_cast<std::ptrdiff_t>(PositionOf(*list, anchor)),
                     moving);
    });
    control->Member("Execute", [](win::DispatchCall&) {})
        .Member("Parent", [bar](win::DispatchCall& call) { call.Return(AsVariant(bar)); });
    if (type == host::ControlType::Popup) {
        auto inner = std::make_shared<ControlRow>();
        children_[self] = inner;
        control->Object("Controls", MakeControls(bar, inner));
    } else {
        control->Events(win::EventIds::CommandBarButton);
    }
    return control;
}

void TestCommandBars::AddBuiltIn(const Spec& spec, win::DispatchObject* bar,
                                 const ControlList& list) {
    auto control = MakeControl(spec.Type, spec.Id, true, bar, list);
    control->Assign("Caption", spec.Caption);
    control->Assign("TooltipText", spec.Caption);
    control->Assign("BeginGroup", spec.BeginGroup);
    list->push_back(control);
    for (const Spec& inner : spec.Controls) {
        AddBuiltIn(inner, bar, children_[control.Get()]);
    }
}

}  // namespace pwk::testhost
