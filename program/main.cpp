// Starting the program loads and shows the title screen; nothing else. The
// teacher's start options (startoptions) may choose presentation mode, an
// activity to open first, or a room without the web.
#include <QApplication>
#include <QCoreApplication>

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

namespace {

// The start options are read before anything asks for a display, so the help
// and a refusal come on a text console or over ssh too, in the pupil's
// language. Without options there is nothing to read.
StartOptions readStartOptions(int argc, char** argv) {
    if (argc <= 1) return {};
    int count = argc;
    QCoreApplication reader(count, argv);
    registerActivities();
    programlanguage::install();
    StartOptions options = StartOptions::parse(reader.arguments());
    programlanguage::uninstall();
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const StartOptions options = readStartOptions(argc, argv);
    if (options.outcome != StartOptions::Outcome::Run) {
        const bool help = options.outcome == StartOptions::Outcome::Help;
        std::fputs(options.text.toLocal8Bit().constData(), help ? stdout : stderr);
        return help ? 0 : 2;
    }
    const std::string platform = qpaPlatformFor(SessionEnvironment::fromProcess());
    if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    registerEveryScreen();
    application::initialise(app);
    programlanguage::install();
    displayscale::choose(standardOuterSizePixels(), options.fullscreen);
    if (options.noWeb) shell::setLocked(true);
    if (options.fullscreen) displayscale::showBackdrop(standardBackColour());
    displayscale::installToggleKey(standardBackColour());
    screens::show(options.firstScreen);
    return app.exec();
}
