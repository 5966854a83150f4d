#include "win/published/SettingsObject.h"

#include <cstdint>
#include <type_traits>

#include "src/tracking/SettingsLayout.h"
#include "win/published/FoldersetsObject.h"
#include "win/published/PublishedArgs.h"

namespace pwk::win {
namespace {

using Settings = std::shared_ptr<RegSettings>;

// Passes the settings' Updated on to the object's connection point while the object lives.
class UpdatedForwarder final : public RegSettingsEvents {
  public:
    UpdatedForwarder(RegSettings& settings, ServerObject& object)
        : object_(object), connection_(settings.Advise(*this)) {}
    void Updated() override {
        // A client's sink that fails is its own business: the settings have their new values.
        object_.Fire(SettingsObject::IID_RegSettingsEvents, SettingsObject::DispIdUpdated, {});
    }

  private:
    ServerObject& object_;  // owns this forwarder (through its members)
    Connection connection_;
};

// A property of the layout, under its name there, read and assigned as its type.
void AddProperty(ServerObject& object, const SettingsLayout::Entry& entry,
                 const Settings& settings) {
    SettingsLayout::WithMember(entry, [&](auto member) {
        object.Member(entry.PropertyName(), [settings, member](DispatchCall& call) {
            auto& property = (*settings).*member;
            using T = std::remove_reference_t<decltype(property)>;
            if (!call.IsPut()) {
                call.Return(property);
            } else if constexpr (std::is_same_v<T, bool>) {
                property = call.Arg(0).ToBool();
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                property = ShortArg(call, 0);
            } else {
                property = NumberArg(call, 0);
            }
        });
    });
}

void Build(ServerObject& object, const Settings& settings) {
    object.Source(SettingsObject::Source).Events(SettingsObject::IID_RegSettingsEvents);
    const auto forwarder = std::make_shared<UpdatedForwarder>(*settings, object);
    // The properties in the layout's order; a value kept for start-up has none.
    for (const SettingsLayout::Entry& entry : SettingsLayout::Entries()) {
        if (entry.role == SettingsLayout::Role::Foldersets) {
            // Read as the collection's object; assigned (put or putref) a collection object,
            // or nothing.
            object.Member(entry.PropertyName(), [settings](DispatchCall& call) {
                if (call.IsPut()) {
                    settings->SetTrackedFoldersets(OwnArg<TrackedFoldersets>(call, 0));
                } else {
                    call.Return(Variant(FoldersetsObject::Of(settings->TrackedFoldersets()).Get()));
                }
            });
        } else if (entry.PropertyName() != nullptr) {
            AddProperty(object, entry, settings);
        }
    }
    // The two operations that raise Updated hold the forwarder, so it goes with the members.
    object.Member("ReadReg", [settings, forwarder](DispatchCall& call) {
        settings->ReadReg(ApplicationArg(call, 0));
    });
    object.Member("SaveReg",
                  [settings](DispatchCall& call) { settings->SaveReg(ApplicationArg(call, 0)); });
    object.Member("UpdateFrom", [settings, forwarder](DispatchCall& call) {
        settings->UpdateFrom(OwnArg<RegSettings>(call, 0), ApplicationArg(call, 1));
    });
    object.Member("JustUpgraded",
                  [settings](DispatchCall& call) { call.Return(settings->JustUpgraded()); });
}

}  // namespace

ComPtr<IDispatch> SettingsObject::Of(const std::shared_ptr<RegSettings>& settings) {
    return OwnObjects::Instance().Publish(
        settings, [&settings](ServerObject& object) { Build(object, settings); });
}

}  // namespace pwk::win
