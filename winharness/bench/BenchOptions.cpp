#include "winharness/bench/BenchOptions.h"

#include <sstream>

namespace pwk::winbench {

namespace {

// A positive whole number, the whole text.
std::optional<int> Positive(const std::string& text) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (used != text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// "a,b,c", each item read by `item`; nothing when one cannot be read, or when there are none
// and none are not allowed.
template <class T, class Item>
std::optional<std::vector<T>> List(const std::string& text, Item item, bool noneAllowed = false) {
    std::vector<T> items;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');) {
        const std::optional<T> read = item(part);
        if (!read) {
            return std::nullopt;
        }
        items.push_back(*read);
    }
    if (items.empty() && !noneAllowed) {
        return std::nullopt;
    }
    return items;
}

std::optional<SendSize> Send(const std::string& text) {
    const std::size_t by = text.find('x');
    if (by == std::string::npos) {
        return std::nullopt;
    }
    const auto recipients = Positive(text.substr(0, by));
    const auto foldersets = Positive(text.substr(by + 1));
    if (!recipients || !foldersets) {
        return std::nullopt;
    }
    return SendSize{*recipients, *foldersets};
}

}  // namespace

std::optional<BenchOptions> BenchOptions::Parse(int argc, char** argv) {
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : arg.substr(equals + 1);
        bool read = true;
        if (arg.rfind("--", 0) != 0) {
            read = options.Dll.empty();
            options.Dll = arg;
        } else if (name == "--benchmark_out") {
            options.Out = value;
            read = !value.empty();
        } else if (name == "--foldersets") {
            const auto sizes = List<int>(value, Positive, true);
            read = sizes.has_value();
            options.Foldersets = sizes.value_or(options.Foldersets);
        } else if (name == "--sends") {
            const auto sizes = List<SendSize>(value, Send);
            read = sizes.has_value();
            options.Sends = sizes.value_or(options.Sends);
        } else if (name == "--iterations") {
            const auto count = Positive(value);
            read = count.has_value();
            options.Iterations = count.value_or(options.Iterations);
        } else {
            read = false;
        }
        if (!read) {
            return std::nullopt;
        }
    }
    if (options.Dll.empty()) {
        return std::nullopt;
    }
    return options;
}

}  // namespace pwk::winbench
