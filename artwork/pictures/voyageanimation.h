#pragma once

#include <QImage>
#include <QSize>

#include <vector>

#include "geometry/mat3.h"
#include "geometry/polyhedron.h"

// The clue to Hamilton's voyage: a solid dodecahedron turns slowly while a
// traveller sets out from one city (vertex), walks along the roads (edges)
// and lights each city it reaches, never coming back to one. It stops partway
// round a true circuit, so the pupil sees what a circuit has to do without
// being handed the whole answer; then the lit path fades and the journey
// starts again, so the loop restarts calmly.
class VoyageAnimation {
public:
    struct Setup {
        int frames = 120;
        QSize size{320, 240};
        // Cities on the journey shown, the start included.
        int cities = 9;
        double pixelsPerUnit = 100.0;
        double elevationDegrees = 24.0;
    };

    explicit VoyageAnimation(const Setup& setup);

    int frameCount() const { return setup_.frames; }
    // `scale` times as many pixels each way as the setup's size.
    QImage frame(int index, int scale = 1) const;
    // The cities visited, in order, as vertex numbers of the dodecahedron.
    const std::vector<int>& route() const { return route_; }
    const geometry::Polyhedron& solid() const { return solid_; }

    // How far along the route the traveller is at a frame: 1.5 means halfway
    // from the second city to the third.
    double progressAt(int index) const;
    // How strongly the journey shows at a frame, 0 to 1: it rises as the
    // traveller appears and falls away at the end of the loop.
    double presenceAt(int index) const;

private:
    geometry::Mat3 orientationAt(double frame) const;
    void chooseRoute();

    Setup setup_;
    geometry::Polyhedron solid_;
    geometry::Mat3 upright_;
    // The solid's turn at the first frame, chosen with the route.
    double startAngle_ = 0.0;
    std::vector<int> route_;
};
