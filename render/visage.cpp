// The opponent's face: the ticks of the ten face timers. Every frame is one
// masked copy of a face-sized picture at (0, 0) of the face window, then a
// repaint of that window alone; the mask keeps the rest of the face as the
// window holds it.
#include <optional>
#include <span>

#include "common/durees.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "platform/raster.h"
#include "render/attendre.h"
#include "render/form1.h"

namespace {

// A frame: the picture, the mask of the part it changes, and the pause
// before the next frame of the same tick, if any.
struct Cadre {
    const char* image;
    const char* masque;
    std::optional<Delai> pause = std::nullopt;
};

// The idle face of each character: eyes for the blink, the squint (the
// Mexican's has two frames) and the mouth (none for the Mexican).
struct Face {
    Cadre yeuxOuverts, yeuxFermes;
    std::span<const Cadre> plisse;
    const Cadre* boucheOuverte;
    const Cadre* boucheFermee;
};

constexpr Cadre kPlisseCowboy[] = {{"YeuxPlisses", "VisageYeuxMask"}};
constexpr Cadre kPlisseMex[] = {{"MexYeuxPlis1", "MexYeuxMask", Delai::PlisseMexicain}, {"MexYeuxPlis2", "MexYeuxMask"}};
constexpr Cadre kPlisseFille[] = {{"FilleYeuxPlisses", "FilleYeuxMask"}};
constexpr Cadre kBouchesCowboy[] = {{"VBoucheOuverte", "VisageBoucheMask"},
                                    {"VBoucheFermee", "VisageBoucheMask"}};
constexpr Cadre kBouchesFille[] = {{"FilleBoucheOuverte", "FilleBoucheMask"},
                                   {"FilleBoucheFermee", "FilleBoucheMask"}};

constexpr Face kFaces[] = {
    {{"VisageYeuxOuverts", "VisageYeuxMask"}, {"VisageCligne", "VisageYeuxMask"}, kPlisseCowboy,
     &kBouchesCowboy[0], &kBouchesCowboy[1]},
    {{"MexYeuxOuverts", "MexYeuxMask"}, {"MexYeuxFermes", "MexYeuxMask"}, kPlisseMex, nullptr,
     nullptr},
    {{"FilleYeuxOuverts", "FilleYeuxMask"}, {"FilleYeuxFermes", "FilleYeuxMask"}, kPlisseFille,
     &kBouchesFille[0], &kBouchesFille[1]},
};

// No face once the band is beaten (4) or before any game (0).
const Face* FaceDe(int16_t perso) {
    return perso >= 1 && perso <= 3 ? &kFaces[perso - 1] : nullptr;
}

// The tells, each played once by its own timer. The cowboy's two only
// while his eyes are open.
constexpr Cadre kYeuxCarte[] = {{"YeuxCarte1", "VisageYeuxMask", Delai::YeuxCarte},
                                {"YeuxCarte2", "VisageYeuxMask", Delai::YeuxCarte},
                                {"VisageYeuxOuverts", "VisageYeuxMask"}};
constexpr Cadre kYeuxAnime[] = {{"YeuxAnime1", "VisageYeuxMask", Delai::YeuxAnime},
                                {"YeuxAnime2", "VisageYeuxMask", Delai::YeuxAnime},
                                {"YeuxAnime3", "VisageYeuxMask", Delai::YeuxAnime},
                                {"VisageYeuxOuverts", "VisageYeuxMask"}};
constexpr Cadre kMexDent[] = {{"MexDent1", "MexVisageMask", Delai::MexDent}, {"MexVisage", "MexVisageMask"}};
constexpr Cadre kFilleTicYeux[] = {{"FilleYeuxTic", "FilleYeuxMask"}};
constexpr Cadre kFilleTicBouche[] = {{"FilleBoucheTic", "FilleBoucheMask"}};

// The Mexican's drop, by `FrameGoutte`: four frames running down, then the
// rest face.
constexpr Cadre kGoutte[] = {{"MexGoutte1", "MexGoutteMask"}, {"MexGoutte2", "MexGoutteMask"},
                             {"MexGoutte3", "MexGoutteMask"}, {"MexGoutte4", "MexGoutteMask"},
                             {"MexVisage", "MexVisageMask"}};

// The cigar, by `FrameCigare`: the frame, the range of the next interval,
// and the next step.
struct PasCigare {
    Cadre cadre;
    Plage prochain;
    int16_t suivant;
};
constexpr PasCigare kCigare[] = {
    {{"MexCigare1", "MexVisageMask"}, kCigareAllume, 1},
    {{"MexCigare2", "MexVisageMask"}, kCigareBouffee, 2},
    {{"MexCigare3", "MexVisageMask"}, kCigareBouffee, 3},
    {{"MexCigare4", "MexVisageMask"}, kCigareBouffee, 4},
    {{"MexCigare5", "MexVisageMask"}, kCigareBouffee, 5},
    {{"MexVisage", "MexVisageMask"}, kCigareRepos, 0},
};

}  // namespace

