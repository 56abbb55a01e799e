#include "jotterscreens.h"

#include "notepad.h"
#include "screenregistry.h"

void registerJotterScreens() {
    ScreenRegistry::instance().registerScreen(QStringLiteral("notepad"),
                                              [] { return new notepad; });
}
