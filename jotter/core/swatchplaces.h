#pragma once

// Where the Jotter's colour swatches stand, in twips, worked out from the
// place of swatch 0 of each array as the pad's load handler lays them out:
// one row of sixteen in the landscape bar, two columns of eight in the
// portrait column.
class SwatchPlaces {
public:
    struct Place {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;

        friend bool operator==(const Place&, const Place&) = default;
    };

    static constexpr int kRowTop = 285;
    static constexpr int kRowPitch = 305;
    static constexpr int kColumnGap = 50;
    static constexpr int kColumnPitch = 400;
    static constexpr int kPerColumn = 8;

    // Swatch i of the landscape row (Label1), given swatch 0.
    static Place landscape(int index, const Place& first);
    // Swatch i of the portrait columns (Label11), given swatch 0.
    static Place portrait(int index, const Place& first);
};
