// Starting a game from the menu, the tournament's games, and the end of a
// game with the tournament's progress.
#include <QPainter>

#include <utility>

#include "common/disposition.h"
#include "common/etat.h"
#include "common/personnages.h"
#include "platform/fenetre_table.h"
#include "platform/outils.h"
#include "platform/raster.h"
#include "render/attendre.h"
#include "render/form1.h"
#include "table/jeu.h"

namespace {

// During the OK wait a game start is only noted: the showdown must unwind
// first, or the new game would receive the old pot.
bool DansAttenteOK() { return PorteeAttenteOK::EnCours(); }

}  // namespace

std::string TexteBandeBattue(int32_t nbCoups, bool enFrancais) {
    // the two line breaks leave a blank line before the last words
    return TextesJeu::BandeBattueDebut.Dans(enFrancais) + std::to_string(nbCoups) +
           TextesJeu::BandeBattueFin.Dans(enFrancais) + "\n\n" +
           TextesJeu::FaitesMieux.Dans(enFrancais);
}

void Jeu::MenuEnter_Click() {
    e.partie.ChoixAnnule = false;
    if (services_.MontreChoose) services_.MontreChoose();
    if (e.partie.ChoixAnnule) return;
    if (DansAttenteOK()) {
        demande_ = PartieDemandee::Entrainement;
        return;
    }
    DemarreEntrainement();
}

void Jeu::DemarreEntrainement() {
    e.partie.PersoCowboy = e.reglages.ChoixCowboy;
    e.partie.ModeTournoi = false;
    f.ArretTimers();
    Attendre(Delai::Turn);
    DebutCommun();
}

void Jeu::TournEasy_Click() {
    if (DansAttenteOK()) demande_ = PartieDemandee::TournoiFacile;
    else DemarreTournoi(300);
}

void Jeu::TournMed_Click() {
    if (DansAttenteOK()) demande_ = PartieDemandee::TournoiMoyen;
    else DemarreTournoi(400);
}

void Jeu::TournHard_Click() {
    if (DansAttenteOK()) demande_ = PartieDemandee::TournoiDifficile;
    else DemarreTournoi(500);
}

void Jeu::DemarreTournoi(int16_t argent) {
    e.partie.PersoCowboy = PersoCowboyCowboy;
    e.partie.NbCoups = 0;
    e.partie.ModeTournoi = true;
    e.partie.ArgentTournoi = argent;
    NouvellePartieTournoi();
}

void Jeu::LanceDemande() {
    switch (std::exchange(demande_, PartieDemandee::Aucune)) {
    case PartieDemandee::Aucune: break;
    case PartieDemandee::Entrainement: DemarreEntrainement(); break;
    case PartieDemandee::TournoiFacile: DemarreTournoi(300); break;
    case PartieDemandee::TournoiMoyen: DemarreTournoi(400); break;
    case PartieDemandee::TournoiDifficile: DemarreTournoi(500); break;
    }
}

void Jeu::NouvellePartieTournoi() {
    Partie& p = e.partie;
    Reglages& r = e.reglages;
    f.ArretTimers();
    Attendre(Delai::Turn);
    // The training set-up is put aside once, at the tournament's first game.
    if (p.PersoCowboy == PersoCowboyCowboy && !p.ReglagesSauves) {
        p.SauveSkill = static_cast<int16_t>(r.Skill);
        p.SauveEmotion = static_cast<int16_t>(r.Emotion);
        p.SauveBluff = static_cast<int16_t>(r.Bluff);
        p.SauveRisk = r.Risk;
        p.SauveArgent = r.ArgentDepart;
        p.ReglagesSauves = true;
    }
    r.ArgentDepart = p.ArgentTournoi;
    if (const Personnage* fiche = FichePerso(p.PersoCowboy)) {
        const Personnalite& b = fiche->bande;
        r.Skill = b.Skill;
        r.Emotion = b.Emotion;
        r.Bluff = b.Bluff;
        r.Risk = b.Risk;
    }
    DebutCommun();
}

