#include "dualityscreens.h"

#include "duality.h"
#include "screenregistry.h"

void registerDualityScreens() {
    ScreenRegistry::instance().registerScreen(QStringLiteral("duality"),
                                              [] { return new duality; });
}
