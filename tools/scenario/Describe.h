#pragma once

#include <string>

namespace pwk::sim {
class SimControlState;
class SimItemState;
}  // namespace pwk::sim

namespace pwk::scenario {

// How the transcript names host things. Reads only the simulated objects' state, never the
// members the add-in calls, so that looking counts no host call and meets no planned failure.
namespace Describe {

// ContactItem "Ann Smith": the kind and the contact's full name or the item's subject.
std::string ItemName(const sim::SimItemState& item);
// The name and what the add-in may change about an item: "JournalItem "Phone call" (Type
// Phone Call; links Ann Smith; 1 attachment)".
std::string Item(const sim::SimItemState& item);
// A control's caption and state: "button "Phone Call" (hidden, disabled, tooltip "...")".
std::string Control(const sim::SimControlState& control);
// "Standard" or "Menu Bar/Actions": the bar a control stands on.
std::string BarOf(const sim::SimControlState& control);
// A field of an item as `expect item` compares it; `known` is false for a field the item does
// not have.
std::string Field(const sim::SimItemState& item, const std::string& field, bool& known);

}  // namespace Describe

}  // namespace pwk::scenario
