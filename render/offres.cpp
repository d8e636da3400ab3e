#include "render/offres.h"

#include "common/etat.h"
#include "render/form1.h"
#include "rules/plaques.h"

namespace {

// The board that says what the plates do, and the plate rule: the plates
// the money allows, and the boards' covers shown when no plate is left.
// While a plate is left, the covers of the Raise board and of the board
// shown are opened; a raise leaves the hidden Bet board's cover as it is
// (every cover set on a hidden board still makes Qt work out again which
// controls hide the table). The other board goes first, so that its cover
// is never drawn on its way out.
void PlaquesEtTableau(Form1& f, bool relance) {
    (relance ? f.BtnBet : f.BtnRaise)->Hide();
    const Etat& e = EtatDuJeu();
    const Plaques plaques = RegleDesPlaques(e.mises.MiseCourante, e.argent.player, e.argent.cowboy);
    for (int i : kTramesPlaques) {
        const bool couverte = i < 3 ? plaques.couvertes[i] : plaques.tableauxCouverts;
        if (couverte || i != 6 || !relance) f.TramePlaque[i].SetVisible(couverte);
    }
    (relance ? f.BtnRaise : f.BtnBet)->Show();
}

// The cards take no click and their frame is hidden, outside the draw.
void SansTirage(Form1& f) {
    for (Picture* c : f.Cards) c->SetEnabled(false);
    for (int i = 0; i < 3; ++i) f.Line1[i].SetVisible(false);
}

// Each offer hides first the buttons that go, then sets the covers, then
// shows the buttons that come: a cover changed on a shown button would be
// painted on its way in or out for nothing.

void Rien(Form1& f) {
    for (Picture* b : {f.BtnCheckUp, f.BtnFoldUp, f.BtnRaise}) b->Hide();
    for (Picture* c : {f.TrameOK, f.TrameDraw, f.TrameCall, f.TrameFold, f.TrameCheck, f.TramePass})
        c->Show();
    CouvrePlaques(f);
    for (Picture* b : {f.BtnCallUp, f.BtnPassUp, f.BtnBet}) b->Show();
    SansTirage(f);
}

void Ouverture(Form1& f) {
    f.BtnCheckUp->Hide();
    f.BtnFoldUp->Hide();
    f.TrameCall->Show();
    f.TramePass->Hide();
    f.BtnCallUp->Show();
    f.BtnPassUp->Show();
    PlaquesEtTableau(f, false);
    SansTirage(f);
}

void Check(Form1& f) {
    f.BtnCallUp->Hide();
    f.BtnPassUp->Hide();
    f.TrameCheck->Hide();
    f.TrameFold->Show();
    f.BtnCheckUp->Show();
    f.BtnFoldUp->Show();
    PlaquesEtTableau(f, false);
    SansTirage(f);
}

void ReponseMise(Form1& f) {
    f.BtnCheckUp->Hide();
    f.BtnPassUp->Hide();
    f.TrameCall->Hide();
    f.TrameFold->Hide();
    f.BtnCallUp->Show();
    f.BtnFoldUp->Show();
    PlaquesEtTableau(f, true);
    SansTirage(f);
}

void Tirage(Form1& f) {
    f.BtnCheckUp->Hide();
    f.BtnOKUp->Hide();
    for (Picture* c : {f.TrameCall, f.TramePass, f.TrameFold}) c->Show();
    CouvrePlaques(f);
    f.TrameDraw->Hide();
    f.BtnCallUp->Show();
    f.BtnDrawUp->Show();
    for (Picture* c : f.Cards) c->SetEnabled(true);
    for (int i = 0; i < 3; ++i) f.Line1[i].SetVisible(true);
}

void OK(Form1& f) {
    f.BtnDrawUp->Hide();
    f.TrameOK->Hide();
    f.BtnOKUp->Show();
    SansTirage(f);
}

}  // namespace

const char* NomOffre(Offre o) {
    switch (o) {
    case Offre::Rien: return "nothing";
    case Offre::Ouverture: return "opening";
    case Offre::Check: return "check";
    case Offre::ReponseMise: return "answer to a bet";
    case Offre::Tirage: return "draw";
    case Offre::OK: break;
    }
    return "OK";
}

void PoseOffre(Form1& f, Offre o) {
    switch (o) {
    case Offre::Rien: Rien(f); break;
    case Offre::Ouverture: Ouverture(f); break;
    case Offre::Check: Check(f); break;
    case Offre::ReponseMise: ReponseMise(f); break;
    case Offre::Tirage: Tirage(f); break;
    case Offre::OK: OK(f); break;
    }
}

void CouvrePlaques(Form1& f) {
    for (int i : kTramesPlaques) f.TramePlaque[i].Show();
}
