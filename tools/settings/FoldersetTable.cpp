#include "tools/settings/FoldersetTable.h"

#include <algorithm>
#include <cstdint>

#include "src/platform/SettingsStore.h"
#include "src/resources/Version.h"
#include "src/tracking/TextConversion.h"
#include "src/tracking/TrackedFoldersets.h"
#include "src/util/Failure.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

namespace {

constexpr const char* kSection = TrackedFoldersets::DefaultSection;

FoldersetRecord RecordOf(const FoldersetLayout::Ids& ids) {
    FoldersetRecord record;
    for (std::size_t i = 0; i < record.Folders.size(); ++i) {
        record.Folders[i].EntryID = ids[2 * i];
        record.Folders[i].StoreID = ids[2 * i + 1];
    }
    return record;
}

}  // namespace

StoredFoldersets FoldersetTable::Read(SettingsStore& store) {
    const std::string countText =
        store.GetSetting(ProductTitle, kSection, FoldersetLayout::CountKey, "0");
    StoredFoldersets stored;
    try {
        stored.Count = TextToInteger<std::int32_t>(countText);
    } catch (const Failure&) {
        throw ToolError("the stored \"Count\" of \"" + std::string(kSection) + "\" is \"" +
                        countText + "\", not a number; the add-in cannot read its foldersets");
    }
    // Positions that hold nothing are not walked: the add-in drops them, and "Count" may be
    // far above what is stored.
    for (const auto& [position, ids] :
         FoldersetLayout::ReadPositions(store, ProductTitle, kSection)) {
        if (position <= stored.Count) {
            stored.Records.push_back(RecordOf(ids));
        } else {
            stored.AfterCount.emplace_back(position, RecordOf(ids));
        }
    }
    stored.Skipped =
        std::max<std::int64_t>(stored.Count, 0) - static_cast<std::int64_t>(stored.Records.size());
    return stored;
}

void FoldersetTable::Write(SettingsStore& store, const std::vector<FoldersetRecord>& records) {
    store.Batch([&] {
        // Removed first so that no position beyond the new count survives; a section that is
        // not there yet is fine.
        try {
            store.DeleteSection(ProductTitle, kSection);
        } catch (const Failure& failure) {
            if (failure.Number != FailureNumber::InvalidProcedureCall) {
                throw;
            }
        }
        store.SaveSetting(ProductTitle, kSection, FoldersetLayout::CountKey,
                          std::to_string(records.size()));
        std::size_t position = 0;
        for (const FoldersetRecord& record : records) {
            const std::string key = std::to_string(++position);
            for (std::size_t i = 0; i < record.Folders.size(); ++i) {
                const FoldersetLayout::Folder& layout = FoldersetLayout::Folders[i];
                const FolderIds& folder = record.Folders[i];
                store.SaveSetting(ProductTitle, layout.EntryIDSection(kSection), key,
                                  folder.EntryID);
                store.SaveSetting(ProductTitle, layout.StoreIDSection(kSection), key,
                                  folder.StoreID);
            }
        }
    });
}

}  // namespace pwk::settingstool
