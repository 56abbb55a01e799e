// The yardstick for an animated screen: the plainest Qt program that shows the
// same frames at the same pace. One window of the screen's inner size, one
// QLabel where the screen has its picture, every frame read once at start as
// a QPixmap of the label's size, and a QTimer that hands the next one to the
// label. bench/run.sh compares the program's processor time with this one's.
//
// Usage: frame_peer INTERVAL_MS WINDOW_W WINDOW_H LEFT TOP WIDTH HEIGHT PREFIX COUNT
//   PREFIX is a path such as recip1/reci; frame n is PREFIX, n to four digits, ".gif".
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 10) {
        std::fprintf(stderr,
                     "usage: frame_peer INTERVAL_MS WINDOW_W WINDOW_H LEFT TOP WIDTH HEIGHT "
                     "PREFIX COUNT\n");
        return 2;
    }
    const int interval = std::atoi(argv[1]);
    const QSize windowSize(std::atoi(argv[2]), std::atoi(argv[3]));
    const QRect box(std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]));
    const QString prefix = QString::fromLocal8Bit(argv[8]);
    const int count = std::atoi(argv[9]);

    std::vector<QPixmap> frames;
    for (int n = 0; n < count; ++n) {
        const QString file = prefix + QStringLiteral("%1.gif").arg(n, 4, 10, QLatin1Char('0'));
        QImage image(file);
        if (image.isNull()) {
            std::fprintf(stderr, "frame_peer: cannot read %s\n", qPrintable(file));
            return 1;
        }
        // Scaled once here, so that a tick only hands a finished picture over.
        if (image.size() != box.size())
            image = image.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        frames.push_back(QPixmap::fromImage(image));
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("frame peer"));
    window.setFixedSize(windowSize);
    QLabel label(&window);
    label.setGeometry(box);
    label.setPixmap(frames.front());

    std::size_t shown = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        shown = (shown + 1) % frames.size();
        label.setPixmap(frames[shown]);
    });
    timer.start(interval);
    window.show();
    return app.exec();
}
