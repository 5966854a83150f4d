#include "src/hooks/HookedButtonSet.h"

#include <limits>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/hooks/ActionTypes.h"
#include "src/hooks/HookedButton.h"
#include "src/host/CommandBar.h"
#include "src/host/CommandBarControls.h"
#include "src/host/CommandBarPopup.h"
#include "src/host/CommandBars.h"
#include "src/host/Explorer.h"
#include "src/host/HostTypes.h"
#include "src/host/Inspector.h"

namespace pwk {

namespace {
constexpr const char* kButtonSetModule = "HookedButtonSet";

// The host's command that starts a mail to the selected or shown contact; the e-mail buttons
// run it instead of their own action when the bar has it.
constexpr int kNewMessageToContact = 1978;

struct ButtonSpec {
    std::int32_t Action;
    const char* Caption;
    const char* Tag;
};

// The toolbar buttons in the order they stand; an inspector gets the first five.
constexpr ButtonSpec kToolbarButtons[] = {
    {ACTION_PhoneCall, "Phone Call", "ACTION_PhoneCall"},
    {ACTION_Email, "Email", "ACTION_Email"},
    {ACTION_LinkFile, "File Link", "ACTION_LinkFile"},
    {ACTION_JournalEntry, "Note", "ACTION_JournalEntry"},
    {ACTION_Appointment, "Appointment", "ACTION_Appointment"},
    {ACTION_LogIncoming, "Log", "ACTION_LogIncoming"},
};
constexpr std::size_t kInspectorToolbarButtons = 5;

// The "Actions" menu items in the order they are added: each goes to the top, so the menu
// reads them the other way round.
constexpr ButtonSpec kMenuItems[] = {
    {ACTION_Appointment, "New Appointment for Contact", "ACTION_Appointment"},
    {ACTION_JournalEntry, "New Note for Contact", "ACTION_JournalEntry"},
    {ACTION_LinkFile, "Link a File to Contact", "ACTION_LinkFile"},
    {ACTION_Email, "New Email to Contact", "ACTION_Email"},
    {ACTION_PhoneCall, "New Phone Call to Contact", "ACTION_PhoneCall"},
};

// One statement run with failures ignored.
template <class Statement>
void Try(Statement&& statement) {
    (void)Procedure::Ignoring(statement);
}

// The set's mode as the buttons take it: a 16-bit value.
std::int16_t ButtonModeOf(std::int32_t mode) {
    if (mode < std::numeric_limits<std::int16_t>::min() ||
        mode > std::numeric_limits<std::int16_t>::max()) {
        Raise(FailureNumber::Overflow);
    }
    return static_cast<std::int16_t>(mode);
}
}  // namespace

HookedButtonSet::HookedButtonSet(Component& component) : component_(component) {
    if (component_.NextSetSerial == std::numeric_limits<std::int32_t>::max()) {
        Raise(FailureNumber::Overflow);
    }
    setSerial_ = component_.NextSetSerial++;
}

void HookedButtonSet::HookWindow(const Ref<host::HostObject>& windowToHook,
                                 const std::shared_ptr<HookOwner>& addinApp,
                                 const std::string& addinProgID) {
    Procedure proc(component_, kButtonSetModule, "HookWindow", Boundary::Internal);
    proc.Run([&] {
        const bool explorer = IsA<host::Explorer>(windowToHook);
        proc.Step([&] {
            if (!explorer && !IsA<host::Inspector>(windowToHook)) {
                Raise(FailureNumber::InvalidProcedureCall);
            }
        });
        proc.Step([&] {
            Buttons.clear();
            window_ = windowToHook;
            addinApp_ = addinApp;
            enabled_ = true;
            visible_ = true;
            progId_ = addinProgID;
        });
        proc.Step([&] { explorer ? HookExplorer() : HookInspector(); });
    });
}

void HookedButtonSet::HookExplorer() {
    Procedure proc(component_, kButtonSetModule, "HookExplorer", Boundary::Internal);
    proc.Run([&] {
        ownerIsExplorer_ = true;
        visible_ = true;
        Ref<host::CommandBar> bar;
        Try([&] { bar = As<host::Explorer>(window_)->GetCommandBars()->Item("Standard"); });
        if (!bar) {
            proc.Step([&] { RetryHook = true; });
            return;
        }
        for (const ButtonSpec& spec : kToolbarButtons) {
            proc.Step([&] {
                AddToolbarButton(
                    bar, spec.Action, spec.Caption, spec.Tag,
                    spec.Action == ACTION_PhoneCall ? std::optional<bool>(true) : std::nullopt);
            });
        }
    });
}

void HookedButtonSet::HookInspector() {
    Procedure proc(component_, kButtonSetModule, "HookInspector", Boundary::Internal);
    proc.Run([&] {
        ownerIsExplorer_ = false;
        const auto inspector = As<host::Inspector>(window_);
        Ref<host::CommandBarPopup> popup;
        Try([&] {
            const Ref<host::CommandBar> menuBar = inspector->GetCommandBars()->Item("Menu Bar");
            const Ref<host::CommandBarControls> menus = menuBar->Controls();
            popup = As<host::CommandBarPopup>(menus->Item(std::string("Actions")));
        });
        if (popup) {
            for (const ButtonSpec& spec : kMenuItems) {
                proc.Step([&] {
                    AddMenuItem(popup, spec.Action, spec.Caption, spec.Tag,
                                spec.Action == ACTION_Appointment ? std::optional<bool>(true)
                                                                  : std::nullopt);
                });
            }
            proc.Step([&] {
                const Ref<host::CommandBarControls> items = popup->Controls();
                const Ref<host::CommandBarControl> fifth = items->Item(5);
                fifth->SetBeginGroup(true);
            });
        }
        Ref<host::CommandBar> bar;
        Try([&] { bar = inspector->GetCommandBars()->Item("Standard"); });
        if (bar) {
            for (std::size_t i = 0; i < kInspectorToolbarButtons; ++i) {
                const ButtonSpec& spec = kToolbarButtons[i];
                proc.Step([&] { AddToolbarButton(bar, spec.Action, spec.Caption, spec.Tag); });
            }
        }
    });
}

// A temporary button at the end of the controls, its parameter the full tag.
Ref<host::CommandBarControl> HookedButtonSet::AddButton(
    const Ref<host::CommandBarControls>& controls, const std::string& fullTag) {
    return controls->Add(host::ControlType::Button, std::nullopt, fullTag, std::nullopt, true);
}

// Caption (unless empty), tag, group start (when given) and action of a new button, each with
// failures ignored.
void HookedButtonSet::Label(const Ref<host::CommandBarControl>& button, const std::string& caption,
                            const std::string& fullTag, std::optional<bool> beginGroup) const {
    if (!caption.empty()) {
        Try([&] { button->SetCaption(caption); });
    }
    Try([&] { button->SetTag(fullTag); });
    if (beginGroup) {
        Try([&] { button->SetBeginGroup(*beginGroup); });
    }
    Try([&] { button->SetOnAction(OnAction()); });
}

void HookedButtonSet::AddMenuItem(const Ref<host::CommandBarPopup>& popup, std::int32_t action,
                                  const std::string& caption, const std::string& tagText,
                                  std::optional<bool> beginGroup) {
    const std::string fullTag = tagText + std::to_string(setSerial_);
    Ref<host::CommandBarControl> button;
    Try([&] { button = AddButton(popup->Controls(), fullTag); });
    Label(button, caption, fullTag, beginGroup);
    Try([&] { button->Move(nullptr, 1); });
    auto wrapper = std::make_shared<HookedButton>(component_);
    Try([&] { wrapper->Initialize(addinApp_, action, button, window_); });
    Buttons.push_back(wrapper);
}

void HookedButtonSet::AddToolbarButton(const Ref<host::CommandBar>& bar, std::int32_t action,
                                       const std::string& caption, const std::string& tagText,
                                       std::optional<bool> beginGroup) {
    Ref<host::CommandBarControl> button;
    Try([&] { button = bar->FindControl(host::FindControlQuery::ByTag(tagText)); });
    if (!button) {
        const std::string fullTag = tagText + std::to_string(setSerial_);
        Try([&] { button = AddButton(bar->Controls(), fullTag); });
        Try([&] {
            if (!button) {
                throw Failure(FailureNumber::InvalidProcedureCall, "Couldn't add button");
            }
        });
        Label(button, caption, fullTag, beginGroup);
        // An inspector's buttons follow the bar's own controls; an explorer's line up before
        // the control that was last.
        Try([&] {
            const std::int32_t count = Ref<host::CommandBarControls>(bar->Controls())->Count();
            button->Move(nullptr, ownerIsExplorer_ ? count - 1 : count);
        });
    } else {
        // A button left from an earlier run: adopted, and no longer found by the bare tag.
        Try([&] { button->SetTag(button->Tag() + std::to_string(setSerial_)); });
    }
    auto wrapper = std::make_shared<HookedButton>(component_);
    Try([&] {
        if (action == ACTION_Email) {
            wrapper->Initialize(
                addinApp_, action, button, window_,
                bar->FindControl(host::FindControlQuery::ById(kNewMessageToContact, true)));
        } else {
            wrapper->Initialize(addinApp_, action, button, window_);
        }
    });
    Buttons.push_back(wrapper);
}

void HookedButtonSet::SetEnabled(bool isEnabled) {
    Procedure proc(component_, kButtonSetModule, "Enabled [Let]", Boundary::Internal);
    proc.Run([&] {
        enabled_ = isEnabled;
        for (const auto& wrapper : Buttons) {
            proc.Step([&] { wrapper->CommandBarButton()->SetEnabled(isEnabled); });
        }
    });
}

void HookedButtonSet::SetVisible(bool isVisible) {
    Procedure proc(component_, kButtonSetModule, "Visible [Let]", Boundary::Internal);
    proc.Run([&] {
        visible_ = isVisible;
        for (const auto& wrapper : Buttons) {
            proc.Step([&] {
                const bool available = wrapper->AvailInMode(ButtonModeOf(mode_));
                wrapper->CommandBarButton()->SetVisible(available && isVisible);
            });
        }
    });
}

void HookedButtonSet::SetMode(std::int32_t theMode) {
    Procedure proc(component_, kButtonSetModule, "Mode [Let]", Boundary::Internal);
    proc.RunUntraced([&] {
        mode_ = theMode;
        for (const auto& wrapper : Buttons) {
            proc.Step([&] {
                if (!wrapper->AvailInMode(ButtonModeOf(theMode))) {
                    wrapper->CommandBarButton()->SetVisible(false);
                }
            });
        }
    });
}

void HookedButtonSet::ToPerson(const std::string& contactFullName) {
    Procedure proc(component_, kButtonSetModule, "ToPerson", Boundary::Internal);
    proc.Run([&] {
        for (const auto& wrapper : Buttons) {
            const Ref<host::CommandBarButton> button = wrapper->CommandBarButton();
            proc.Step([&] { button->SetTooltipText(button->Caption()); });
            if (!contactFullName.empty()) {
                proc.Step([&] {
                    button->SetTooltipText(button->TooltipText() + " to " + contactFullName);
                });
            }
        }
    });
}

Ref<host::Explorer> HookedButtonSet::OwnerExplorer() const {
    return ownerIsExplorer_ ? As<host::Explorer>(window_) : nullptr;
}

Ref<host::Inspector> HookedButtonSet::OwnerInspector() const {
    return ownerIsExplorer_ ? nullptr : As<host::Inspector>(window_);
}

void HookedButtonSet::Kill() {
    Procedure proc(component_, kButtonSetModule, "Kill", Boundary::Internal);
    proc.Run([&] {
        for (auto wrapper = Buttons.rbegin(); wrapper != Buttons.rend(); ++wrapper) {
            Try([&] { (*wrapper)->Kill(); });
        }
        proc.Step([&] {
            Buttons.clear();
            window_.reset();
            addinApp_.reset();
        });
    });
}

}  // namespace pwk
