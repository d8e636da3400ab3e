#include "chronologie.h"

#include <cctype>

#include "common/disposition.h"
#include "common/etat.h"
#include "platform/minuterie.h"
#include "platform/raster.h"
#include "render/form1.h"
#include "support/images.h"
#include "table/offre.h"

namespace {

// In the order of kBoutonsTable.
const char* const kNomsBoutons[] = {"check", "call", "pass", "fold", "ok", "draw", "$50", "$20", "$10"};

bool Vu(Form1& f, const QWidget& w) { return w.isVisibleTo(f.Table); }

// What the table shows under a window placed there.
QImage TableSous(Form1& f, const QRect& r) {
    QImage sous(r.size(), QImage::Format_RGB32);
    Copie(sous, 0, 0, r.width(), r.height(), f.Table->Surface(), r.x(), r.y(), OpRaster::SrcCopy);
    return sous;
}

std::string Offerts(Form1& f) {
    std::string s;
    const auto ajoute = [&s](const std::string& t) { s += (s.empty() ? "" : ",") + t; };
    for (BoutonTable b : BoutonsOfferts(f)) ajoute(kNomsBoutons[static_cast<int>(b)]);
    std::string cartes;
    for (int i = 0; i < 5; ++i)
        if (CarteCliquable(f, i)) cartes += char('1' + i);
    if (!cartes.empty()) ajoute(cartes == "12345" ? "cards" : "cards" + cartes);
    return "offer:" + (s.empty() ? "-" : s);
}

std::string Cartes(Form1& f, Picture& peinte) {
    const Disposition& d = DispositionDuJeu();
    std::string s = "cards:";
    for (int i = 0; i < 5; ++i) {
        Picture& c = *f.Cards[i];
        char vu = '.';
        if (Vu(f, c)) {
            const Carte carte = EtatDuJeu().donne.CartesPlayer[i];
            f.PeintFace(peinte, carte.valeur, carte.couleur);
            vu = c.Surface() == peinte.Surface() ? 'f' : 'x';
            if (vu == 'x') {
                f.PeintDos(peinte);
                if (c.Surface() == peinte.Surface()) vu = 'b';
            }
            if (c.Top() == d.TopCarteChoisie) vu = char(std::toupper(vu));
        }
        s += vu;
    }
    return s;
}

std::string Leurs(Form1& f) {
    if (!Vu(f, *f.CowboyGame)) return "them:-";
    const Disposition& d = DispositionDuJeu();
    const QImage& feuille = ImageMagasin(d.Cartes);
    std::string s = "them:";
    for (int i = 0; i < 5; ++i) {
        const Carte c = EtatDuJeu().donne.CartesCowboy[i];
        const QRect place(12 + i * (d.LargeurCarte + 1), 14, d.LargeurCarte, d.HauteurCarte);
        const QRect cellule((c.valeur - 1) * d.LargeurCarte, (c.couleur - 1) * d.HauteurCarte,
                            d.LargeurCarte, d.HauteurCarte);
        s += MemesPixels(f.CowboyGame->Surface().copy(place), feuille.copy(cellule)) ? 'f' : '.';
    }
    return s;
}

// The hands window against each picture it may hold: the table under it
// with the fan of k cards, then the character's hands over them.
std::string Mains(Form1& f) {
    const Picture& w = *f.FenetreMains;
    if (!Vu(f, w)) return "hands:hidden";
    const QImage sous = TableSous(f, w.geometry());
    if (MemesPixels(w.Surface(), sous)) return "hands:-";
    static const char* const tenues[] = {"Mains", "Cartes1", "Cartes2", "Cartes3", "Cartes4", "Cartes5"};
    // Any character's hands: a game's start shows the last one's a moment.
    for (const std::string mains : {"Mains", "MainsMex", "MainsFille"})
        for (int k = 0; k <= 5; ++k) {
            QImage image = sous;
            const std::string tenue = tenues[k];
            for (const std::string& sprite : {tenue, mains}) {
                const QImage& p = ImageMagasin(sprite.c_str());
                CopieMasquee(image, 0, 0, p.width(), p.height(), p, ImageMagasin((sprite + "Mask").c_str()));
            }
            if (MemesPixels(w.Surface(), image)) return "hands:" + std::to_string(k);
        }
    return "hands:?";
}

std::string VuVisage(Form1& f) {
    const Picture& w = *f.FenetreVisage;
    if (!Vu(f, w)) return "face:hidden";
    return MemesPixels(w.Surface(), TableSous(f, w.geometry())) ? "face:rest" : "face:drawn";
}

std::string VuMedailles(Form1& f) {
    const Disposition& d = DispositionDuJeu();
    static const char* const noms[] = {"CowMed", "MexMed", "FilleMed"};
    std::string s = "meds:";
    for (int k = 0; k < 3; ++k) {
        char vu = '-';
        for (int etat = 1; etat <= 3; ++etat) {
            const QImage& m = ImageMagasin((noms[k] + std::to_string(etat)).c_str());
            if (MemesPixels(TableSous(f, {d.MedX, d.MedY + k * d.MedDY, m.width(), m.height()}), m))
                vu = char('0' + etat);
        }
        s += vu;
    }
    return s;
}

// The bills a pile shows, read from its pixels: the top bill's first row is
// the first that differs from the table, and it must show that bill at its
// level's x. -1 for a picture that is no pile, -2 for a hidden window.
int Billets(Form1& f, bool cowboy) {
    const Disposition& d = DispositionDuJeu();
    const Picture& w = cowboy ? *f.PileBilletsCowboy : *f.PileBilletsPlayer;
    if (!Vu(f, w)) return -2;
    const QImage sous = TableSous(f, w.geometry());
    const QImage& s = w.Surface();
    int premiere = 0;
    while (premiere < s.height() && std::memcmp(s.constScanLine(premiere), sous.constScanLine(premiere),
                                                size_t(s.width()) * 4) == 0)
        ++premiere;
    if (premiere == s.height()) return 0;
    const QImage& billet = ImageMagasin(cowboy ? "BillCowboy" : "BillPlayer");
    const QImage& masque = ImageMagasin(cowboy ? "BillCowboyMask" : "BillPlayerMask");
    int haut = 0;  // the mask's first row that shows the bill
    while (haut < masque.height() && [&] {
        for (int x = 0; x < masque.width(); ++x)
            if ((masque.pixel(x, haut) & 0xFFFFFF) == 0) return false;
        return true;
    }())
        ++haut;
    // Bill n lies at base - 2n, two pixels above the one below it.
    const int base = (cowboy ? d.PileYCowboy : d.PileYPlayer) - w.Top();
    const int deux = base + haut - premiere;
    const int n = deux / 2;
    if (deux % 2 != 0 || n < 1 || n > 100) return -1;
    const int x = (cowboy ? EtatDuJeu().scene.PilesXCowboy : EtatDuJeu().scene.PilesXPlayer)[10 * n];
    QImage attendu = s.copy();
    CopieMasquee(attendu, x, base - 2 * n, masque.width(), masque.height(), billet, masque);
    return attendu == s ? n : -1;
}

// A caption pair: "P$380", both labels when they differ, and what its pile
// or heap shows when that does not match it.
std::string Legende(Form1& f, const char* nom, const PaireEtiquettes& paire, const std::string& ecart) {
    std::string s = nom;
    s += paire[0].Texte();
    if (paire[1].Texte() != paire[0].Texte()) s.append("/").append(paire[1].Texte());
    if (!Vu(f, paire[0]) || !Vu(f, paire[1])) s += "(hidden)";
    return s + ecart;
}

std::string Pile(Form1& f, bool cowboy) {
    const PaireEtiquettes& paire = cowboy ? f.CowboyMoney : f.PlayerMoney;
    const int billets = Billets(f, cowboy);
    std::string ecart;
    if (billets == -2) ecart = "[hidden]";
    else if (billets == -1) ecart = "[?]";
    else if (billets != LitArgent(paire[0].Texte()) / 10) ecart.append("[").append(std::to_string(billets)).append("]");
    return Legende(f, cowboy ? "C" : "P", paire, ecart);
}

std::string Pot(Form1& f) {
    const Picture& w = *f.FenetrePot;
    const bool vide = MemesPixels(w.Surface(), TableSous(f, w.geometry()));
    const bool pot = LitArgent(f.Pot[0].Texte()) > 0;
    const std::string ecart = !Vu(f, w) ? "[hidden]" : vide == pot ? (vide ? "[empty]" : "[bills]") : "";
    return Legende(f, "pot", f.Pot, ecart);
}

}  // namespace

