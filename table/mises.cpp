// The player's money actions: bet or raise with the plates, call, fold,
// pass or check, and the opponent's answers.
#include "common/etat.h"
#include "common/personnages.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "render/offres.h"
#include "rules/decisions.h"
#include "rules/plaques.h"
#include "rules/second_tour.h"
#include "table/jeu.h"

void Jeu::BtnBill50Up_Click() {
    AppuiBouton(*f.BtnBill50Up, *f.BtnBill50Down);
    MiseJoueur(50);
}

void Jeu::BtnBill20Up_Click() {
    AppuiBouton(*f.BtnBill20Up, *f.BtnBill20Down);
    MiseJoueur(20);
}

void Jeu::BtnBill10Up_Click() {
    AppuiBouton(*f.BtnBill10Up, *f.BtnBill10Down);
    MiseJoueur(10);
}

void Jeu::MiseJoueur(const int16_t& Montant) {
    Mises& m = e.mises;
    // Nothing else may be pressed meanwhile; Call takes the shared place.
    CouvrePlaques(f);
    for (Picture* c : {f.TrameFold, f.TramePass, f.TrameCall}) c->Show();
    f.BtnCallUp->Show();
    f.BtnCheckUp->Hide();

    // A raise first calls what the opponent put in.
    const bool relance = f.BtnRaise->Visible();
    PaieAuPot(true, relance ? Montant + m.MiseCourante : Montant);
    m.MiseCourante = Montant;
    Attendre(Delai::Turn);

    const CodeAction reponse =
        m.ApresDraw ? ActionCowboyApresDraw2(e, e.argent) : ActionCowboyAvantDraw2(e, e.argent);
    const ParoleCowboy dite =
        BaisseRelance(reponse, m.MiseCourante, e.argent.cowboy, e.argent.player);
    Dit(dite.phrase, dite.code);
    Parole();

    if (dite.code == "CA") {
        PaieAuPot(false, m.MiseCourante);
        Attendre(Delai::Turn);
        m.MiseCourante = 0;
        if (m.ApresDraw) {
            Abattage();
        } else {
            PoseOffre(f, Offre::Tirage);
        }
    } else if (GenreAction(dite.code) == "RA") {
        const int relanceCowboy = MontantAction(dite.code);
        PaieAuPot(false, m.MiseCourante + relanceCowboy);
        m.MiseCourante = static_cast<int16_t>(relanceCowboy);
        Attendre(Delai::Turn);
        PoseOffre(f, Offre::ReponseMise);
    } else {
        // The opponent folds: the player takes the pot, no end-of-game test.
        f.AffBilletsPlayer(e.argent.pot, "+");
        e.argent.pot = 0;
        f.MontreArgent();
        if (observateur) observateur->PotPaye(false);
        Attendre(Delai::Turn);
        m.MiseCourante = 0;
        NouvelleMise();
    }
    f.Active();
}

void Jeu::BtnCallUp_Click() {
    Mises& m = e.mises;
    AppuiBouton(*f.BtnCallUp, *f.BtnCallDown);
    m.MiseSuivie = m.MiseCourante;
    m.MiseCourante = 0;
    PaieAuPot(true, m.MiseSuivie);
    f.TrameCall->Show();

    if (m.ApresDraw) {
        // The enabling comes from the next deal or the end of the game.
        Abattage();
        return;
    }

    // The opponent, whose bet was called, draws first.
    Attendre(Delai::Turn);
    TirageCowboy(false);
    PoseOffre(f, Offre::Tirage);
    m.ApresDraw = true;
    f.Active();
}

void Jeu::BtnFoldUp_Click() {
    f.Desactive();
    e.mises.MiseCourante = 0;
    AppuiBouton(*f.BtnFoldUp, *f.BtnFoldDown);
    f.TrameFold->Show();
    f.TrameCall->Show();
    CouvrePlaques(f);

    Dit(*FicheOuDerniere(e.partie.PersoCowboy).remarque);
    Parole();

    // The opponent takes the pot; a fold never ends the game.
    f.AffBilletsCowboy(e.argent.pot, "+");
    e.argent.pot = 0;
    f.MontreArgent();
    if (observateur) observateur->PotPaye(true);
    Attendre(Delai::Turn);
    NouvelleMise();
    f.Active();
}

void Jeu::BtnPassUp_Click() {
    Mises& m = e.mises;
    f.Desactive();
    m.MiseCourante = 0;
    AppuiBouton(*f.BtnPassUp, *f.BtnPassDown);
    f.TramePass->Show();
    CouvrePlaques(f);

    if (!m.ApresDraw && m.CowboyParole) {
        // The opponent passed first and the player passes too: no sentence,
        // the pot stays for the next hand.
        m.Redonne = true;
        Attendre(Delai::Turn);
        NouvelleMise();
        return;
    }

    if (!m.ApresDraw && e.argent.player > 0 && e.argent.cowboy > 0) {
        // The pass of the first betting turn.
        m.JoueurParole = true;
        const CodeAction choix = ActionCowboyAvantDraw(e, e.argent);
        const ParoleCowboy dite =
            BaisseMise(choix, e.argent.cowboy, e.argent.player, SansMise::PasseAussi);
        Dit(dite.phrase, dite.code);
        Parole(true);
        if (GenreAction(dite.code) == "PA") {
            m.Redonne = true;
            Attendre(Delai::Turn);
            NouvelleMise();
        } else {
            MiseCowboy(dite.code);
        }
        f.Active();
        return;
    }

    // A check: after the draw, or before it while someone has no money.
    Attendre(Delai::Turn);
    const CodeAction choix = ActionCowboyCheckBet(e, e.argent);
    const ParoleCowboy dite = BaisseMise(choix, e.argent.cowboy, e.argent.player, SansMise::Verifie);
    Dit(dite.phrase, dite.code);
    Parole();
    if (GenreAction(dite.code) == "CH")
        Abattage();
    else
        MiseCowboy(dite.code);
    f.Active();
}