void Jeu::DebutCommun() {
    Mises& m = e.mises;
    m.ParleEnPremier = e.reglages.PremierJoueur;
    m.Redonne = false;
    m.NouvellePartie = true;

    // Every level of both piles starts at its pile's base.
    const Disposition& d = DispositionDuJeu();
    const auto basePlayer = static_cast<int16_t>(d.PileXPlayer - f.PileBilletsPlayer->Left());
    const auto baseCowboy = static_cast<int16_t>(d.PileXCowboy - f.PileBilletsCowboy->Left());
    for (int i = 1; i <= 1000; ++i) {
        e.scene.PilesXPlayer[i] = basePlayer;
        e.scene.PilesXCowboy[i] = baseCowboy;
    }

    e.argent.player = e.reglages.ArgentDepart;
    e.argent.cowboy = e.reglages.ArgentDepart;
    e.argent.pot = 0;
    f.MontreArgent();
    if (observateur) observateur->DebutPartie();

    f.Bobble->Hide();
    f.CowboyGame->Hide();
    for (const PaireEtiquettes* paire : {&f.PlayerMoney, &f.CowboyMoney, &f.Pot})
        for (int i = 0; i < 2; ++i) (*paire)[i].SetVisible(true);
    for (int i = 0; i < 3; ++i) f.Line1[i].SetVisible(false);
    NouvelleMise();
}

bool Jeu::FinJeu() {
    if (e.argent.player == 0) {
        Dit(TextesJeu::JaiGagneLaPartie);
        return true;
    }
    if (e.argent.cowboy == 0) {
        Dit(TextesJeu::JaiPerduLaPartie);
        return true;
    }
    return false;
}

void Jeu::ApresFinJeu() {
    Partie& p = e.partie;
    Reglages& r = e.reglages;
    const auto gagnee = [this] { return e.argent.player > 0; };

    // A win against a character the training must unlock raises the unlock
    // marker, and the settings file keeps it.
    const Personnage* fiche = FichePerso(p.PersoCowboy);
    if (gagnee()) r.Progression = ProgressionApresVictoire(p.PersoCowboy, r.Progression);
    if (gagnee() && fiche && fiche->marqueur != 0 && services_.SaveFichierINI)
        services_.SaveFichierINI();
    if (observateur) observateur->FinPartie();

    // The closing sentence stays until the next game starts.
    // Painted by the wait's first pass, or by the next one.
    f.Bobble->Show();
    f.Bobble->update();
    Attendre(kDureeBulle);

    if (!gagnee() || !p.ModeTournoi) return;
    ++p.PersoCowboy;
    if (p.PersoCowboy < PersoBandeBattue) {
        NouvellePartieTournoi();
        return;
    }

    // The band is beaten: the last medallion turns to its beaten picture.
    const Disposition& d = DispositionDuJeu();
    const QImage& medaille = ImageMagasin(FichePerso(kNbPersos)->medailles.battu);
    const QRect place(d.MedX, d.MedY + (kNbPersos - 1) * d.MedDY, medaille.width(), medaille.height());
    Copie(*f.Table, place.x(), place.y(), place.width(), place.height(), medaille, 0, 0,
          OpRaster::SrcCopy);
    f.Table->update(place);
    Pompe();

    p.ModeTournoi = false;
    r.Skill = p.SauveSkill;
    p.ReglagesSauves = false;
    r.Emotion = p.SauveEmotion;
    r.Bluff = p.SauveBluff;
    r.Risk = p.SauveRisk;
    r.ArgentDepart = p.SauveArgent;

    const bool fr = r.Francais();
    MessageOK(&f, QString::fromStdString(TextesJeu::Felicitations.Dans(fr)),
              QString::fromStdString(TexteBandeBattue(p.NbCoups, fr)));
}
