#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>

#include <vector>

#include "artwork/geometry/flattening.h"
#include "artwork/geometry/polyhedron.h"

// The clue to Hamilton's voyage, linking the solid to the board the pupil
// plays on: the dodecahedron turns over to face the pupil, opens out vertex
// by vertex into the Hamilton screen's own drawing (same shape, same way up),
// and stands still while a traveller walks the first half of one of the
// screen's stored circuits, marking each road yellow as the board marks an
// edge. Then the drawing folds back into the solid and the loop begins again.
class VoyageAnimation {
public:
    struct Setup {
        int frames = 120;
        QSize size{320, 240};
        // Which of the board's stored circuits is walked, and how many of its
        // cities, the start included.
        int circuit = 0;
        int cities = 10;
        double pixelsPerUnit = 80.0;
        // The board's twips to the picture's pixels, and where the centre of
        // its rings lands; the solid turns about the same point.
        double pixelsPerTwip = 0.05;
        QPointF centre{160, 124};
    };

    enum class Stage { Turning, Flattening, Walking, Folding };

    explicit VoyageAnimation(const Setup& setup);

    int frameCount() const { return setup_.frames; }
    // `scale` times as many pixels each way as the setup's size.
    QImage frame(int index, int scale = 1) const;

    // The cities visited, in order, as vertex numbers of the solid.
    const std::vector<int>& route() const { return route_; }
    const geometry::Polyhedron& solid() const { return solid_; }
    const geometry::Flattening& flattening() const { return flattening_; }

    Stage stageAt(int index) const;
    // Where a vertex of the board lands in the picture.
    QPointF boardPoint(int boardVertex) const;
    // Where each of the solid's vertices is drawn at a frame that is not
    // turning, in picture pixels.
    std::vector<QPointF> citiesAt(int index) const;

    // How far along the route the traveller is at a frame: 1.5 means halfway
    // from the second city to the third.
    double progressAt(int index) const;
    // How strongly the journey shows at a frame, 0 to 1: it rises as the
    // drawing lies flat and falls away as it folds up again.
    double presenceAt(int index) const;

private:
    QImage turningFrame(int index, int scale) const;
    QImage flatFrame(int index, int scale) const;

    Setup setup_;
    geometry::Polyhedron solid_;
    geometry::Flattening flattening_;
    // The solid face-on, as the camera shows it: where the flattening starts.
    std::vector<geometry::Point2> faceOnPoints_;
    std::vector<int> route_;
};
