#include "verifications.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>
#include <utility>

#include "common/disposition.h"
#include "common/etat.h"
#include "common/personnages.h"
#include "common/textes_jeu.h"
#include "render/form1.h"
#include "table/offre.h"
#include "trace.h"

namespace {

int Indice(const Carte& c) { return (c.valeur - 1) * 4 + (c.couleur - 1); }
bool Valide(const Carte& c) { return c.valeur >= 1 && c.valeur <= 13 && c.couleur >= 1 && c.couleur <= 4; }

std::string Nom(const Carte& c) { return NomCarte(c); }

const char* Nom(MarqueCarte m) {
    switch (m) {
    case MarqueCarte::Player: return "the player";
    case MarqueCarte::Cowboy: return "the opponent";
    case MarqueCarte::Libre: break;
    }
    return "nobody";
}

// Same colour at every pixel of two blocks (the alpha byte of RGB32 aside).
bool MemesPixels(const QImage& a, QPoint pa, const QImage& b, QPoint pb, QSize taille) {
    const size_t octets = size_t(taille.width()) * sizeof(QRgb);
    for (int y = 0; y < taille.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(pa.y() + y)) + pa.x();
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(pb.y() + y)) + pb.x();
        if (std::memcmp(la, lb, octets) == 0) continue;
        for (int x = 0; x < taille.width(); ++x)
            if (((la[x] ^ lb[x]) & 0xFFFFFFu) != 0) return false;
    }
    return true;
}

// "$" followed by a whole number written without a sign or a leading zero.
bool Lisible(const std::string& t) {
    if (t.size() < 2 || t[0] != '$' || (t[1] == '0' && t.size() > 2)) return false;
    return std::all_of(t.begin() + 1, t.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           t.size() <= 7;
}

// The face timers a character may run, one bit each by their place in
// Form1::TimersVisage: its idle ones and its two tells. The girl's once the
// band is beaten, none before any game.
unsigned TimersDe(int perso) {
    if (perso == 0) return 0;
    const Personnage& fiche = FicheOuDerniere(perso);
    unsigned bits = 0;
    const auto bit = [](MinuterieVisage m) { return 1u << static_cast<int>(m); };
    for (const Lancement& l : fiche.ralenti) bits |= bit(l.minuterie);
    return bits | bit(fiche.faible.minuterie) | bit(fiche.fort.minuterie);
}

}  // namespace

