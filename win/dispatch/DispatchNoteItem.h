#pragma once

#include "src/host/NoteItem.h"
#include "win/dispatch/DispatchItem.h"

namespace pwk::win {

class DispatchNoteItem final : public DispatchItem<host::NoteItem> {
  public:
    using DispatchItem::DispatchItem;
};

}  // namespace pwk::win
