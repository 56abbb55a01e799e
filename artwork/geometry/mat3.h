#pragma once

#include <array>
#include <cmath>
#include <numbers>

#include "artwork/geometry/vec3.h"

namespace geometry {

// A 3 by 3 matrix, used for turning solids: products of rotations stay exact
// enough over a few hundred frames that a full turn comes back to the start.
struct Mat3 {
    // Row-major: m[row][column].
    std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

    static constexpr Mat3 identity() { return {}; }

    // Turns by `angle` radians about `axis`, counter-clockwise when the axis
    // points at the viewer (the right-hand rule).
    static Mat3 rotation(const Vec3& axis, double angle) {
        const Vec3 a = normalized(axis);
        const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
        Mat3 r;
        r.m = {{{t * a.x * a.x + c, t * a.x * a.y - s * a.z, t * a.x * a.z + s * a.y},
                {t * a.x * a.y + s * a.z, t * a.y * a.y + c, t * a.y * a.z - s * a.x},
                {t * a.x * a.z - s * a.y, t * a.y * a.z + s * a.x, t * a.z * a.z + c}}};
        return r;
    }
    static Mat3 rotationX(double angle) { return rotation({1, 0, 0}, angle); }
    static Mat3 rotationY(double angle) { return rotation({0, 1, 0}, angle); }
    static Mat3 rotationZ(double angle) { return rotation({0, 0, 1}, angle); }

    // The shortest turn that carries direction `from` onto direction `to`.
    static Mat3 aligning(const Vec3& from, const Vec3& to) {
        const Vec3 f = normalized(from), t = normalized(to);
        const Vec3 axis = cross(f, t);
        const double c = dot(f, t);
        if (length(axis) < 1e-12) {
            if (c > 0) return identity();
            // Opposite directions: any axis at right angles will do.
            const Vec3 helper = std::abs(f.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
            return rotation(cross(f, helper), std::numbers::pi);
        }
        return rotation(axis, std::atan2(length(axis), c));
    }

    constexpr Vec3 operator*(const Vec3& v) const {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
                m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }
    constexpr Mat3 operator*(const Mat3& o) const {
        Mat3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j];
        return r;
    }
    // For a rotation this is its inverse.
    constexpr Mat3 transposed() const {
        Mat3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) r.m[i][j] = m[j][i];
        return r;
    }
};

}  // namespace geometry