Chronologie::Chronologie(Form1& f, Jeu& jeu)
    : f_(f), jeu_(jeu), avant_(jeu.observateur),
      carte_(std::make_unique<Picture>(nullptr, 0, 0, DispositionDuJeu().LargeurCarte,
                                       DispositionDuJeu().HauteurCarte)) {
    Minuterie::Suspend(true);
    jeu_.observateur = this;
    ObserveAttentes(this);
    Note("start");
}

Chronologie::~Chronologie() {
    ObserveAttentes(nullptr);
    jeu_.observateur = avant_;
    Minuterie::Suspend(false);
}

std::vector<std::string> Chronologie::Vue() const {
    Form1& f = f_;
    const std::string bulle = Vu(f, *f.Bobble) ? std::string("'").append(f.Say->Texte()).append("'") : "-";
    const bool cadre = Vu(f, f.Line1[0]) || Vu(f, f.Line1[1]) || Vu(f, f.Line1[2]);
    return {Offerts(f),     "bubble:" + bulle, Cartes(f, *carte_), Leurs(f),
            Mains(f),       VuVisage(f),       cadre ? "frame:on" : "frame:off",
            VuMedailles(f), Pile(f, false),    Pile(f, true),      Pot(f)};
}

void Chronologie::Note(const std::string& evenement) {
    std::vector<std::string> vue = Vue();
    std::string ligne = evenement;
    for (size_t i = 0; i < vue.size(); ++i)
        if (vues_.empty() || vue[i] != vues_.back()[i]) ligne += " " + vue[i];
    vues_.push_back(std::move(vue));
    lignes_.push_back(ligne);
}

void Chronologie::Donne() {
    // Five backs, the turn, two antes, the card between the pot's bills,
    // five faces.
    constexpr size_t kAttentes = 14;
    if (!donnesResumees || lignes_.size() <= kAttentes) return;
    lignes_.resize(lignes_.size() - kAttentes);
    vues_.resize(lignes_.size());
    Note("deal");
}

void Chronologie::Attente(Delai quoi, int ms, int) {
    switch (quoi) {
    case Delai::Card: return Note("card");
    case Delai::Turn: return Note("turn");
    case Delai::Bill: return Note("bill");
    case Delai::Bouton: return Note("press");
    default: return Note(NomDelai(quoi) + std::to_string(ms));
    }
}

void Chronologie::Parole(const std::string& phrase, std::string_view) { Note("say:'" + phrase + "'"); }
