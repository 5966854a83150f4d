#include "win/published/SettingsObject.h"

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

template <class T>
void AddProperty(ServerObject& object, const char* name, const Settings& settings,
                 T (RegSettings::*get)() const, void (RegSettings::*set)(T)) {
    object.Member(name, [settings, get, set](DispatchCall& call) {
        if (!call.IsPut()) {
            call.Return(((*settings).*get)());
        } else if constexpr (std::is_same_v<T, bool>) {
            ((*settings).*set)(call.Arg(0).ToBool());
        } else if constexpr (std::is_same_v<T, std::int16_t>) {
            ((*settings).*set)(ShortArg(call, 0));
        } else {
            ((*settings).*set)(NumberArg(call, 0));
        }
    });
}

void Build(ServerObject& object, const Settings& settings) {
    using S = RegSettings;
    object.Source(SettingsObject::Source).Events(SettingsObject::IID_RegSettingsEvents);
    const auto forwarder = std::make_shared<UpdatedForwarder>(*settings, object);
    AddProperty(object, "LogLevel", settings, &S::LogLevel, &S::SetLogLevel);
    // Read as the collection's object; assigned (put or putref) a collection object, or nothing.
    object.Member("TrackedFoldersets", [settings](DispatchCall& call) {
        if (call.IsPut()) {
            settings->SetTrackedFoldersets(OwnArg<TrackedFoldersets>(call, 0));
        } else {
            call.Return(Variant(FoldersetsObject::Of(settings->TrackedFoldersets()).Get()));
        }
    });
    AddProperty(object, "TrackUnlinkedEmail", settings, &S::TrackUnlinkedEmail,
                &S::SetTrackUnlinkedEmail);
    AddProperty(object, "JournalEmails", settings, &S::JournalEmails, &S::SetJournalEmails);
    AddProperty(object, "SaveLinksByRef", settings, &S::SaveLinksByRef, &S::SetSaveLinksByRef);
    AddProperty(object, "FirstRun", settings, &S::FirstRun, &S::SetFirstRun);
    AddProperty(object, "PrevRunVersionMajor", settings, &S::PrevRunVersionMajor,
                &S::SetPrevRunVersionMajor);
    AddProperty(object, "PrevRunVersionMinor", settings, &S::PrevRunVersionMinor,
                &S::SetPrevRunVersionMinor);
    AddProperty(object, "PrevRunVersionRevision", settings, &S::PrevRunVersionRevision,
                &S::SetPrevRunVersionRevision);
    AddProperty(object, "TrackAppointments", settings, &S::TrackAppointments,
                &S::SetTrackAppointments);
    AddProperty(object, "UseSentMailFolder", settings, &S::UseSentMailFolder,
                &S::SetUseSentMailFolder);
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
