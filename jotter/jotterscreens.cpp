#include "jotter/jotterscreens.h"

#include "jotter/notepad.h"
#include "platform/screenregistry.h"

void registerJotterScreens() {
    ScreenRegistry::instance().registerScreen(QStringLiteral("notepad"),
                                              [] { return new notepad; });
}
