#include "keelson/RegisterKeelson.h"

#include "keelson/Keelson.h"

namespace pwk {

void RegisterKeelson(ObjectFactories& factories, Platform& platform) {
    factories.Register(Keelson::ProgID,
                       [&platform] { return std::make_shared<Keelson>(platform); });
}

}  // namespace pwk
