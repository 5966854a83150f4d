// The scenario parser on hostile text: every input either parses or is refused with one
// ScenarioError naming its line.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "tools/scenario/ScenarioError.h"
#include "tools/scenario/ScenarioParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        pwk::scenario::ScenarioParser().ParseAll(in);
    } catch (const pwk::scenario::ScenarioError&) {
    }
    return 0;
}
