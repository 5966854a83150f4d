#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "src/util/Failure.h"
#include "store/MemorySettingsStore.h"

namespace pwk::fuzz {

// Fills a store from fuzzer input in the form the stores list themselves in
// ("section|key=value", one a line), so that a dump of real settings is a seed. Values are
// stored under `appName` until a line "[Other Application]" names another one (the recovery
// record keeps its own); any other line without "|" and "=" is skipped.
inline void FillStore(MemorySettingsStore& store, std::string appName, const std::uint8_t* data,
                      std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            appName = std::string(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t bar = line.find('|');
        const std::size_t equals = line.find('=', bar == std::string_view::npos ? 0 : bar);
        if (bar == std::string_view::npos || equals == std::string_view::npos) {
            continue;
        }
        // A name the store refuses (an empty key) is one no store can hold: skipped.
        try {
            store.SaveSetting(appName, std::string(line.substr(0, bar)),
                              std::string(line.substr(bar + 1, equals - bar - 1)),
                              std::string(line.substr(equals + 1)));
        } catch (const Failure&) {
        }
    }
}

}  // namespace pwk::fuzz
