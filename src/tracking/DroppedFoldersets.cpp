#include "src/tracking/DroppedFoldersets.h"

#include <cstdio>

#include "src/platform/SettingsStore.h"
#include "src/tracking/TrackedFolderset.h"
#include "src/util/Fnv1a.h"

namespace pwk {

std::string DroppedFoldersets::IDKey(std::size_t i) {
    return std::string(FoldersetLayout::Folders.at(i / 2).Name) +
           (i % 2 == 0 ? "EntryID" : "StoreID");
}

std::string DroppedFoldersets::RecordSection(const DroppedFolderset& dropped) {
    // The identifiers, each closed by a byte no identifier holds.
    Fnv1a fnv;
    for (const std::string& id : dropped.IDs) {
        fnv.Add(id).Add('\n');
    }
    const std::uint64_t hash = fnv.Value();
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llX", static_cast<unsigned long long>(hash));
    return std::string(Section) + "\\" + digits;
}

DroppedFolderset DroppedFoldersets::Of(const TrackedFolderset& folderset, std::int32_t position,
                                       std::string when, std::string reason) {
    DroppedFolderset dropped;
    for (std::size_t i = 0; i < FoldersetLayout::Folders.size(); ++i) {
        const FoldersetLayout::Folder& folder = FoldersetLayout::Folders[i];
        dropped.IDs[2 * i] = (folderset.*folder.EntryID)();
        dropped.IDs[2 * i + 1] = (folderset.*folder.StoreID)();
    }
    dropped.AttachDir = folderset.getAttachDir();
    dropped.Position = position;
    dropped.When = std::move(when);
    dropped.Reason = std::move(reason);
    return dropped;
}

void DroppedFoldersets::Keep(SettingsStore& store, const DroppedFolderset& dropped) {
    const std::string section = RecordSection(dropped);
    store.Batch([&] {
        for (std::size_t i = 0; i < dropped.IDs.size(); ++i) {
            store.SaveSetting(AppName, section, IDKey(i), dropped.IDs[i]);
        }
        store.SaveSetting(AppName, section, AttachDirKey, dropped.AttachDir);
        store.SaveSetting(AppName, section, PositionKey, std::to_string(dropped.Position));
        store.SaveSetting(AppName, section, WhenKey, dropped.When);
        store.SaveSetting(AppName, section, ReasonKey, dropped.Reason);
    });
}

std::string DroppedFoldersets::Describe(const DroppedFolderset& dropped) {
    return "folderset " + std::to_string(dropped.Position) +
           " (contacts EntryID=" + dropped.IDs[0] + " StoreID=" + dropped.IDs[1] + ")";
}

}  // namespace pwk
