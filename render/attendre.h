#pragma once
// The game's waits. Both keep the event loop running (repaints, face timers,
// other windows) without burning the processor.

#include <cstdint>
#include <functional>

class Picture;

// Waits Tmp milliseconds of elapsed time with the table window refusing
// input, then enables it; Tmp <= 0 returns at once with the table enabled.
// Waits may nest (a face tell waiting inside a longer wait).
void Attendre(const int16_t& Tmp);

// The showdown's wait: shows the bubble `Bobble` (its label already holds
// the sentence), clears `OKClique` (EtatDuJeu().mises), pumps events with the
// table enabled until OK sets it, then sets it and hides the bubble.
// `apresPasse` runs after every pass of events; it may throw to abandon
// the wait.
void AttenteOK(Picture& Bobble, const std::function<void()>& apresPasse = {});
