// quorvane_artwork: draws every picture the program shows into a run folder.
//
//   quorvane_artwork [OPTION] OUTPUT_FOLDER [NAME...]   draw all pictures, or the named groups
//   quorvane_artwork [OPTION] --list                    print the group names
//   quorvane_artwork [OPTION] --files                   print each file drawn, after its group
//   quorvane_artwork [OPTION] --sources                 print each file drawn from, after its group
//
// OPTION: --translations FOLDER, the program's translations (quorvane_de.qm,
// ...); the faces with words on them are drawn again in each language.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

#include "artwork/pictures/artworkgenerator.h"

// Read by LeakSanitizer in the sanitized build. libimagequant 2.17 works on
// pictures of over four million pixels (the menu background at three times
// its size) a row at a time, and never frees those row buffers even when
// every result and image is destroyed: 77 KB a picture, the library's own,
// gone when this program ends.
// NOLINTNEXTLINE(bugprone-reserved-identifier)
extern "C" const char* __lsan_default_suppressions() { return "leak:libimagequant.so\n"; }

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

    QString translations;
    if (arguments.size() >= 2 && arguments.first() == QStringLiteral("--translations")) {
        arguments.removeFirst();
        translations = arguments.takeFirst();
    }
    auto print = [](const std::vector<ArtworkGenerator::OutputFile>& files) {
        QTextStream out(stdout);
        for (const auto& file : files) out << file.group << ' ' << file.path << '\n';
        return 0;
    };
    if (arguments.value(0) == QStringLiteral("--list")) {
        QTextStream out(stdout);
        for (const QString& name : ArtworkGenerator(QString(), translations).knownNames())
            out << name << '\n';
        return 0;
    }
    if (arguments.value(0) == QStringLiteral("--files"))
        return print(ArtworkGenerator(QString(), translations).outputFiles());
    if (arguments.value(0) == QStringLiteral("--sources"))
        return print(ArtworkGenerator(QString(), translations).sourceFiles());
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-'))) {
        err << "usage: quorvane_artwork [--translations FOLDER] OUTPUT_FOLDER [NAME...]\n"
               "       quorvane_artwork [--translations FOLDER] --list\n"
               "       quorvane_artwork [--translations FOLDER] --files\n"
               "       quorvane_artwork [--translations FOLDER] --sources\n";
        return 2;
    }
    ArtworkGenerator generator(arguments.takeFirst(), translations);
    if (!generator.run(arguments)) {
        err << "quorvane_artwork: " << generator.errorString() << '\n';
        return 1;
    }
    return 0;
}
