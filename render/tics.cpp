// Arming the opponent's tells, and stopping every face timer at a game start.
#include <cmath>

#include "common/durees.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/personnages.h"
#include "render/form1.h"
#include "rules/evaluation.h"
#include "rules/grosse_paire.h"

namespace {

// The tell's delay: its base lengthened by the self-control's share of
// `allonge`, to the nearest whole number, a half to the even neighbour
// (lrint's default rounding; the halves are exact in double).
int DelaiTell(int base, int allonge, int Emotion) {
    return int(std::lrint(base + allonge * double(Emotion) / 100));
}

}  // namespace

void Form1::ArmeTics() {
    Etat& e = EtatDuJeu();
    const Personnage* fiche = FichePerso(e.partie.PersoCowboy);
    if (!fiche) return;
    Minuterie& faible = Timer(fiche->faible.minuterie);
    Minuterie& fort = Timer(fiche->fort.minuterie);
    // The latest call alone decides: a pending tell goes, armed or not.
    faible.SetInterval(0);
    fort.SetInterval(0);
    if (Tirage100() <= e.reglages.Emotion) return;

    EvalueMainComplete(e.eval, e.donne.Paquet, e.donne.CartesCowboy);
    const bool grosse = GrossePaire(e.donne.CartesCowboy, e.reglages.Risk, e.argent.cowboy);
    const double categorie = e.eval.CategorieMain;
    const bool mainFaible = categorie == 0 || (categorie == 1 && !grosse);

    Minuterie& tell = mainFaible ? faible : fort;
    const int base = TirageDans(kDelaiTell);
    const int allonge = Tirage(kAllongeTell);
    tell.SetEnabled(true);
    tell.SetInterval(DelaiTell(base, allonge, e.reglages.Emotion));
}

// All ten, the girl's tells too: a tell armed in the last game would
// otherwise paint her tic onto the next opponent's face.
void Form1::ArretTimers() {
    for (Minuterie* m : TimersVisage) {
        m->SetInterval(0);
        m->SetEnabled(false);
    }
}
