#pragma once

#include <QFont>
#include <QString>

// How many characters of a text come out as the empty box: laid out as Qt lays
// it out to draw it, shaped and with fontconfig's fallback to every installed
// font, a glyph still missing is glyph 0 of the font it fell to.
int missingGlyphs(const QFont& font, const QString& text);
