#include "tests/support/glyphcoverage.h"

#include <QGlyphRun>
#include <QTextLayout>

int missingGlyphs(const QFont& font, const QString& text) {
    QString laid = text;
    laid.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laid, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes()) missing += glyph == 0;
    return missing;
}
