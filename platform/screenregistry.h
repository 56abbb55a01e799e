#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>

class Screen;

// Every screen of the program by name. A screen is created and loaded the
// first time it is touched, shown without blocking, and unloaded explicitly:
// unloading hides it, stops its timers and discards it with its controls, so
// the next touch loads it afresh. Screens reach one another only through here.
class ScreenRegistry {
public:
    using Factory = std::function<Screen*()>;

    static ScreenRegistry& instance();

    void registerScreen(const QString& name, const Factory& factory);
    bool isRegistered(const QString& name) const;

    // The loaded screen, loading it first if need be; nullptr for a name
    // nobody registered.
    Screen* get(const QString& name);
    // The loaded screen, or nullptr; never loads.
    Screen* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }

    // Loads if need be, shows without blocking and brings the window forward.
    Screen* show(const QString& name);
    // Does nothing when the screen is not loaded.
    void unload(const QString& name);
    void unloadAll();

    // How many times a screen has been loaded in this run (for tests).
    int loadCount(const QString& name) const { return m_loads.value(name.toLower()); }

    // Every registration by name, so a test that registers stand-ins can put
    // the real screens back afterwards.
    QHash<QString, Factory> registrations() const { return m_factories; }
    void setRegistrations(const QHash<QString, Factory>& factories) { m_factories = factories; }

private:
    ScreenRegistry() = default;

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Screen>> m_loaded;
    QHash<QString, int> m_loads;
};

// Shorthands used by the screens.
namespace screens {
inline Screen* get(const QString& name) { return ScreenRegistry::instance().get(name); }
inline Screen* show(const QString& name) { return ScreenRegistry::instance().show(name); }
inline void unload(const QString& name) { ScreenRegistry::instance().unload(name); }
}  // namespace screens
