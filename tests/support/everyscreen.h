#pragma once

#include "appscreens.h"
#include "dualityscreens.h"
#include "hamiltonscreens.h"
#include "jotterscreens.h"

// Makes every screen of the program known to the registry, as the program's
// main does; for the suites that link every screen.
inline void registerEveryScreen() {
    registerAppScreens();
    registerDualityScreens();
    registerHamiltonScreens();
    registerJotterScreens();
}
