#include "hamiltonscreens.h"

#include "hamilton.h"
#include "screenregistry.h"

void registerHamiltonScreens() {
    ScreenRegistry::instance().registerScreen(QStringLiteral("hamilton"),
                                              [] { return new hamilton; });
}
