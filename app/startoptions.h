#pragma once

#include <QString>
#include <QStringList>

// The teacher's start options: presentation mode, an activity to open
// straight away and a locked-down room without the web. With none given the
// program starts as it always has, on the title screen.
struct StartOptions {
    enum class Outcome { Run, Help, Refused };

    Outcome outcome = Outcome::Run;
    bool fullscreen = false;
    bool noWeb = false;
    QString firstScreen = QStringLiteral("Titlefrm");  // the screen shown first
    QString text;  // the help text, or why the command line was refused

    // Reads the program's arguments (the program's name first). Qt's own
    // options (-platform, -display, -style and the rest) are passed over, so
    // the arguments can be read before anything asks for a display.
    static StartOptions parse(const QStringList& arguments);

    // The screen that opens an activity named on the command line (its
    // start name: "duality", "voyage"); empty for any other name.
    static QString screenForActivity(const QString& activity);
    // Every activity's start name, for the help and the refusal.
    static QString activityNames();
};
