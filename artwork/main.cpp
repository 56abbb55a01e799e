// quorvane_artwork: draws every picture the program shows into a run folder.
//
//   quorvane_artwork OUTPUT_FOLDER [NAME...]    draw all pictures, or the named groups
//   quorvane_artwork --list                     print the group names
//   quorvane_artwork --files                    print each file drawn, after its group
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "pictures/artworkgenerator.h"

int main(int argc, char** argv) {
    // The build runs this with no display; fonts still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nor a login session: give Qt a private runtime folder so that it does
    // not warn about the missing one in every build log.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/quorvane-artwork-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(
            runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments().mid(1);
    QTextStream err(stderr);

    if (arguments.value(0) == QStringLiteral("--list")) {
        QTextStream out(stdout);
        for (const QString& name : ArtworkGenerator(QString()).knownNames()) out << name << '\n';
        return 0;
    }
    if (arguments.value(0) == QStringLiteral("--files")) {
        QTextStream out(stdout);
        for (const auto& file : ArtworkGenerator(QString()).outputFiles())
            out << file.group << ' ' << file.path << '\n';
        return 0;
    }
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-'))) {
        err << "usage: quorvane_artwork OUTPUT_FOLDER [NAME...]\n"
               "       quorvane_artwork --list\n"
               "       quorvane_artwork --files\n";
        return 2;
    }
    ArtworkGenerator generator(arguments.takeFirst());
    if (!generator.run(arguments)) {
        err << "quorvane_artwork: " << generator.errorString() << '\n';
        return 1;
    }
    return 0;
}
