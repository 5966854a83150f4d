#pragma once

#include "src/host/Item.h"
#include "win/dispatch/DispatchAdapter.h"
#include "win/dispatch/ObjectClass.h"

namespace pwk::win {

// What every item adapter answers; `Interface` is the item's own interface.
template <class Interface>
class DispatchItem : public DispatchAdapter<Interface> {
  public:
    using DispatchAdapter<Interface>::DispatchAdapter;
    host::ItemType Class() override { return ItemTypeOfClass(this->Int("Class")); }
    Ref<host::HostObject> Parent() override {
        return this->template Object<host::HostObject>("Parent");
    }
    std::string EntryID() override { return this->Str("EntryID"); }
    std::string Subject() override { return this->Str("Subject"); }
    void SetSubject(const std::string& subject) override { this->Put("Subject", subject); }
    std::string Body() override { return this->Str("Body"); }
    void SetBody(const std::string& body) override { this->Put("Body", body); }
    void Save() override { this->Call("Save"); }
    void Delete() override { this->Call("Delete"); }
    void Display(bool modal) override { this->Call("Display", modal); }
};

}  // namespace pwk::win
