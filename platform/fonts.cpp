#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QVariant>
#include <QWidget>

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

namespace {
const char* const kPoints = "fontPoints";
}  // namespace

void apply(QWidget* w, const QString& family, double points, bool bold) {
    w->setFont(fromPoints(family, points, bold));
    w->setProperty(kPoints, points);
}

void copyPoints(const QWidget* from, QWidget* to) {
    to->setProperty(kPoints, from->property(kPoints));
}

void sizeAgain(QWidget* w) {
    QList<QWidget*> all = w->findChildren<QWidget*>();
    all.prepend(w);
    for (QWidget* each : all) {
        const QVariant points = each->property(kPoints);
        if (!points.isValid()) continue;
        QFont font = each->font();
        font.setPixelSize(twips::pointsToPixels(points.toDouble()));
        each->setFont(font);
    }
}

}  // namespace fonts
