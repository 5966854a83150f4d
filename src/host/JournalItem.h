#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "src/host/HostTypes.h"
#include "src/host/Item.h"
#include "src/util/Ref.h"

namespace pwk::host {

class Links;
class Attachments;

class JournalItem : public Item {
  public:
    std::string TypeName() const override { return "JournalItem"; }

    virtual std::string Type() = 0;
    virtual void SetType(const std::string& type) = 0;
    virtual std::string Categories() = 0;
    virtual void SetCategories(const std::string& categories) = 0;
    virtual std::string Companies() = 0;
    virtual void SetCompanies(const std::string& companies) = 0;
    virtual Date Start() = 0;
    virtual void SetStart(Date start) = 0;
    virtual Date End() = 0;
    virtual void SetEnd(Date end) = 0;
    virtual std::int32_t Duration() = 0;  // minutes
    virtual void SetDuration(std::int32_t minutes) = 0;
    virtual Ref<Links> GetLinks() = 0;
    virtual Ref<Attachments> GetAttachments() = 0;
};

}  // namespace pwk::host
