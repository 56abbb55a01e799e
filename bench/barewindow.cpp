// An empty window of the title screen's inner size (5460 by 6570 twips), shown
// the way the program shows its first screen, so that start-up times can be
// compared with what Qt alone takes.
#include <QApplication>
#include <QWidget>

namespace {
constexpr int kTitleWidthPixels = 5460 / 15;
constexpr int kTitleHeightPixels = 6570 / 15;
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" "));
    window.setFixedSize(kTitleWidthPixels, kTitleHeightPixels);
    window.show();
    return app.exec();
}
