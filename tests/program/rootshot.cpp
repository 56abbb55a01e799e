// What the X server shows on its whole screen, for the classroom test:
//   rootshot FILE.png      saves it as a PNG, to be read back by OCR
//   rootshot X Y           prints the colour of one pixel as "red green blue"
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (!app.primaryScreen() || (argc != 2 && argc != 3)) return 2;
    const QPixmap shot = app.primaryScreen()->grabWindow(0);
    if (argc == 2) return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    const QColor c = shot.toImage().pixelColor(std::atoi(argv[1]), std::atoi(argv[2]));
    std::printf("%d %d %d\n", c.red(), c.green(), c.blue());
    return 0;
}
