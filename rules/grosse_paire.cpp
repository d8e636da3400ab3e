#include "grosse_paire.h"

#include "common/hasard.h"

bool GrossePaire(const Main& CartesCowboy, int Risk, int argentCowboy) {
    // Jacks and Tens need one success against Risk; Nines and Eights a
    // second one, drawn only after the first succeeded, and a fat pile.
    const bool moyennes = Tirage100() <= Risk;
    const bool petites = moyennes && Tirage100() <= Risk;

    int compte[14] = {};
    for (const Carte& carte : CartesCowboy) {
        switch (carte.valeur) {
        case 1: case 13: case 12:
            ++compte[carte.valeur];
            break;
        case 11: case 10:
            if (moyennes) ++compte[carte.valeur];
            break;
        case 9: case 8:
            if (petites && argentCowboy > 100) ++compte[carte.valeur];
            break;
        default:
            break;
        }
    }
    for (int n : compte)
        if (n >= 2) return true;
    return false;
}
