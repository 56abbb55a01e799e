// quorvane_artwork: draws every picture the program shows into a run folder.
//
//   quorvane_artwork OUTPUT_FOLDER [NAME...]    draw all pictures, or the named groups
//   quorvane_artwork --list                     print the group names
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "pictures/artworkgenerator.h"

int main(int argc, char** argv) {
    // The build runs this with no display; fonts still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments().mid(1);
    QTextStream err(stderr);

    if (arguments.value(0) == QStringLiteral("--list")) {
        QTextStream out(stdout);
        for (const QString& name : ArtworkGenerator(QString()).knownNames()) out << name << '\n';
        return 0;
    }
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-'))) {
        err << "usage: quorvane_artwork OUTPUT_FOLDER [NAME...]\n"
               "       quorvane_artwork --list\n";
        return 2;
    }
    ArtworkGenerator generator(arguments.takeFirst());
    if (!generator.run(arguments)) {
        err << "quorvane_artwork: " << generator.errorString() << '\n';
        return 1;
    }
    return 0;
}
