#include "src/component/Component.h"

#include "src/util/Ref.h"

namespace pwk {

ErrorLibrary& Component::Errors() const {
    return Deref(errorObject_);
}

}  // namespace pwk
