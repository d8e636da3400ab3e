// Both draws: the opponent's (before or after the player's) and the
// player's, which ends with the opening of the second betting turn.
#include <array>

#include "common/disposition.h"
#include "common/etat.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "render/offres.h"
#include "rules/plaques.h"
#include "rules/second_tour.h"
#include "rules/tirage_cowboy.h"
#include "table/jeu.h"
#include "table/jeu_interne.h"

void Jeu::TirageCowboy(bool ApresJoueur) {
    const TirageDecide tirage = ChoixTirageCowboy(e, e.argent, ApresJoueur);
    Dit(tirage.phrase);
    Parole();

    // The hands show the kept cards, then take the new ones one by one.
    const int K = static_cast<int>(tirage.garde.size());
    for (int i = K; i <= 5; ++i) {
        f.AffMainsCartes(i);
        Attendre(i == K ? Delai::Turn : Delai::Card);
    }
    e.donne.GardeCowboy = tirage.garde;

    // Drawing first, the tells judge the hand before the new cards come.
    if (!ApresJoueur) f.ArmeTics();
    TireNouvellesCartes(e.donne, tirage.garde);
    if (observateur) observateur->Tirage(true, tirage.garde);
    if (ApresJoueur) f.ArmeTics();
}

void Jeu::BtnDrawUp_Click() {
    Mises& m = e.mises;
    Donne& donne = e.donne;
    const Disposition& d = DispositionDuJeu();

    f.Desactive();
    m.MiseCourante = 0;
    AppuiBouton(*f.BtnDrawUp, *f.BtnDrawDown);
    f.TrameDraw->Show();
    for (Picture* c : f.Cards) c->SetEnabled(false);

    // The marked cards leave, back at their normal height.
    donne.NbCartesChangees = 0;
    for (Picture* c : f.Cards) {
        if (c->Top() != d.TopCarteChoisie) continue;
        ++donne.NbCartesChangees;
        c->Hide();
        c->SetTop(d.TopCarteNormale);
        Attendre(Delai::Card);
    }

    // A back in each empty place...
    std::array<bool, 5> nouvelle{};
    for (int i = 0; i < 5; ++i) {
        Picture& c = *f.Cards[i];
        if (c.Visible()) continue;
        nouvelle[i] = true;
        f.PeintDos(c);
        c.Show();
        if (i != 4) Attendre(Delai::Card);
    }
    Attendre(Delai::Turn);

    // ...then its new face, from the cards neither hand has held.
    for (int i = 0; i < 5; ++i) {
        if (!nouvelle[i]) continue;
        donne.CartesPlayer[i] = TireCarte(donne, MarqueCarte::Player);
        Picture& c = *f.Cards[i];
        f.PeintFace(c, donne.Valeur, donne.Couleur);
        c.update();
        Attendre(Delai::Card);
    }

    if (observateur) {
        std::string changees;
        for (int i = 0; i < 5; ++i)
            if (nouvelle[i]) changees += char('1' + i);
        observateur->Tirage(false, changees);
    }

    for (int i = 0; i < 3; ++i) f.Line1[i].SetVisible(false);
    Attendre(Delai::Turn);

    if (!m.ApresDraw) {
        // The opponent draws second; the player opens the second turn.
        TirageCowboy(true);
        PoseOffre(f, Offre::Ouverture);
        m.ApresDraw = true;
        f.Active();
        return;
    }

    // The opponent drew first: it opens the second turn.
    const CodeAction choix = ActionCowboyApresDraw(e, e.argent);
    const ParoleCowboy dite = BaisseMise(choix, e.argent.cowboy, e.argent.player, SansMise::Passe);
    Dit(dite.phrase, dite.code);
    Parole();
    if (GenreAction(dite.code) == "PA") {
        m.CowboyParole = true;
        PoseOffre(f, Offre::Check);
    } else {
        MiseCowboy(dite.code);
    }
    f.Active();
}
