// Starting the program loads and shows the title screen; nothing else. The
// teacher's start options (startoptions) may choose presentation mode, an
// activity to open first, or a room without the web.
#include <QApplication>

#include <cstdio>

#include "app/platformchoice.h"
#include "app/standardlayout.h"
#include "app/startoptions.h"
#include "language/programlanguage.h"
#include "platform/application.h"
#include "platform/displayscale.h"
#include "platform/screenregistry.h"
#include "platform/shell.h"
#include "program/everyscreen.h"

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
