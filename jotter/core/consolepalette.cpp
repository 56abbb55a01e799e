#include "jotter/core/consolepalette.h"

#include <array>

#include "language/core/translatable.h"

namespace {

constexpr std::array<Rgb, ConsolePalette::kCount> kColours = {{
    {0, 0, 0},        // black
    {0, 0, 128},      // blue
    {0, 128, 0},      // green
    {0, 128, 128},    // cyan
    {128, 0, 0},      // red
    {128, 0, 128},    // magenta
    {128, 128, 0},    // brown
    {192, 192, 192},  // light grey
    {128, 128, 128},  // dark grey
    {0, 0, 255},      // light blue
    {0, 255, 0},      // light green
    {0, 255, 255},    // light cyan
    {255, 0, 0},      // light red
    {255, 0, 255},    // light magenta
    {255, 255, 0},    // yellow
    {255, 255, 255},  // white
}};

constexpr std::array<const char*, ConsolePalette::kCount> kNames = {
    QT_TRANSLATE_NOOP("ConsolePalette", "black"),
    QT_TRANSLATE_NOOP("ConsolePalette", "blue"),
    QT_TRANSLATE_NOOP("ConsolePalette", "green"),
    QT_TRANSLATE_NOOP("ConsolePalette", "cyan"),
    QT_TRANSLATE_NOOP("ConsolePalette", "red"),
    QT_TRANSLATE_NOOP("ConsolePalette", "magenta"),
    QT_TRANSLATE_NOOP("ConsolePalette", "brown"),
    QT_TRANSLATE_NOOP("ConsolePalette", "light grey"),
    QT_TRANSLATE_NOOP("ConsolePalette", "dark grey"),
    QT_TRANSLATE_NOOP("ConsolePalette", "light blue"),
    QT_TRANSLATE_NOOP("ConsolePalette", "light green"),
    QT_TRANSLATE_NOOP("ConsolePalette", "light cyan"),
    QT_TRANSLATE_NOOP("ConsolePalette", "light red"),
    QT_TRANSLATE_NOOP("ConsolePalette", "light magenta"),
    QT_TRANSLATE_NOOP("ConsolePalette", "yellow"),
    QT_TRANSLATE_NOOP("ConsolePalette", "white"),
};

int wrap(int index) {
    return ((index % ConsolePalette::kCount) + ConsolePalette::kCount) % ConsolePalette::kCount;
}

}  // namespace

Rgb ConsolePalette::colour(int index) { return kColours[static_cast<std::size_t>(wrap(index))]; }

const char* ConsolePalette::name(int index) {
    return kNames[static_cast<std::size_t>(wrap(index))];
}