std::string EcranEnRetard(Form1& f) {
    QApplication::processEvents();
    const QRect place(f.Table->mapTo(&f, QPoint(0, 0)), f.Table->size());
    const QImage ecran =
        f.screen()->grabWindow(f.winId()).toImage().copy(place).convertToFormat(QImage::Format_RGB32);
    const QImage frais = f.Table->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (ecran.size() != frais.size())
        return "the screen shows the table at " + std::to_string(ecran.width()) + "x" +
               std::to_string(ecran.height());
    for (int y = 0; y < frais.height(); ++y) {
        const auto* e = reinterpret_cast<const QRgb*>(ecran.constScanLine(y));
        const auto* n = reinterpret_cast<const QRgb*>(frais.constScanLine(y));
        for (int x = 0; x < frais.width(); ++x)
            if ((e[x] ^ n[x]) & 0xFFFFFFu)
                return "the screen is behind at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
    return "";
}

Verificateur::Verificateur(Form1& f) : f_(f) {}

void Verificateur::DebutPartie() {
    const ::Argent& a = EtatDuJeu().argent;
    somme_ = a.player + a.cowboy + a.pot;
}

void Verificateur::Donne() {
    const ::Donne& d = EtatDuJeu().donne;
    tenues_.fill(MarqueCarte::Libre);
    donne_ = true;
    const auto tient = [this](const Carte& c, MarqueCarte m) {
        if (!Valide(c)) {
            if (constat_.empty()) constat_ = "dealt a card that does not exist: " + Nom(c);
            return;
        }
        if (tenues_[Indice(c)] != MarqueCarte::Libre && constat_.empty())
            constat_ = "dealt " + Nom(c) + " twice";
        tenues_[Indice(c)] = m;
    };
    for (const Carte& c : d.CartesCowboy) tient(c, MarqueCarte::Cowboy);
    for (const Carte& c : d.CartesPlayer) tient(c, MarqueCarte::Player);
    feuillesPlayer_.fill(DispositionDuJeu().Cartes);
    Controle("at the deal");
}

void Verificateur::Tirage(bool cowboy, std::string_view positions) {
    const ::Donne& d = EtatDuJeu().donne;
    const Main& main = cowboy ? d.CartesCowboy : d.CartesPlayer;
    for (int i = 0; i < 5; ++i) {
        // The opponent names the cards it keeps, the player those it changed.
        const bool nouvelle = (positions.find(char('1' + i)) != std::string_view::npos) != cowboy;
        if (!nouvelle) continue;
        const Carte& c = main[i];
        if (!cowboy) feuillesPlayer_[i] = DispositionDuJeu().Cartes;
        if (!Valide(c)) {
            if (constat_.empty()) constat_ = "drew a card that does not exist: " + Nom(c);
            continue;
        }
        if (tenues_[Indice(c)] != MarqueCarte::Libre && constat_.empty())
            constat_ = std::string(cowboy ? "the opponent" : "the player") + " drew " + Nom(c) +
                       ", already held by " + Nom(tenues_[Indice(c)]) + " in this hand";
        tenues_[Indice(c)] = cowboy ? MarqueCarte::Cowboy : MarqueCarte::Player;
    }
    Controle(cowboy ? "at the opponent's draw" : "at the player's draw");
}

void Verificateur::PotPaye(bool) {
    if (!constat_.empty()) return;
    if (EtatDuJeu().argent.pot != 0) {
        constat_ = "the pot was paid but is $" + std::to_string(EtatDuJeu().argent.pot);
        return;
    }
    if (std::string r = Argent(); !r.empty()) {
        constat_ = "when the pot was paid: " + r;
        return;
    }
    if (std::string r = TasDuPot(); !r.empty()) constat_ = "when the pot was paid: " + r;
}

std::string Verificateur::ApresHandler() {
    if (!constat_.empty()) return std::exchange(constat_, {});
    if (std::string r = Argent(); !r.empty()) return r;
    if (std::string r = Paquet(); !r.empty()) return r;
    return Minuteries();
}

void Verificateur::Controle(const char* ou) {
    if (!constat_.empty()) return;
    if (std::string r = ApresHandler(); !r.empty()) constat_ = std::string(ou) + ": " + r;
}

void Verificateur::Parole(const std::string& phrase, std::string_view) {
    Controle(("when the opponent said \"" + phrase + "\"").c_str());
}
void Verificateur::Abattage(bool) {
    feuilleCowboy_ = DispositionDuJeu().Cartes;
    Controle("at the showdown");
}
void Verificateur::FinPartie() { Controle("at the end of the game"); }

std::string Verificateur::EnAttente(Attente a) {
    if (std::string r = ApresHandler(); !r.empty()) return r;
    if (!f_.EstActive()) return "the table refuses input while the flow waits for the player";
    for (const QAction* item : {f_.MenuEnter, f_.TournEasy, f_.TournMed, f_.TournHard, f_.MenuOptions,
                                f_.MenuExit, f_.MenuHelp, f_.MenuAbout})
        if (!item->isEnabled() || !item->isVisible())
            return "the menu item \"" + item->text().toStdString() + "\" cannot be chosen";
    Offre offre = Offre::Rien;
    if (std::string r = HorsOffre(f_, EtatDuJeu(), a == Attente::OK, &offre); !r.empty())
        return "layout " + r;
    if (std::string r = Bulle(offre, a); !r.empty()) return r;
    if (!donne_) return "";
    if (std::string r = Cartes(a); !r.empty()) return r;
    if (std::string r = Piles(); !r.empty()) return r;
    if (std::string r = TasDuPot(); !r.empty()) return r;
    if (ecranToutesLes_ > 0 && ++attentes_ % ecranToutesLes_ == 0) return EcranEnRetard(f_);
    return "";
}

// The opponent speaks at the showdown until OK, and its last sentence of a
// game stays until the next game; otherwise the bubble is hidden between
// two handlers.
std::string Verificateur::Bulle(Offre offre, Attente a) const {
    const Etat& e = EtatDuJeu();
    const bool fr = e.reglages.Francais();
    const bool vue = f_.Bobble->isVisibleTo(f_.Table);
    const std::string dite = f_.Say->Texte();
    std::vector<const Bilingue*> attendues;
    if (a == Attente::OK) {
        attendues = {&TextesJeu::JaiGagne, &TextesJeu::JaiPerdu};
    } else if (offre == Offre::Rien && somme_ >= 0) {
        if (e.argent.player == 0) attendues = {&TextesJeu::JaiGagneLaPartie};
        if (e.argent.cowboy == 0) attendues = {&TextesJeu::JaiPerduLaPartie};
    }
    if (attendues.empty()) return vue ? "the speech bubble stays up with \"" + dite + "\"" : "";
    if (!vue) return "the speech bubble is hidden where the opponent speaks";
    for (const Bilingue* b : attendues)
        if (b->Dans(fr) == dite) return "";
    return "the speech bubble says \"" + dite + "\"";
}

std::string Verificateur::Argent() const {
    if (somme_ < 0) return "";
    const ::Argent& a = EtatDuJeu().argent;
    struct Legende {
        const PaireEtiquettes& paire;
        const Picture* barre;
        int montant;
        const char* nom;
    };
    const Legende legendes[] = {{f_.PlayerMoney, f_.PlayerMoneyBar, a.player, "PlayerMoney"},
                                {f_.CowboyMoney, f_.CowboyMoneyBar, a.cowboy, "CowboyMoney"},
                                {f_.Pot, f_.PotMoneyBar, a.pot, "Pot"}};
    int somme = 0;
    for (int k = 0; k < 3; ++k) {
        const Legende& l = legendes[k];
        for (int i = 0; i < 2; ++i) {
            const Etiquette& e = l.paire[i];
            const auto nom = [&] { return std::string(l.nom) + "(" + std::to_string(i) + ")"; };
            if (!e.Visible() || !l.barre->Visible()) return nom() + " is hidden";
            // A caption read as it was at the last check reads the same.
            LegendeLue& lue = legendesLues_[2 * k + i];
            if (lue.texte == e.text() && lue.largeur == e.width() && lue.montant == l.montant) continue;
            const std::string t = e.Texte();
            if (!Lisible(t)) return nom() + " reads \"" + t + "\"";
            if (LitArgent(t) != l.montant)
                return nom() + " reads \"" + t + "\" for $" + std::to_string(l.montant);
            if (Largeur(2 * k + i, e) > e.width())
                return nom() + " \"" + t + "\" does not fit its label";
            lue = {e.text(), e.width(), l.montant};
        }
        somme += l.montant;
    }
    if (somme != somme_)
        return "the money adds up to $" + std::to_string(somme) + " (player " +
               f_.PlayerMoney[0].Texte() + ", opponent " + f_.CowboyMoney[0].Texte() + ", pot " +
               f_.Pot[0].Texte() + ") in a game of $" + std::to_string(somme_);
    return "";
}

int Verificateur::Largeur(int legende, const Etiquette& e) const {
    // A money caption comes back to the same few texts: each measured once
    // for the label's font.
    Largeurs& l = largeurs_[legende];
    if (l.police != e.font()) l = {e.font(), {}};
    auto [it, nouveau] = l.textes.try_emplace(e.text(), 0);
    if (nouveau) it->second = QFontMetrics(e.font()).horizontalAdvance(e.text());
    return it->second;
}

std::string Verificateur::Paquet() const {
    if (!donne_) return "";
    const ::Donne& d = EtatDuJeu().donne;
    for (int v = 1; v <= 13; ++v)
        for (int s = 1; s <= 4; ++s) {
            const MarqueCarte m = d.Paquet(v, s);
            const MarqueCarte tenue = tenues_[Indice({int16_t(v), int16_t(s)})];
            if (m != tenue)
                return "the deck marks " + Nom(Carte{int16_t(v), int16_t(s)}) + " for " + Nom(m) +
                       ", held by " + Nom(tenue) + " in this hand";
        }
    std::array<bool, 52> vues{};
    for (const Main* main : {&d.CartesCowboy, &d.CartesPlayer}) {
        const MarqueCarte qui = main == &d.CartesCowboy ? MarqueCarte::Cowboy : MarqueCarte::Player;
        for (const Carte& c : *main) {
            if (!Valide(c)) return "a hand holds " + Nom(c);
            if (std::exchange(vues[Indice(c)], true)) return Nom(c) + " is twice in the hands";
            if (d.Paquet(c.valeur, c.couleur) != qui)
                return Nom(c) + " in the hand of " + Nom(qui) + " is marked for " +
                       Nom(d.Paquet(c.valeur, c.couleur));
        }
    }
    return "";
}

std::string Verificateur::Minuteries() const {
    const int perso = EtatDuJeu().partie.PersoCowboy;
    const unsigned siens = TimersDe(perso);
    for (int k = 0; k < kNbMinuteriesVisage; ++k) {
        const Minuterie& m = *f_.TimersVisage[k];
        if (m.Enabled() && m.Interval() > 0 && !(siens & (1u << k)))
            return std::string(NomMinuterie(MinuterieVisage(k))) + " runs (" +
                   std::to_string(m.Interval()) + " ms) for character " + std::to_string(perso);
    }
    return "";
}

const QImage& Verificateur::Feuille(const char* nom) {
    const QImage& feuille = ImageMagasin(nom);
    if (std::find(feuilles_.begin(), feuilles_.end(), nom) != feuilles_.end()) return feuille;
    feuilles_.emplace_back(nom);
    // A card identified by its picture must be told from every other.
    const Disposition& d = DispositionDuJeu();
    const QSize cellule(d.LargeurCarte, d.HauteurCarte);
    std::unordered_multimap<size_t, QPoint> vues;
    for (int v = 0; v < 13; ++v)
        for (int s = 0; s < 4; ++s) {
            const QPoint p(v * cellule.width(), s * cellule.height());
            const QImage bloc = feuille.copy(QRect(p, cellule));
            const size_t h = std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(bloc.constBits()), bloc.sizeInBytes()));
            auto [de, a] = vues.equal_range(h);
            for (; de != a; ++de)
                if (MemesPixels(feuille, de->second, feuille, p, cellule) && constat_.empty())
                    constat_ = std::string("two cells of the face sheet ") + nom + " look the same";
            vues.emplace(h, p);
        }
    return feuille;
}