void Form1::DessineVisage(const char* image, const char* masque) {
    const QImage& img = ImageMagasin(image);
    CopieMasquee(*FenetreVisage, 0, 0, img.width(), img.height(), img, ImageMagasin(masque));
    FenetreVisage->Refresh();
}

namespace {

// The frames of one tick, with their pauses (other timers may draw in them).
void Joue(Form1& f, std::span<const Cadre> cadres) {
    for (const Cadre& c : cadres) {
        f.DessineVisage(c.image, c.masque);
        if (c.pause) Attendre(*c.pause);
    }
}

// A one-shot tell: plays (unless it needs open eyes and they are closed,
// then it is lost) and stops its timer.
void Tell(Form1& f, Minuterie& timer, std::span<const Cadre> cadres, bool yeuxOuvertsSeulement) {
    if (!(yeuxOuvertsSeulement && EtatDuJeu().scene.YeuxFermes)) Joue(f, cadres);
    timer.SetInterval(0);
}

}  // namespace

void Form1::TimerCligne_Timer() {
    const Face* face = FaceDe(EtatDuJeu().partie.PersoCowboy);
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
    const Face* face = FaceDe(EtatDuJeu().partie.PersoCowboy);
    if (face && face->boucheOuverte) {
        bool& ouverte = EtatDuJeu().scene.BoucheOuverte;
        const Cadre& c = ouverte ? *face->boucheFermee : *face->boucheOuverte;
        DessineVisage(c.image, c.masque);
        ouverte = !ouverte;
    }
    TimerDent->SetInterval(TirageDans(kBouche));
}

void Form1::TimerYeuxPlisses_Timer() {
    const Face* face = FaceDe(EtatDuJeu().partie.PersoCowboy);
    if (!face) return;
    // The squint stays until the next blink redraws the eyes.
    if (!EtatDuJeu().scene.YeuxFermes) Joue(*this, face->plisse);
    TimerYeuxPlisses->SetInterval(TirageDans(kPlisse));
}

void Form1::TimerMexCigare_Timer() {
    int16_t& pas = EtatDuJeu().scene.FrameCigare;
    if (pas < 0 || pas > 5) return;
    const PasCigare& p = kCigare[pas];
    DessineVisage(p.cadre.image, p.cadre.masque);
    TimerMexCigare->SetInterval(TirageDans(p.prochain));
    pas = p.suivant;
}

void Form1::TimerYeuxCarte_Timer() { Tell(*this, *TimerYeuxCarte, kYeuxCarte, true); }
void Form1::TimerYeuxAnime_Timer() { Tell(*this, *TimerYeuxAnime, kYeuxAnime, true); }
void Form1::TimerMexDent_Timer() { Tell(*this, *TimerMexDent, kMexDent, false); }
// The girl's tics need no open eyes; they stay until the eyes or the mouth
// are drawn again.
void Form1::TimerFilleTicYeux_Timer() { Tell(*this, *TimerFilleTicYeux, kFilleTicYeux, false); }
void Form1::TimerFilleTicBouche_Timer() {
    Tell(*this, *TimerFilleTicBouche, kFilleTicBouche, false);
}

// The drop resumes where it stopped: only its first frame sets the 100 ms
// spacing, so a drop cut short and armed again runs on at the armed interval.
void Form1::TimerMexGoutte_Timer() {
    int16_t& pas = EtatDuJeu().scene.FrameGoutte;
    if (pas < 0 || pas > 4) return;
    DessineVisage(kGoutte[pas].image, kGoutte[pas].masque);
    if (pas == 0) TimerMexGoutte->SetInterval(kGoutteFrame);
    if (pas < 4) {
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
