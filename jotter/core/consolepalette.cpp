#include "consolepalette.h"

#include <array>

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
    "black",     "blue",          "green",     "cyan",       "red",         "magenta",
    "brown",     "light grey",    "dark grey", "light blue", "light green", "light cyan",
    "light red", "light magenta", "yellow",    "white",
};

int wrap(int index) {
    return ((index % ConsolePalette::kCount) + ConsolePalette::kCount) % ConsolePalette::kCount;
}

}  // namespace

Rgb ConsolePalette::colour(int index) { return kColours[static_cast<std::size_t>(wrap(index))]; }

const char* ConsolePalette::name(int index) {
    return kNames[static_cast<std::size_t>(wrap(index))];
}
