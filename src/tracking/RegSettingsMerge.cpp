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
    SettingsStore& store = Store();
    const auto entries = SettingsLayout::Entries();
    const SettingsBaseline base = baseline_.value_or(SettingsBaseline{});
    SettingsBaseline stored{changes, std::vector<std::optional<std::string>>(entries.size()), {}};
    unread_.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsLayout::Entry& entry = entries[i];
        // A value this object never read is left as stored by its save anyway.
        if (Unread(i)) {
            continue;
        }
        if (entry.role == Role::Foldersets) {
            stored.Foldersets = FoldersetLayout::ReadAll(store, ProductTitle, entry.Section);
            const auto mine = FoldersetIds();
            const auto merged = SettingsMerge::Foldersets(base.Foldersets, mine, stored.Foldersets);
            if (merged != mine) {
                pwk::TrackedFoldersets& foldersets = Deref(trackedFoldersets_);
                foldersets.Rebuild(merged, Deref(olApp).GetNamespace("MAPI"));
                AddUnkept(foldersets.TakeUnkept());
            }
            continue;
        }
        if (entry.role != Role::Option) {
            continue;
        }
        SettingsLayout::WithMember(entry, [&](auto member) {
            auto& property = this->*member;
            using Value = std::remove_reference_t<decltype(property)>;
            const std::string mine = ToText(property);
            const std::optional<std::string> was =
                i < base.Options.size() ? base.Options[i] : std::nullopt;
            // A value missing from the store is its default; one without a default, as before.
            const std::string fallback = entry.Default ? entry.Default : was.value_or(mine);
            std::optional<Value> theirs;
            Procedure::Ignoring([&] {
                theirs = FromText<Value>(
                    store.GetSetting(ProductTitle, entry.Section, entry.Key, fallback));
            });
            if (theirs) {
                stored.Options[i] = ToText(*theirs);
            }
            if (!was || mine != *was) {
                if (was && theirs && *stored.Options[i] != *was && *stored.Options[i] != mine) {
                    LogConflict(component_, entry, *stored.Options[i], mine);
                }
                return;
            }
            if (theirs) {
                property = *theirs;
            } else {
                // Unreadable now: the save leaves it as the other program stored it.
                unread_[i] = mine;
            }
        });
    }
    baseline_ = std::move(stored);
}

}  // namespace pwk
