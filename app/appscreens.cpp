#include "appscreens.h"

#include "intro0.h"
#include "screenregistry.h"
#include "titlefrm.h"

void registerAppScreens() {
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.registerScreen(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
    registry.registerScreen(QStringLiteral("intro0"), [] { return new intro0; });
}
