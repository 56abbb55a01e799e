#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>

#include "platform/twips.h"

namespace fonts {
namespace {

// fontconfig maps Arial and Times New Roman to the metric-compatible
// Liberation fonts; Tahoma's free look-alike ships in a folder fontconfig does
// not scan. It is added on first use rather than at start-up, because adding a
// font makes fontconfig read its whole configuration, and the title screen
// does not need it.
void addTahoma() {
    static const bool added = [] {
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            if (QFile::exists(QString::fromLatin1(file)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
        return true;
    }();
    (void)added;
}

}  // namespace

QFont fromPoints(const QString& family, double points, bool bold) {
    if (family.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0) addTahoma();
    QFont font(family);
    font.setPixelSize(twips::pointsToPixels(points));
    font.setBold(bold);
    return font;
}

}  // namespace fonts
