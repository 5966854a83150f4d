#pragma once

#include "src/platform/ObjectFactories.h"
#include "src/platform/Platform.h"

namespace pwk {

// Makes the error library creatable by its ProgID; each object it creates uses `platform`,
// which must outlive it.
void RegisterKeelson(ObjectFactories& factories, Platform& platform);

}  // namespace pwk
