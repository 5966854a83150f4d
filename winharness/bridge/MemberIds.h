#pragma once

#include <oaidl.h>

#include <map>
#include <optional>
#include <string>

namespace pwk::bridge {

// One number per member name for every bridged object, names matched without regard to case:
// a client that keeps the number it got from one object of a kind, or from an object of
// another kind (the item class every object answers), calls the same member everywhere.
class MemberIds {
  public:
    static MemberIds& Instance();

    // The number of `name`, given out the first time a table names it.
    DISPID Of(const std::string& name);
    // The number of `name` if any table named it.
    std::optional<DISPID> Find(const std::string& name) const;

  private:
    // Far from the reserved numbers (0 is an object's value, the negative ones are COM's).
    static constexpr DISPID kFirst = 1000;

    std::map<std::string, DISPID> ids_;
};

}  // namespace pwk::bridge
