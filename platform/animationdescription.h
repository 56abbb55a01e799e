#pragma once

#include <QString>

struct FrameSequence;

// What an animation shows, in a sentence a screen reader speaks and gives as
// the name of the picture it plays in; empty for a sequence not in the table.
QString animationDescription(const FrameSequence& sequence);
