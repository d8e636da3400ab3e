// The showdown and the Check button that leads straight to it.
#include "common/etat.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "rules/abattage.h"
#include "table/jeu.h"
#include "table/jeu_interne.h"

void Jeu::Abattage() {
    Donne& donne = e.donne;
    f.MontreCartesCowboy();
    const bool cowboyGagne =
        QuiGagne(e.eval, donne.Paquet, donne.CartesCowboy, donne.CartesPlayer, &f) == "Cowboy";
    if (observateur) observateur->Abattage(cowboyGagne);
    Dit(cowboyGagne ? TextesJeu::JaiGagne : TextesJeu::JaiPerdu);
    AttenteOK(*f.Bobble, [this] { Interromps(); });

    f.CowboyGame->Hide();
    f.RecopieTable(*f.FenetrePot);

    // Asked again: the same hands give the same answer.
    const bool paieCowboy =
        QuiGagne(e.eval, donne.Paquet, donne.CartesCowboy, donne.CartesPlayer, &f) == "Cowboy";
    if (paieCowboy)
        f.AffBilletsCowboy(e.argent.pot, "+");
    else
        f.AffBilletsPlayer(e.argent.pot, "+");
    e.argent.pot = 0;
    f.MontreArgent();
    if (observateur) observateur->PotPaye(paieCowboy);
    Attendre(Delai::Turn);

    if (FinJeu())
        ApresFinJeu();
    else
        NouvelleMise();
}

void Jeu::BtnCheckUp_Click() {
    e.mises.MiseCourante = 0;
    AppuiBouton(*f.BtnCheckUp, *f.BtnCheckDown);
    Abattage();
    f.Active();
}
