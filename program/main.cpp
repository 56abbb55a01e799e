// Starting the program loads and shows the title screen; nothing else.
#include <QApplication>

#include "application.h"
#include "everyscreen.h"
#include "platformchoice.h"
#include "programlanguage.h"
#include "screenregistry.h"

int main(int argc, char** argv) {
    const std::string platform = qpaPlatformFor(SessionEnvironment::fromProcess());
    if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    application::initialise(app);
    programlanguage::install();
    registerEveryScreen();
    screens::show(QStringLiteral("Titlefrm"));
    return app.exec();
}
