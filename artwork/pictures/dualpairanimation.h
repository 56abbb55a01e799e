#pragma once

#include <QImage>
#include <QSize>

#include "artwork/geometry/platonicsolid.h"
#include "artwork/geometry/polyhedron.h"

// A regular solid and its dual turning together: the animations that show
// what "dual" means. The solid is cool and translucent, the dual warm and
// nearly opaque, so the dual's vertices can be seen meeting the solid's faces.
//
// The pair turns about one of its symmetry axes by one symmetry step over the
// whole loop, so the frame after the last is the first again.
class DualPairAnimation {
public:
    enum class Placement {
        // The dual shrunk inside, its vertices on the solid's face centres.
        Inscribed,
        // The dual about the shared midsphere: each edge crosses its partner
        // at right angles, at a dot.
        Crossing,
    };

    struct Setup {
        geometry::PlatonicSolid solid = geometry::PlatonicSolid::Cube;
        Placement placement = Placement::Inscribed;
        // In the solid's coordinates; it is stood upright in the picture.
        geometry::Vec3 axis{0, 1, 0};
        // Turns symmetric about the axis (4 for a cube's face axis, ...).
        int symmetry = 4;
        int frames = 25;
        QSize size{320, 240};
        double pixelsPerUnit = 92.0;
        // How far the viewer looks down on the pair, and its starting turn.
        double elevationDegrees = 24.0;
        double startDegrees = 20.0;
        // The solid's face opacity (0 to 255): see-through when the dual is
        // inside it, more solid when the two cross.
        int solidOpacity = 80;
        // With Inscribed: partway through the loop the dual grows about the
        // centre until its edges cross the solid's, then shrinks back, so every
        // loop shows both the face centres and the crossing.
        bool growToCrossing = false;
    };

    explicit DualPairAnimation(const Setup& setup);

    int frameCount() const { return setup_.frames; }
    // How far the dual has grown at a frame: 0 with its vertices on the face
    // centres, 1 when its edges cross the solid's.
    double growthAt(int index) const;
    // `scale` times as many pixels each way as the setup's size, for
    // high-density screens: the same picture, drawn finer.
    QImage frame(int index, int scale = 1) const;

private:
    Setup setup_;
    geometry::Polyhedron solid_;
    geometry::Polyhedron dual_;
    // How much larger the crossing dual is than the inscribed one.
    double crossingScale_ = 1.0;
    geometry::Mat3 upright_;
};
