// The tests' own account of each character's face timers, which the game's
// character sheets must match: the idle timers its body starts, in order,
// with the range Int(Rnd x etendue) + plusBas of each first interval, and
// its tells for a weak and a strong hand.
#pragma once

#include <cstdint>

#include "render/form1.h"

struct VisageAttendu {
    struct Lancement {
        Minuterie* Form1::*timer;
        int etendue, plusBas;
    };
    int16_t perso;
    Lancement ralenti[3];
    Minuterie* Form1::*faible;
    Minuterie* Form1::*fort;
};

inline const VisageAttendu kVisagesAttendus[] = {
    {1,
     {{&Form1::TimerCligne, 1500, 1500},
      {&Form1::TimerDent, 8000, 1000},
      {&Form1::TimerYeuxPlisses, 10000, 5000}},
     &Form1::TimerYeuxCarte,
     &Form1::TimerYeuxAnime},
    // The Mexican has a cigar instead of a mouth animation.
    {2,
     {{&Form1::TimerMexCigare, 10000, 5000},
      {&Form1::TimerCligne, 1500, 1500},
      {&Form1::TimerYeuxPlisses, 10000, 5000}},
     &Form1::TimerMexGoutte,
     &Form1::TimerMexDent},
    {3,
     {{&Form1::TimerDent, 8000, 1000},
      {&Form1::TimerCligne, 1500, 1500},
      {&Form1::TimerYeuxPlisses, 10000, 5000}},
     &Form1::TimerFilleTicYeux,
     &Form1::TimerFilleTicBouche},
};
