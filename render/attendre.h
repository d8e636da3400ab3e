#pragma once
// The game's waits. Both keep the event loop running (repaints, face timers,
// other windows) without burning the processor.

#include <cstdint>

// Waits Tmp milliseconds of elapsed time with the table window refusing
// input, then enables it; Tmp <= 0 returns at once with the table enabled.
// Waits may nest (a face tell waiting inside a longer wait).
void Attendre(const int16_t& Tmp);

// Pumps events with the table enabled until OK sets `OKClique`
// (EtatDuJeu().mises). The caller shows and hides the bubble around it.
void AttenteOK();
