#include "render/offres.h"

#include "common/etat.h"
#include "render/form1.h"
#include "rules/plaques.h"

namespace {

// The plate rule: the plates the money allows, and both boards' covers
// open while one is left; then the board that says what the plates do.
void PlaquesEtTableau(Form1& f, bool relance) {
    const Etat& e = EtatDuJeu();
    const Plaques plaques = RegleDesPlaques(e.mises.MiseCourante, e.argent.player, e.argent.cowboy);
    for (int i : kTramesPlaques)
        f.TramePlaque[i].SetVisible(i < 3 ? plaques.couvertes[i] : plaques.tableauxCouverts);
    f.BtnBet->SetVisible(!relance);
    f.BtnRaise->SetVisible(relance);
}

// The cards take no click and their frame is hidden, outside the draw.
void SansTirage(Form1& f) {
    for (Picture* c : f.Cards) c->SetEnabled(false);
    for (int i = 0; i < 3; ++i) f.Line1[i].SetVisible(false);
}

// Check in Call's place, Fold in Pass's, or the other way round.
void Paires(Form1& f, bool check, bool fold) {
    f.BtnCheckUp->SetVisible(check);
    f.BtnCallUp->SetVisible(!check);
    f.BtnFoldUp->SetVisible(fold);
    f.BtnPassUp->SetVisible(!fold);
}

void Rien(Form1& f) {
    for (Picture* c : {f.TrameOK, f.TrameDraw, f.TrameCall, f.TrameFold, f.TrameCheck, f.TramePass})
        c->Show();
    CouvrePlaques(f);
    Paires(f, false, false);
    f.BtnRaise->Hide();
    f.BtnBet->Show();
    SansTirage(f);
}

void Ouverture(Form1& f) {
    Paires(f, false, false);
    f.TrameCall->Show();
    f.TramePass->Hide();
    PlaquesEtTableau(f, false);
    SansTirage(f);
}

void Check(Form1& f) {
    Paires(f, true, true);
    f.TrameCheck->Hide();
    f.TrameFold->Show();
    PlaquesEtTableau(f, false);
    SansTirage(f);
}

void ReponseMise(Form1& f) {
    Paires(f, false, true);
    f.TrameCall->Hide();
    f.TrameFold->Hide();
    PlaquesEtTableau(f, true);
    SansTirage(f);
}

void Tirage(Form1& f) {
    f.BtnCheckUp->Hide();
    f.BtnCallUp->Show();
    for (Picture* c : {f.TrameCall, f.TramePass, f.TrameFold}) c->Show();
    CouvrePlaques(f);
    f.BtnOKUp->Hide();
    f.BtnDrawUp->Show();
    f.TrameDraw->Hide();
    for (Picture* c : f.Cards) c->SetEnabled(true);
    for (int i = 0; i < 3; ++i) f.Line1[i].SetVisible(true);
}

void OK(Form1& f) {
    f.BtnDrawUp->Hide();
    f.BtnOKUp->Show();
    f.TrameOK->Hide();
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