std::string Verificateur::Cartes(Attente a) {
    const Etat& e = EtatDuJeu();
    const Disposition& d = DispositionDuJeu();
    const auto feuilleDe = [&](const char* nom) -> const QImage& { return Feuille(nom ? nom : d.Cartes); };
    const QSize cellule(d.LargeurCarte, d.HauteurCarte);
    const auto place = [&](const Carte& c) {
        return QPoint((c.valeur - 1) * cellule.width(), (c.couleur - 1) * cellule.height());
    };
    for (int i = 0; i < 5; ++i) {
        Picture& carte = *f_.Cards[i];
        const Carte& c = e.donne.CartesPlayer[i];
        if (!carte.isVisibleTo(f_.Table)) return "the player's card " + std::to_string(i + 1) + " is hidden";
        Vu& vu = cartesVues_[i];
        if (vu.cle == carte.Surface().cacheKey() && vu.carte == c && vu.feuille == feuillesPlayer_[i]) continue;
        const QImage& feuille = feuilleDe(feuillesPlayer_[i]);
        if (!constat_.empty()) return std::exchange(constat_, {});
        if (carte.Surface().size() != cellule ||
            !MemesPixels(carte.Surface(), {0, 0}, feuille, place(c), cellule))
            return "the player's card " + std::to_string(i + 1) + " does not show " + Nom(c);
        vu.cle = carte.Surface().cacheKey();
        vu.carte = c;
        vu.feuille = feuillesPlayer_[i];
    }
    // The opponent's cards are shown at the showdown only.
    const bool revelees = f_.CowboyGame->isVisibleTo(f_.Table);
    if (revelees != (a == Attente::OK))
        return revelees ? "the opponent's cards shown outside the showdown"
                        : "the opponent's cards hidden at the showdown";
    if (revelees) {
        const QImage& feuille = feuilleDe(feuilleCowboy_);
        if (!constat_.empty()) return std::exchange(constat_, {});
        for (int i = 0; i < 5; ++i) {
            const Carte& c = e.donne.CartesCowboy[i];
            const QPoint ici(12 + i * (cellule.width() + 1), 14);
            if (!MemesPixels(f_.CowboyGame->Surface(), ici, feuille, place(c), cellule))
                return "the opponent's card " + std::to_string(i + 1) + " does not show " + Nom(c);
        }
    }
    return "";
}

