// What the flow's own files share and nobody else needs.
#pragma once

// Thrown by the OK wait when a new game was asked for from the menu; the
// handler that started the showdown catches it and starts that game.
struct NouvellePartieDemandee {};

#include "common/cartes.h"
#include "common/etat.h"

// Draws cards until one is still in the deck (value first, then suit, two
// fresh draws per attempt), marks it for its holder and returns it; leaves
// it in Valeur and Couleur.
Carte TireCarte(Donne& donne, MarqueCarte marque);
