#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>

#include <gtest/gtest.h>

#include "tests/support/qstringprinter.h"

class QWidget;
class Screen;
class ScreenRegistry;

// A clean run of the program for each test. Every hook the program keeps
// for the whole run is set to a known state before the test and put back
// after it: the picture folders (an empty folder of the test's own) and the
// pictures reported unreadable, the shared variables, an 800 by 600 desktop,
// the pointer, the shell (requests are recorded, nothing opens, not locked),
// the twips in a pixel (15), the end
// (counted, the program never really ends), the random source (the clock's
// generator), the watchers of screen-reader announcements (none) and the
// language (English). Afterwards every screen is unloaded and deleted, and
// the registrations are put back as they were, so a stand-in a test registers
// never reaches the next test. Nothing is registered here: each suite
// registers the screens it links.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file in the test's own picture folder.
    QString path(const QString& relative) const { return pictures.filePath(relative); }

    // A left click where a pupil's would arrive: at the middle of the control,
    // through the window that lies there, so Qt decides which control takes
    // it. The control must be on show and must be what lies under that point.
    static void click(QWidget* control);
    static void click(Screen* screen, const char* name);

    // Runs the deletes of unloaded screens.
    static void flushDeletes();
    static ScreenRegistry& registry();

    QTemporaryDir pictures;
    int ends = 0;
    QList<QUrl> addressesOpened;

private:
    QHash<QString, std::function<Screen*()>> m_registered;
    static void resetHooks();
};
