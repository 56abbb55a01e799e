// Starting the program loads and shows the title screen; nothing else. The
// teacher's start options (startoptions) may choose presentation mode, an
// activity to open first, or a room without the web.
#include <QApplication>

#include <cstdio>

#include "application.h"
#include "displayscale.h"
#include "everyscreen.h"
#include "platformchoice.h"
#include "programlanguage.h"
#include "screenregistry.h"
#include "shell.h"
#include "standardlayout.h"
#include "startoptions.h"

int main(int argc, char** argv) {
    const std::string platform = qpaPlatformFor(SessionEnvironment::fromProcess());
    if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    registerEveryScreen();
    application::initialise(app);
    // The help and any refusal are given in the pupil's language too.
    programlanguage::install();
    const StartOptions options = StartOptions::parse(app.arguments());
    if (options.outcome != StartOptions::Outcome::Run) {
        const bool help = options.outcome == StartOptions::Outcome::Help;
        std::fputs(options.text.toLocal8Bit().constData(), help ? stdout : stderr);
        return help ? 0 : 2;
    }
    displayscale::choose(standardOuterSizePixels(), options.fullscreen);
    if (options.noWeb) shell::setLocked(true);
    if (options.fullscreen) displayscale::showBackdrop(standardBackColour());
    displayscale::installToggleKey(standardBackColour());
    screens::show(options.firstScreen);
    return app.exec();
}
