#include "app/appscreens.h"

#include "app/intro0.h"
#include "app/titlefrm.h"
#include "platform/screenregistry.h"

void registerAppScreens() {
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.registerScreen(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
    registry.registerScreen(QStringLiteral("intro0"), [] { return new intro0; });
}
