#pragma once

#include <QString>

#include "platform/screenregistry.h"

// An activity the topic menu leads to: the topic's caption (English, looked
// up under the menu's translation context), its place in the menu's
// right-hand column, the screen it opens, how that screen is made, and the
// name a teacher gives `--start` to open it first.
struct Activity {
    const char* caption;
    int menuSlot;
    QString screen;
    ScreenRegistry::Factory factory;
    QString startName;
};
