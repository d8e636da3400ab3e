// The opponent's choice of the cards to keep at the draw.
#pragma once

#include "common/cartes.h"
#include "common/etat.h"

// Tries the candidate keeps of the opponent's hand and records the one with
// the best chance of improving (MeilleureProba, GardeProba) and the one with
// the best expected weight (MeilleurPoids, GardePoids). Each estimate is
// blurred by the opponent's skill, with two draws per candidate. With
// `Limite` only keeps of three cards or more are tried. When the likeliest
// keep holds four cards it is also the weight choice. On return
// CategorieMain holds the exact category of the five cards.
void ChoixCartesCowboy(Evaluation& ev, const MarquesPaquet& paquet, const Main& CartesCowboy,
                       int Skill, bool Limite);
