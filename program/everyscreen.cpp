#include "program/everyscreen.h"

#include <QCoreApplication>
#include "app/activities.h"
#include "app/appscreens.h"
#include "duality/duality.h"
#include "hamilton/hamilton.h"
#include "jotter/jotterscreens.h"

namespace {

// Every activity of the program, one row each; the menu, the translations
// and the tests all read this table.
const Activity kActivities[] = {
    //: A topic of the menu: the quiz on dual polyhedra.
    {QT_TRANSLATE_NOOP("intro0", "Duality"), 0, QStringLiteral("duality"),
     [] { return new duality; }, QStringLiteral("duality")},
    //: The topic of Hamilton's game on the dodecahedron.
    {QT_TRANSLATE_NOOP("intro0", "Voyage Around the World"), 2, QStringLiteral("hamilton"),
     [] { return new hamilton; }, QStringLiteral("voyage")},
};

}  // namespace

void registerActivities() {
    for (const Activity& activity : kActivities) Activities::add(activity);
}

void registerEveryScreen() {
    registerAppScreens();
    registerJotterScreens();
    registerActivities();
}
