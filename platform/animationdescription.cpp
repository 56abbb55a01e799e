#include "platform/animationdescription.h"

#include <QCoreApplication>

#include "module1/framesequence.h"

namespace {

struct Described {
    const AnimationTable::Sequence& sequence;
    const char* text;
};

const Described kDescriptions[] = {
    {AnimationTable::kCubeOctahedron,
     QT_TRANSLATE_NOOP("Animation",
                       "Animation: a cube turns with an octahedron inside it, each corner of the "
                       "octahedron at the centre of a face of the cube.")},
    {AnimationTable::kTetrahedron,
     QT_TRANSLATE_NOOP("Animation",
                       "Animation: a tetrahedron turns with its dual, another tetrahedron, "
                       "growing through it into a star.")},
    {AnimationTable::kDodecahedron,
     QT_TRANSLATE_NOOP("Animation",
                       "Animation: a dodecahedron turns with an icosahedron inside it, each "
                       "corner of the icosahedron at the centre of a face of the dodecahedron.")},
    {AnimationTable::kVoyage,
     QT_TRANSLATE_NOOP("Animation",
                       "The clue: a dodecahedron opens out flat into the graph on this screen, "
                       "and a route travels along half of a circuit.")},
};

}  // namespace

QString animationDescription(const FrameSequence& sequence) {
    for (const Described& d : kDescriptions) {
        if (FrameSequence::of(d.sequence).smallseq == sequence.smallseq)
            return QCoreApplication::translate("Animation", d.text);
    }
    return QString();
}
