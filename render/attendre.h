#pragma once
// The game's waits. Both keep the event loop running (repaints, face timers,
// other windows) without burning the processor.

#include <cstdint>
#include <functional>

#include "common/durees.h"

class Picture;

// Waits Tmp milliseconds of elapsed time with the table window refusing
// input, then enables it; Tmp <= 0 returns at once with the table enabled.
// Waits may nest (a face tell waiting inside a longer wait).
void Attendre(const int16_t& Tmp);
// The game's own waits name what they wait: a delay setting, read from the
// settings at the call, or a fixed pause.
void Attendre(Delai quoi);

// Told of every named wait as it starts: what it waits, how long, and how
// many waits were under way (0 for the flow's own; a face tell pausing
// inside a wait of the flow, or inside the showdown's OK wait, is deeper).
class ObservateurAttentes {
public:
    virtual ~ObservateurAttentes() = default;
    virtual void Attente(Delai quoi, int ms, int profondeur) = 0;
};
// None in the game; tests and traces attach one and detach it (nullptr).
void ObserveAttentes(ObservateurAttentes* o);

// The showdown's wait: shows the bubble `Bobble` (its label already holds
// the sentence), clears `OKClique` (EtatDuJeu().mises), pumps events with the
// table enabled until OK sets it, then sets it and hides the bubble.
// `apresPasse` runs after every pass of events; it may throw to abandon
// the wait.
void AttenteOK(Picture& Bobble, const std::function<void()>& apresPasse = {});
