#include "jotter/core/jotterpen.h"

#include "jotter/core/consolepalette.h"

JotterPen::JotterPen()
    : m_colour(ConsolePalette::colour(ConsolePalette::kYellow)),
      m_width(kWriteWidth),
      m_savedcolor(m_colour) {}

void JotterPen::write() {
    m_colour = m_savedcolor;
    m_width = kWriteWidth;
}

void JotterPen::erase() {
    m_savedcolor = m_colour;
    m_colour = kEraseColour;
    m_width = kEraseWidth;
}

void JotterPen::clear() {
    if (m_colour == kEraseColour) m_colour = ConsolePalette::colour(ConsolePalette::kYellow);
    m_width = kWriteWidth;
}

void JotterPen::pickSwatch(Rgb colour) {
    m_width = kWriteWidth;
    m_colour = colour;
    m_savedcolor = colour;
}
