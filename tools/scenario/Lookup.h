#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pwk::sim {
class SimApplication;
class SimControlState;
class SimFolder;
class SimHost;
class SimItemState;
class SimWindowState;
}  // namespace pwk::sim

namespace pwk::scenario {

// Finding what a scenario names. Failures are CommandErrors that say what was looked for and
// where.
namespace Lookup {

// The host's application object, with its window lists.
std::shared_ptr<sim::SimApplication> App(sim::SimHost& host);
// An item by position (1 = first in folder order) or by the contact's full name or the item's
// subject (the first such item).
std::shared_ptr<sim::SimItemState> Item(const sim::SimFolder& folder, const std::string& ref);
// A contact by full name anywhere in the mailbox; it must be the only one of that name.
std::shared_ptr<sim::SimItemState> Contact(sim::SimHost& host, const std::string& name);
// The control of the window with that caption ("&" accelerators ignored): a visible one on a
// bar, else a visible menu item, else a hidden one; null when there is none.
std::shared_ptr<sim::SimControlState> Control(const sim::SimWindowState& window,
                                              const std::string& caption);
// A whole number as the command table accepts it (decimal, or hexadecimal with 0x).
std::int64_t Number(const std::string& text);
std::int32_t Number32(const std::string& text);
// The parts of a comma-separated list, blanks around each trimmed, empty parts left out.
std::vector<std::string> List(const std::string& text);

}  // namespace Lookup

}  // namespace pwk::scenario
