#pragma once

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "language/core/translatable.h"

// Every frame animation the program shows, and how its files are named. A
// frame is one GIF file in its sequence's folder: the prefix, the frame number
// from 0 in four digits, ".gif" ("recip1\reci0007.gif"). The screens keep a
// sequence as its folder, prefix and the zeros that always lead the number
// ("recip1\reci00") and write the number after it with at least `digits`
// digits, so both spellings name the same files.
//
// Each picture also has sharper versions for high-density screens and
// projected boards beside it, drawn with two and three times the pixels each
// way: "reci0000@2x.gif" and "reci0000@3x.gif" beside "reci0000.gif".
// A picture with a word on it has a version for each language the program
// speaks beside it too (WordedFaces).
class AnimationTable {
public:
    struct Sequence {
        std::string_view folder;
        std::string_view prefix;
        int frames;
        int digits;  // written after the leading zeros of the screens' name
        // What it shows, as a screen reader says it, in English; translated
        // under kDescriptionContext.
        const char* description;
    };

    static constexpr const char* kDescriptionContext = "Animation";

    static constexpr int kFileDigits = 4;
    static constexpr std::string_view kExtension = ".gif";
    // The sharper versions drawn, coarsest first.
    static constexpr std::array<int, 2> kSharpScales{2, 3};

    // The cube with the octahedron inside: the title and two quiz questions.
    static constexpr Sequence kCubeOctahedron{
        "recip1", "reci", 25, 2,
        QT_TRANSLATE_NOOP("Animation",
                          "Animation: a cube turns with an octahedron inside it, each corner of "
                          "the octahedron at the centre of a face of the cube.")};
    // The tetrahedron crossing its own dual.
    static constexpr Sequence kTetrahedron{
        "newrsm", "newr", 40, 2,
        QT_TRANSLATE_NOOP("Animation",
                          "Animation: a tetrahedron turns with its dual, another tetrahedron, "
                          "growing through it into a star.")};
    // The dodecahedron with the icosahedron inside.
    static constexpr Sequence kDodecahedron{
        "dualsm", "dual", 20, 2,
        QT_TRANSLATE_NOOP(
            "Animation",
            "Animation: a dodecahedron turns with an icosahedron inside it, each "
            "corner of the icosahedron at the centre of a face of the dodecahedron.")};
    // The clue to Hamilton's voyage.
    static constexpr Sequence kVoyage{
        "voyvivsm", "voyv", 120, 3,
        QT_TRANSLATE_NOOP("Animation",
                          "The clue: a dodecahedron opens out flat into the graph on this screen, "
                          "and a route travels along half of a circuit.")};

    static constexpr std::array<Sequence, 4> kAll{kCubeOctahedron, kTetrahedron, kDodecahedron,
                                                  kVoyage};

    // The screens' name of a sequence: "recip1\reci00".
    static std::string seriesName(const Sequence& s) {
        std::string name(s.folder);
        name += '\\';
        name += s.prefix;
        name.append(static_cast<std::size_t>(kFileDigits - s.digits), '0');
        return name;
    }

    // Where the version of a picture drawn at `scale` lies: "recip1\reci0000.gif"
    // at 2 gives "recip1\reci0000@2x.gif"; a name without an extension gets
    // "@2x" at its end.
    static std::string sharpName(std::string_view name, int scale) {
        return beforeExtension(name, "@" + std::to_string(scale) + "x");
    }

    // The sharper versions worth reading on a display of `ratio` device
    // pixels to a logical pixel, the best first: each one drawn at no more
    // than the ratio rounded up, the finest first, so that a picture is
    // reduced rather than blown up wherever it can be. None at a ratio of 1.
    static std::vector<int> sharpScalesFor(double ratio) {
        std::vector<int> scales;
        // A ratio a rounding error above a whole number is that number.
        const double wanted = std::ceil(ratio - 1e-6);
        for (auto it = kSharpScales.rbegin(); it != kSharpScales.rend(); ++it)
            if (*it <= wanted) scales.push_back(*it);
        return scales;
    }

    // Where a picture drawn for one language lies, beside the English one:
    // "Images\exit.jpg" in "de" gives "Images\exit.de.jpg", and its sharper
    // versions are sharpName() of that, "Images\exit.de@2x.jpg". No language
    // ("") is English, the name itself.
    static std::string languageName(std::string_view name, std::string_view language) {
        if (language.empty()) return std::string(name);
        return beforeExtension(name, "." + std::string(language));
    }

private:
    // `name` with `insert` put before its extension; a dot in a folder's name
    // does not start one.
    static std::string beforeExtension(std::string_view name, const std::string& insert) {
        const std::size_t dot = name.rfind('.');
        const std::size_t slash = name.find_last_of("\\/");
        const bool hasExtension =
            dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
        const std::size_t cut = hasExtension ? dot : name.size();
        std::string out(name.substr(0, cut));
        out += insert;
        out += name.substr(cut);
        return out;
    }
};