std::string Verificateur::Piles() {
    if (std::string r = Pile(false); !r.empty()) return r;
    return Pile(true);
}

std::string Verificateur::Pile(bool cowboy) {
    const Etat& e = EtatDuJeu();
    const Disposition& d = DispositionDuJeu();
    Picture& w = cowboy ? *f_.PileBilletsCowboy : *f_.PileBilletsPlayer;
    const char* qui = cowboy ? "the opponent's pile" : "the player's pile";
    if (!w.isVisibleTo(f_.Table)) return std::string(qui) + " is hidden";
    const int argent = cowboy ? e.argent.cowboy : e.argent.player;
    const int haut = std::clamp(argent / 10, 0, 100) * 10;  // the top bill's level
    const auto& niveaux = cowboy ? e.scene.PilesXCowboy : e.scene.PilesXPlayer;
    const int x = haut > 0 ? niveaux[haut] : -1;
    const QImage& s = w.Surface();
    const QImage& table = f_.Table->Surface();
    Vu& vu = pilesVues_[cowboy];
    if (vu.cle == s.cacheKey() && vu.cleTable == table.cacheKey() && vu.montant == argent && vu.x == x)
        return "";

    const QImage& billet = ImageMagasin(cowboy ? "BillCowboy" : "BillPlayer");
    const QImage& masque = ImageMagasin(cowboy ? "BillCowboyMask" : "BillPlayerMask");
    const int base = (cowboy ? d.PileYCowboy : d.PileYPlayer) - w.Top();
    const int yHaut = haut > 0 ? int(std::lrint(base - haut / 5.0)) : s.height();
    // Above the top bill, where the next level would lie, only the table.
    const int libres = std::clamp(yHaut, 0, s.height());
    if (!QRect(0, 0, table.width(), table.height()).contains(w.geometry())) return std::string(qui) + " lies off the table";
    if (libres > 0 && !MemesPixels(s, {0, 0}, table, w.pos(), QSize(s.width(), libres)))
        return std::string(qui) + " shows a bill above its " + std::to_string(argent / 10) +
               " bills of " + (cowboy ? f_.CowboyMoney : f_.PlayerMoney)[0].Texte();
    // The top bill itself, wherever its mask shows it. The rows and the
    // columns inside the surface are worked out first, so that the inner
    // loop is plain arithmetic.
    const int largeur = masque.width(), hauteur = masque.height();
    const int i0 = std::max(0, -x), i1 = std::min(largeur, s.width() - x);
    const int y0 = std::max(0, -yHaut), y1 = std::min(hauteur, s.height() - yHaut);
    for (int y = y0; haut > 0 && y < y1; ++y) {
        const auto* m = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(billet.constScanLine(y));
        const auto* l = reinterpret_cast<const QRgb*>(s.constScanLine(yHaut + y));
        QRgb ecart = 0;
        for (int i = i0; i < i1; ++i) ecart |= (m[i] & 0xFFFFFFu) == 0 ? (l[x + i] ^ b[i]) & 0xFFFFFFu : 0;
        if (ecart != 0)
            return std::string(qui) + " does not show its top bill, level $" + std::to_string(haut);
    }
    vu = {s.cacheKey(), table.cacheKey(), argent, x, {}};
    return "";
}

std::string Verificateur::TasDuPot() const {
    const Picture& w = *f_.FenetrePot;
    if (!w.isVisibleTo(f_.Table)) return "the pot window is hidden";
    const bool vide = MemesPixels(w.Surface(), {0, 0}, f_.Table->Surface(), w.pos(), w.Surface().size());
    const int pot = EtatDuJeu().argent.pot;
    if (vide && pot != 0) return "no bill on the pot heap for a pot of $" + std::to_string(pot);
    if (!vide && pot == 0) return "bills on the pot heap with the pot at $0";
    return "";
}
