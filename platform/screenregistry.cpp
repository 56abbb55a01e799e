#include "platform/screenregistry.h"

#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/screen.h"

namespace {

// A screen's pictures and frames run to tens of megabytes on a board, and the
// C library keeps what they freed for the next allocation; once the screen is
// gone it is handed back, so a program back on the title screen is no larger
// than one that has just started.
void handBackFreedMemory() {
#if defined(__GLIBC__)
    QTimer::singleShot(0, [] { malloc_trim(0); });
#endif
}

}  // namespace

ScreenRegistry& ScreenRegistry::instance() {
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::registerScreen(const QString& name, const Factory& factory) {
    m_factories.insert(name.toLower(), factory);
}

bool ScreenRegistry::isRegistered(const QString& name) const {
    return m_factories.contains(name.toLower());
}

Screen* ScreenRegistry::find(const QString& name) const {
    const QPointer<Screen> screen = m_loaded.value(name.toLower());
    return screen.data();
}

Screen* ScreenRegistry::get(const QString& name) {
    const QString key = name.toLower();
    if (Screen* screen = find(key)) return screen;
    const auto factory = m_factories.constFind(key);
    if (factory == m_factories.constEnd()) return nullptr;
    Screen* screen = (*factory)();
    // Registered before the load handler runs, so a handler that touches its
    // own screen by name finds it instead of loading a second one.
    m_loaded.insert(key, screen);
    ++m_loads[key];
    screen->onLoad();
    return screen;
}

Screen* ScreenRegistry::show(const QString& name) {
    Screen* screen = get(name);
    if (!screen) return nullptr;
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

void ScreenRegistry::unload(const QString& name) {
    const QString key = name.toLower();
    Screen* screen = find(key);
    m_loaded.remove(key);
    if (!screen) return;
    screen->stopTimers();
    screen->hide();
    // Deferred, because a screen usually unloads itself from one of its own handlers.
    screen->setEnabled(false);
    QObject::connect(screen, &QObject::destroyed, &handBackFreedMemory);
    screen->deleteLater();
}

void ScreenRegistry::unloadAll() {
    const QList<QString> names = m_loaded.keys();
    for (const QString& name : names) unload(name);
}
