// The opponent's face: the ticks of the ten face timers. Every frame is one
// masked copy of a face-sized picture at (0, 0) of the face window, then a
// repaint of that window alone; the mask keeps the rest of the face as the
// window holds it.
#include <span>

#include "common/durees.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/personnages.h"
#include "platform/raster.h"
#include "render/attendre.h"
#include "render/form1.h"

namespace {

// The idle face of the current character; none once the band is beaten or
// before any game.
const Visage* FaceDe(int16_t perso) {
    const Personnage* fiche = FichePerso(perso);
    return fiche ? &fiche->visage : nullptr;
}

// The frames of one tick, with their pauses (other timers may draw in them).
void Joue(Form1& f, std::span<const Cadre> cadres) {
    for (const Cadre& c : cadres) {
        f.DessineVisage(c.image, c.masque);
        if (c.pause) Attendre(*c.pause);
    }
}

// A one-shot tell: plays the current character's frames (unless it needs
// open eyes and they are closed, then it is lost) and stops its timer.
void JoueTell(Form1& f, MinuterieVisage m) {
    const Tell* tell = TellDe(EtatDuJeu().partie.PersoCowboy, m);
    if (tell && !(tell->yeuxOuvertsSeulement && EtatDuJeu().scene.YeuxFermes)) Joue(f, tell->cadres);
    f.Timer(m).SetInterval(0);
}

}  // namespace

void Form1::DessineVisage(const char* image, const char* masque) {
    const QImage& img = ImageMagasin(image);
    CopieMasquee(*FenetreVisage, 0, 0, img.width(), img.height(), img, ImageMagasin(masque));
    FenetreVisage->Refresh();
}

void Form1::TimerCligne_Timer() {
    const Visage* face = FaceDe(EtatDuJeu().partie.PersoCowboy);
    if (!face) return;
    Scene& s = EtatDuJeu().scene;
    if (!s.YeuxFermes) {
        DessineVisage(face->yeuxFermes.image, face->yeuxFermes.masque);
        s.YeuxFermes = true;
        TimerCligne->SetInterval(kYeuxFermes);
    } else {
        DessineVisage(face->yeuxOuverts.image, face->yeuxOuverts.masque);
        // One time in four, a quick second blink.
        const bool secondClin = Tirage(kUnSecondClinSur) == 1;
        TimerCligne->SetInterval(TirageDans(secondClin ? kSecondClin : kClinSuivant));
        s.YeuxFermes = false;
    }
}

void Form1::TimerDent_Timer() {
    const Visage* face = FaceDe(EtatDuJeu().partie.PersoCowboy);
    if (face && face->boucheOuverte) {
        bool& ouverte = EtatDuJeu().scene.BoucheOuverte;
        const Cadre& c = ouverte ? *face->boucheFermee : *face->boucheOuverte;
        DessineVisage(c.image, c.masque);
        ouverte = !ouverte;
    }
    TimerDent->SetInterval(TirageDans(kBouche));
}

void Form1::TimerYeuxPlisses_Timer() {
    const Visage* face = FaceDe(EtatDuJeu().partie.PersoCowboy);
    if (!face) return;
    // The squint stays until the next blink redraws the eyes.
    if (!EtatDuJeu().scene.YeuxFermes) Joue(*this, face->plisse);
    TimerYeuxPlisses->SetInterval(TirageDans(kPlisse));
}

void Form1::TimerMexCigare_Timer() {
    int16_t& pas = EtatDuJeu().scene.FrameCigare;
    const std::span<const PasCigare> cigare = Cigare(EtatDuJeu().partie.PersoCowboy);
    if (pas < 0 || pas >= int(cigare.size())) return;
    const PasCigare& p = cigare[pas];
    DessineVisage(p.cadre.image, p.cadre.masque);
    TimerMexCigare->SetInterval(TirageDans(p.prochain));
    pas = p.suivant;
}

void Form1::TimerYeuxCarte_Timer() { JoueTell(*this, MinuterieVisage::YeuxCarte); }
void Form1::TimerYeuxAnime_Timer() { JoueTell(*this, MinuterieVisage::YeuxAnime); }
void Form1::TimerMexDent_Timer() { JoueTell(*this, MinuterieVisage::MexDent); }
void Form1::TimerFilleTicYeux_Timer() { JoueTell(*this, MinuterieVisage::FilleTicYeux); }
void Form1::TimerFilleTicBouche_Timer() { JoueTell(*this, MinuterieVisage::FilleTicBouche); }

// The drop resumes where it stopped: only its first frame sets the 100 ms
// spacing, so a drop cut short and armed again runs on at the armed interval.
void Form1::TimerMexGoutte_Timer() {
    int16_t& pas = EtatDuJeu().scene.FrameGoutte;
    const Tell* tell = TellDe(EtatDuJeu().partie.PersoCowboy, MinuterieVisage::MexGoutte);
    const std::span<const Cadre> goutte = tell ? tell->cadres : std::span<const Cadre>{};
    const int dernier = int(goutte.size()) - 1;
    if (pas < 0 || pas > dernier) return;
    DessineVisage(goutte[pas].image, goutte[pas].masque);
    if (pas == 0) TimerMexGoutte->SetInterval(kGoutteFrame);
    if (pas < dernier) {
        ++pas;
    } else {
        pas = 0;
        TimerMexGoutte->SetInterval(0);
    }
}

void Form1::ConnecteVisage() {
    const std::pair<Minuterie*, void (Form1::*)()> ticks[] = {
        {TimerCligne, &Form1::TimerCligne_Timer},
        {TimerDent, &Form1::TimerDent_Timer},
        {TimerYeuxPlisses, &Form1::TimerYeuxPlisses_Timer},
        {TimerYeuxCarte, &Form1::TimerYeuxCarte_Timer},
        {TimerYeuxAnime, &Form1::TimerYeuxAnime_Timer},
        {TimerMexCigare, &Form1::TimerMexCigare_Timer},
        {TimerMexDent, &Form1::TimerMexDent_Timer},
        {TimerMexGoutte, &Form1::TimerMexGoutte_Timer},
        {TimerFilleTicBouche, &Form1::TimerFilleTicBouche_Timer},
        {TimerFilleTicYeux, &Form1::TimerFilleTicYeux_Timer},
    };
    for (auto [timer, tick] : ticks) timer->SurTick([this, tick = tick] { (this->*tick)(); });
}
