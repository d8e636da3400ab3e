// The table's layout constants, set once by the start-up and read by the
// drawing and the flow: card cell, card tops, pile bases, medallion column,
// each character's body, hands and face positions, and the face sheet in use.
#pragma once

#include <cstdint>

// Where a character's body sprite, hands window and face window stand.
struct GeoPerso {
    int16_t CorpsX = 0, CorpsY = 0;
    int16_t MainsX = 0, MainsY = 0;
    int16_t VisageX = 0, VisageY = 0;
    friend bool operator==(const GeoPerso&, const GeoPerso&) = default;
};

// Where the start-up places the table's controls, in pixels of the table.
// The action column: fold and pass at its foot, call and check just above,
// draw and OK above them, each one pixel above the button under it.
inline constexpr int BoutonsX = 551;
inline constexpr int BoutonsPiedY = 440;
// The $50, $20 and $10 plates side by side, each starting where the one
// before it ends; the bet and raise boards under them.
inline constexpr int PlaquesX = 450;
inline constexpr int PlaquesY = 380;
inline constexpr int LargeurPlaque50 = 37;
inline constexpr int LargeurPlaque20 = 30;
inline constexpr int PlanchesDY = 88;
// The speech bubble, and the sentence's label inside it.
inline constexpr int BobbleX = 400, BobbleY = 34;
inline constexpr int BobbleLargeur = 153, BobbleHauteur = 33;
inline constexpr int SayX = 3, SayY = 6, SayLargeur = 145, SayHauteur = 25;
inline constexpr int CowboyGameX = 73, CowboyGameY = 256;

struct Disposition {
    int16_t LargeurCarte = 71;
    int16_t HauteurCarte = 96;
    int16_t TopCarteNormale = 393;
    int16_t TopCarteChoisie = 381;  // a card marked for the draw stands higher
    int16_t PileXPlayer = 27, PileYPlayer = 394;
    int16_t PileXCowboy = 124, PileYCowboy = 276;
    int16_t MedX = 580, MedY = 25;
    int16_t MedDY = 80;             // a medallion's height + 15
    GeoPerso GeoCowboy{174, 48, 303, 174, 308, 106};
    GeoPerso GeoMex{125, 16, 286, 189, 276, 81};
    GeoPerso GeoFille{212, 18, 305, 166, 315, 68};
    // Name in the picture store of the face sheet in use: "TabCartes"
    // (Typical) or "TabCartes2" (Western); the options may switch it.
    const char* Cartes = "TabCartes";
};

// The layout of this run.
inline Disposition& DispositionDuJeu() {
    static Disposition disposition;
    return disposition;
}
