// Measures what the Hamilton screen does most often: one animation tick (a
// GIF read from disk and shown), one press on the graph, and one check.
// Run by hand; prints microseconds per operation.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "application.h"
#include "fixturepictures.h"
#include "hamilton.h"
#include "picturefiles.h"

namespace {

template <class F>
double microsecondsPer(int times, F&& operation) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < times; ++i) operation(i);
    return static_cast<double>(clock.nsecsElapsed()) / 1000.0 / times;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    application::initialise(app);

    // Frames of the clue's own on-screen size, 4860 by 3660 twips.
    QTemporaryDir pictures;
    for (int n = 0; n < 120; ++n) {
        fixtures::writeGif(
            pictures.path() +
                QStringLiteral("/voyvivsm/voyv0%1.gif").arg(n, 3, 10, QLatin1Char('0')),
            324, 244, n);
    }
    const QStringList folders = QCoreApplication::arguments().size() > 1
                                    ? QStringList{QCoreApplication::arguments().at(1)}
                                    : QStringList{pictures.path()};
    PictureFiles::setSearchFolders(folders);

    hamilton screen;
    screen.onLoad();
    screen.Timer1()->stop();

    const double tick = microsecondsPer(1200, [&](int) { screen.timer1Tick(); });
    const double press = microsecondsPer(20000, [&](int i) {
        const int k = i % 30;
        screen.surfacePress(QPointF(screen.midx()[k], screen.midy()[k]));
    });
    const double check = microsecondsPer(20000, [&](int) { screen.cmdcheckitClick(); });

    std::printf("frames from   %s\n", qPrintable(folders.join(QLatin1Char(' '))));
    std::printf("timer1 tick   %8.1f us  (budget 50000 us a tick)\n", tick);
    std::printf("press         %8.2f us\n", press);
    std::printf("check         %8.2f us\n", check);
    return 0;
}
