#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "tests/support/qstringprinter.h"

// Writes small picture files for tests: a GIF or JPEG of one flat colour with
// a frame number drawn into it, so a test can tell which file a widget shows.
namespace fixtures {

// Writes a GIF of the given size; the file's first pixel has the colour
// frameColour(frame), so a test can read back which frame is on show.
bool writeGif(const QString& path, int width, int height, int frame);
bool writeJpeg(const QString& path, int width, int height, QColor colour);
QColor frameColour(int frame);
// Which frame a picture shows, by its first pixel; -1 when it matches none.
int frameOf(const QImage& image);

// Into a picture folder: the six button faces of the activity screens, and
// with them every picture the title screen and the menu read.
bool writeButtonPictures(const QString& folder);
bool writeShellPictures(const QString& folder);

}  // namespace fixtures
