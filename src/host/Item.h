#pragma once

#include <memory>
#include <string>

#include "src/host/HostObject.h"
#include "src/host/HostTypes.h"
#include "src/util/Ref.h"

namespace pwk::host {

// What every item of the host offers: where it lives, and the verbs on it.
class Item : public HostObject {
  public:
    virtual ItemType Class() = 0;
    // The folder that holds the item (a new item: the folder it will be saved to).
    virtual Ref<HostObject> Parent() = 0;
    virtual std::string EntryID() = 0;  // empty until saved
    virtual std::string Subject() = 0;
    virtual void SetSubject(const std::string& subject) = 0;
    virtual std::string Body() = 0;
    virtual void SetBody(const std::string& body) = 0;
    virtual void Save() = 0;
    virtual void Delete() = 0;
    // Opens the item in an inspector window (modeless).
    virtual void Display(bool modal = false) = 0;
};

}  // namespace pwk::host
