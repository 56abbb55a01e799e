// What the X server shows on its whole screen, for the classroom test:
//   rootshot FILE.png      saves it as a PNG, to be read back by OCR
//   rootshot X Y           prints the colour of one pixel as "red green blue"
//   rootshot FILE.png X Y W H  saves that rectangle of it at twice its size,
//                              which OCR reads more surely
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (!app.primaryScreen() || (argc != 2 && argc != 3 && argc != 6)) return 2;
    const QPixmap shot = app.primaryScreen()->grabWindow(0);
    if (argc == 2) return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    if (argc == 6) {
        const QRect part(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                         std::atoi(argv[5]));
        const QImage enlarged = shot.copy(part).toImage().scaled(
            part.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return enlarged.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    const QColor c = shot.toImage().pixelColor(std::atoi(argv[1]), std::atoi(argv[2]));
    std::printf("%d %d %d\n", c.red(), c.green(), c.blue());
    return 0;
}
