#pragma once

#include <array>
#include <string_view>

#include "language/core/translatable.h"

// The picture buttons whose faces carry a word. The artwork generator draws
// each face in English and again for every language the program speaks, with
// the word translated under kContext, beside the English face
// (AnimationTable::languageName); the picture files read the pupil's
// language's face first.
class WordedFaces {
public:
    struct Face {
        std::string_view file;  // as the generator writes it
        const char* word;       // English, the text to translate
        // Shown on the menu's lighter blue as well as on the darker screens,
        // so the face fills its whole picture and no background shows round it.
        bool onEveryBackground;
    };

    static constexpr const char* kContext = "ButtonFace";

    static constexpr std::array<Face, 6> kAll{{
        //: On a button picture of 119 by 33 pixels, so keep it short: leaves the screen.
        {"Images/exit.jpg", QT_TRANSLATE_NOOP("ButtonFace", "Exit"), true},
        //: On a button picture of 119 by 33 pixels, so keep it short: the next question.
        {"Images/next.jpg", QT_TRANSLATE_NOOP("ButtonFace", "Next"), false},
        //: On a button picture of 119 by 33 pixels, so keep it short: shows the answer.
        {"Images/answer.jpg", QT_TRANSLATE_NOOP("ButtonFace", "Answer"), false},
        //: On a button picture of 119 by 33 pixels, so keep it short: checks the pupil's answer.
        {"Images/check.jpg", QT_TRANSLATE_NOOP("ButtonFace", "Check"), false},
        //: On a button picture of 119 by 33 pixels, so keep it short: opens the scribbling pad.
        {"Images/jotter.jpg", QT_TRANSLATE_NOOP("ButtonFace", "Jotter"), false},
        //: On a button picture of 119 by 33 pixels, so keep it short: mixes up the order.
        {"Images/scramble.jpg", QT_TRANSLATE_NOOP("ButtonFace", "Scramble"), false},
    }};

    // Whether a picture name, as the screens write it ("images\check.jpg", in
    // any case), is one of the faces above.
    static bool isWorded(std::string_view name);
};
