#include "tools/settings/FoldersetTable.h"

#include <cstdint>

#include "src/util/Failure.h"
#include "src/platform/SettingsStore.h"
#include "src/resources/Version.h"
#include "src/tracking/TextConversion.h"
#include "src/tracking/TrackedFoldersets.h"
#include "tools/settings/ToolError.h"

namespace pwk::settingstool {

namespace {

constexpr const char* kSection = TrackedFoldersets::DefaultSection;
constexpr const char* kEntryID = "EntryID";
constexpr const char* kStoreID = "StoreID";

}  // namespace

std::vector<FoldersetRecord> FoldersetTable::Read(SettingsStore& store) {
    const std::string countText = store.GetSetting(ProductTitle, kSection, "Count", "0");
    std::int32_t count = 0;
    try {
        count = TextToInteger<std::int32_t>(countText);
    } catch (const Failure&) {
        throw ToolError("the stored \"Count\" of \"" + std::string(kSection) + "\" is \"" +
                        countText + "\", not a number; the add-in cannot read its foldersets");
    }
    std::vector<FoldersetRecord> records;
    for (std::int32_t position = 1; position <= count; ++position) {
        const std::string key = std::to_string(position);
        FoldersetRecord& record = records.emplace_back();
        for (const auto& role : FoldersetRecord::Roles) {
            FolderIds& folder = record.*role.Folder;
            folder.EntryID = store.GetSetting(ProductTitle, Subsection(role, kEntryID), key, "");
            folder.StoreID = store.GetSetting(ProductTitle, Subsection(role, kStoreID), key, "");
        }
    }
    return records;
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
        store.SaveSetting(ProductTitle, kSection, "Count", std::to_string(records.size()));
        std::size_t position = 0;
        for (const FoldersetRecord& record : records) {
            const std::string key = std::to_string(++position);
            for (const auto& role : FoldersetRecord::Roles) {
                const FolderIds& folder = record.*role.Folder;
                store.SaveSetting(ProductTitle, Subsection(role, kEntryID), key, folder.EntryID);
                store.SaveSetting(ProductTitle, Subsection(role, kStoreID), key, folder.StoreID);
            }
        }
    });
}

std::string FoldersetTable::Subsection(const FoldersetRecord::Role& role, const char* field) {
    return std::string(kSection) + "\\" + role.Subsection + "\\" + field;
}

}  // namespace pwk::settingstool
