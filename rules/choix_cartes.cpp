#include "choix_cartes.h"

void ChoixCartesCowboy(Evaluation&, const MarquesPaquet&, const Main&, int, bool) {}
