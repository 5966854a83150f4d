// RegSettings's merge of what another program saved, apart from its load and save.
#include <optional>
#include <string>
#include <type_traits>

#include "src/component/Component.h"
#include "src/errors/Procedure.h"
#include "src/host/Application.h"
#include "src/host/NameSpace.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/Version.h"
#include "src/tracking/RegSettings.h"
#include "src/tracking/SettingsLayout.h"
#include "src/tracking/SettingsMerge.h"
#include "src/tracking/TextConversion.h"

namespace pwk {

namespace {

using Role = SettingsLayout::Role;

void LogConflict(Component& component, const SettingsLayout::Entry& entry,
                 const std::string& stored, const std::string& kept) {
    component.Errors().LogText(std::string("WARNING: ") + entry.Section + "\\" + entry.Key +
                               " was changed by another program to \"" + stored +
                               "\" since the add-in read it; the add-in's change to \"" + kept +
                               "\" is saved over it");
}

}  // namespace

void RegSettings::MergeStored(std::int64_t changes, const Ref<host::Application>& olApp) {
    MergeIn(ReadStored(changes), olApp);
}

SettingsBaseline RegSettings::ReadStored(std::int64_t changes) const {
    SettingsStore& store = Store();
    const auto entries = SettingsLayout::Entries();
    const SettingsBaseline base = baseline_.value_or(SettingsBaseline{});
    SettingsBaseline stored{changes, std::vector<std::optional<std::string>>(entries.size()), {}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsLayout::Entry& entry = entries[i];
        // A value this object never read is left as stored by its save anyway.
        if (Unread(i)) {
            continue;
        }
        if (entry.role == Role::Foldersets) {
            stored.Foldersets = SettingsBaseline::Share(
                FoldersetLayout::ReadAll(store, ProductTitle, entry.Section));
            continue;
        }
        if (entry.role != Role::Option) {
            continue;
        }
        SettingsLayout::WithMember(entry, [&](auto member) {
            using Value = std::remove_cvref_t<decltype(this->*member)>;
            const std::optional<std::string> was =
                i < base.Options.size() ? base.Options[i] : std::nullopt;
            // A value missing from the store is its default; one without a default, as before.
            const std::string fallback =
                entry.Default ? entry.Default : was.value_or(ToText(this->*member));
            // Unreadable now: none.
            Procedure::Ignoring([&] {
                stored.Options[i] = ToText(FromText<Value>(
                    store.GetSetting(ProductTitle, entry.Section, entry.Key, fallback)));
            });
        });
    }
    return stored;
}

void RegSettings::MergeIn(SettingsBaseline stored, const Ref<host::Application>& olApp) {
    const auto entries = SettingsLayout::Entries();
    const SettingsBaseline base = baseline_.value_or(SettingsBaseline{});
    stored.Options.resize(entries.size());
    unread_.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsLayout::Entry& entry = entries[i];
        if (Unread(i)) {
            continue;
        }
        if (entry.role == Role::Foldersets) {
            // A list not read whole is held against what its load found stored.
            MergeFoldersets(partlyRead_ ? partlyRead_->Found : base.StoredFoldersets(),
                            stored.StoredFoldersets(), olApp);
            continue;
        }
        if (entry.role != Role::Option) {
            continue;
        }
        SettingsLayout::WithMember(entry, [&](auto member) {
            auto& property = this->*member;
            const std::string mine = ToText(property);
            const std::optional<std::string> was =
                i < base.Options.size() ? base.Options[i] : std::nullopt;
            const std::optional<std::string>& theirs = stored.Options[i];
            if (!was || mine != *was) {
                if (was && theirs && *theirs != *was && *theirs != mine) {
                    LogConflict(component_, entry, *theirs, mine);
                }
                return;
            }
            if (theirs) {
                property = FromText<std::remove_reference_t<decltype(property)>>(*theirs);
            } else {
                // Unreadable now: the save leaves it as the other program stored it.
                unread_[i] = mine;
            }
        });
    }
    baseline_ = std::move(stored);
}

void RegSettings::MergeFoldersets(const std::vector<FoldersetLayout::Ids>& base,
                                  const std::vector<FoldersetLayout::Ids>& stored,
                                  const Ref<host::Application>& olApp) {
    const auto mine = FoldersetIds();
    const auto merged = SettingsMerge::Foldersets(base, mine, stored);
    if (merged != mine) {
        pwk::TrackedFoldersets& foldersets = Deref(trackedFoldersets_);
        foldersets.Rebuild(merged, Deref(olApp).GetNamespace("MAPI"));
        AddUnkept(foldersets.TakeUnkept());
    }
    partlyRead_.reset();
}

}  // namespace pwk
