// The table laid out as at start-up, its game flow, clicks at the buttons'
// places as a player's would land (tools/soak/joueur.h), and random draws
// scripted by phase (the sources are tools/soak/hasards.h).
#pragma once

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "chronologie.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "platform/fenetre_table.h"
#include "render/form1.h"
#include "shell/demarrage.h"
#include "shell/fichier_ini.h"
#include "hasards.h"
#include "joueur.h"
#include "support/hasard_script.h"
#include "table/jeu.h"
#include "table/offre.h"

// Draws of the uniform generator, phase by phase, in the order the game
// takes them. Values that only place bills or time the faces are fixed
// fillers; the ones that matter are named.
class Tirages {
public:
    std::vector<double> v;

    Tirages& Valeur(double x) { v.push_back(x); return *this; }
    Tirages& Remplit(int n, double x = 0.1) { v.insert(v.end(), n, x); return *this; }
    // The first speaker drawn (PremierJoueur 2): 1 the player opens.
    Tirages& Orateur(int ouvre) { return Valeur(ouvre == 1 ? 0.75 : 0.25); }
    // The idle face timers of a new character: three intervals.
    Tirages& Visage() { return Remplit(3, 0.5); }
    // Two piles built from the base: two draws a level ($10), player first.
    Tirages& Piles(int p, int c) { return Remplit(2 * (p / 10 + c / 10)); }
    // A pile growing by `montant` after a gain: two draws a level.
    Tirages& Gain(int montant) { return Remplit(2 * (montant / 10)); }
    // k bills thrown on the pot: picture, steps, place, two per bill.
    Tirages& Pot(int k) { return Remplit(5 + 2 * k); }
    Tirages& Carte(::Carte c) {
        v.push_back(ValeurPour(c.valeur - 1, 13));
        v.push_back(ValeurPour(c.couleur - 1, 4));
        return *this;
    }
    Tirages& Main(const ::Main& m) {
        for (const ::Carte& c : m) Carte(c);
        return *this;
    }
    // The tell draw that shows no tell (0 is never above self-control).
    Tirages& SansTell() { return Valeur(R(0)); }
    // The opponent's keep choice: two draws a candidate.
    Tirages& Choix(bool limite = false) { return Remplit(limite ? 32 : 64, 0.5); }
    // Antes and the deal of a hand after the first: two bills, both hands, the tell.
    Tirages& Donne(const ::Main& cowboy, const ::Main& player) {
        return Pot(1).Pot(1).Main(cowboy).Main(player).SansTell();
    }
    // The first hand of a game: the face timers, both piles, then the deal.
    Tirages& PremiereDonne(int argent, const ::Main& cowboy, const ::Main& player) {
        return Visage().Piles(argent, argent).Donne(cowboy, player);
    }
};

// Calls `vu` with every widget that is shown while it lives, at the very
// moment the flow shows it: unlike a timer, it does not depend on a wait
// having time left for a pass of events.
class SurAffichage : public QObject {
public:
    explicit SurAffichage(std::function<void(QWidget&)> vu) : vu_(std::move(vu)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~SurAffichage() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType()) vu_(*static_cast<QWidget*>(o));
        return false;
    }

private:
    std::function<void(QWidget&)> vu_;
};

// A few fixed hands. Values 1..13 (1 Ace), suits 1..4. The opponent's
// and the player's of one test never share a card.
namespace mains {
// The opponent's.
inline const Main Rien{{{8, 4}, {4, 3}, {6, 2}, {7, 4}, {2, 2}}};       // by chance keeps nothing
inline const Main RienPoids{{{13, 3}, {11, 1}, {9, 2}, {2, 1}, {3, 1}}};  // by weight keeps "245"
inline const Main Suite{{{2, 2}, {3, 4}, {6, 4}, {4, 4}, {5, 1}}};       // a straight: keeps all
inline const Main PaireAs{{{1, 1}, {1, 2}, {13, 3}, {9, 4}, {4, 1}}};
inline const Main Carre{{{10, 1}, {10, 2}, {10, 3}, {10, 4}, {6, 1}}};
inline const Main QuatreAs{{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {13, 2}}};  // drawn new
// The player's.
inline const Main RienJoueur{{{13, 1}, {11, 2}, {9, 3}, {5, 4}, {3, 2}}};
inline const Main SuiteJoueur{{{3, 3}, {4, 2}, {5, 3}, {6, 3}, {7, 2}}};  // 3 to 7
}  // namespace mains

// A personality for a training opponent, and its money.
struct Entrainement {
    int16_t perso = PersoCowboyCowboy;
    int skill = 100, emotion = 100, bluff = -1;
    int16_t risk = -1;
    int16_t argent = 400;
};

class TableDeJeu : public testing::Test {
    QTemporaryDir dossierReglages_;

protected:
    Form1 f;
    Jeu* jeu = nullptr;
    int sauvegardes = 0;
    // What the set-up dialog does when shown; by default OK with `choix`.
    std::function<void()> surChoose;
    Entrainement choix;

    void SetUp() override {
        EtatDuJeu() = Etat{};
        Reglages& r = EtatDuJeu().reglages;
        r.DelayCard = r.DelayTurn = r.DelayBill = 0;
        r.LangueChoisie = "UK";
        r.PremierJoueur = 0;
        DisposeTable(f);
        jeu = new Jeu(f, ServicesJeu{[this] { Choose(); }, [this] { Sauve(); }});
        // The game items as the shell wires them.
        f.SurClic(f.MenuEnter, [this] { jeu->MenuEnter_Click(); }, Acces::PendantAttenteOK);
        f.SurClic(f.TournEasy, [this] { jeu->TournEasy_Click(); }, Acces::PendantAttenteOK);
        f.SurClic(f.TournMed, [this] { jeu->TournMed_Click(); }, Acces::PendantAttenteOK);
        f.SurClic(f.TournHard, [this] { jeu->TournHard_Click(); }, Acces::PendantAttenteOK);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }

    void TearDown() override { InstalleHasard(nullptr); }

    // The flow's save: counted, and written by the real writer into a
    // folder of the test's own, whatever folder the state names.
    void Sauve() {
        ++sauvegardes;
        Reglages r = E().reglages;
        r.Chemin = CheminReglages(QFile::encodeName(dossierReglages_.path()).toStdString());
        SaveFichierINI(r, E().partie);
    }

    // The settings file as the last save left it on disk ("" before any).
    std::string FichierReglages() {
        QFile fichier(dossierReglages_.filePath(NomFichierINI));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll().toStdString() : std::string();
    }

    Etat& E() { return EtatDuJeu(); }
    Argent& A() { return EtatDuJeu().argent; }
    Mises& M() { return EtatDuJeu().mises; }

    // The set-up dialog's OK: stores the training opponent.
    void Choose() {
        if (surChoose) {
            surChoose();
            return;
        }
        Reglages& r = E().reglages;
        r.ChoixCowboy = choix.perso;
        r.Skill = choix.skill;
        r.Emotion = choix.emotion;
        r.Bluff = choix.bluff;
        r.Risk = choix.risk;
        r.ArgentDepart = choix.argent;
        E().partie.ModeTournoi = false;
        E().partie.ReglagesSauves = false;
    }

    // A training game from the menu with `choix`.
    void NouvelEntrainement() { f.MenuEnter->trigger(); }

    // A click where a player would click: on the table, at the centre of
    // the control's place, whatever lies there.
    QPoint Place(const Picture& w) { return PlaceSurFenetre(f, w); }
    void CliqueEn(QPoint p) { ::CliqueEn(f, p); }
    void Clique(BoutonTable b) { ::Clique(f, b); }
    void CliqueCarte(int i) { ::CliqueCarte(f, i); }

    std::set<BoutonTable> Offerts() {
        const auto v = BoutonsOfferts(f);
        return {v.begin(), v.end()};
    }
    std::vector<int> CartesCliquables() {
        std::vector<int> c;
        for (int i = 0; i < 5; ++i)
            if (CarteCliquable(f, i)) c.push_back(i);
        return c;
    }
    int Somme() { return A().player + A().cowboy + A().pot; }
    std::string Bulle() { return f.Say->Texte(); }

    // What the opponent says while `action` runs, in order: the sentence in
    // the bubble each time the bubble is shown (a speech shows it only when
    // its pause is above 0).
    std::vector<std::string> Paroles(const std::function<void()>& action) {
        std::vector<std::string> dites;
        SurAffichage sonde([&](QWidget& w) {
            if (&w == f.Bobble) dites.push_back(Bulle());
        });
        int16_t& pause = E().reglages.DelayTurn;
        const int16_t avant = std::exchange(pause, int16_t{1});
        action();
        pause = avant;
        return dites;
    }
    std::vector<std::string> ParolesDe(BoutonTable b) {
        return Paroles([this, b] { Clique(b); });
    }

    // A training game with `choix`, then a hand dealt with this money before
    // the antes, these hands, and the given side opening. The draws after
    // the deal come from a seeded generator.
    // `ensuite` scripts the draws that follow the deal (the opening).
    void DonneAvec(int player, int cowboy, bool joueurOuvre, const Main& mainCowboy,
                   const Main& mainPlayer, const Tirages& ensuite = {}) {
        AvantDonne(player, cowboy, joueurOuvre);
        Distribue(mainCowboy, mainPlayer, ensuite);
    }
    // The two halves: the game and the money, then the deal.
    void AvantDonne(int player, int cowboy, bool joueurOuvre) {
        {
            HasardSuite s;
            NouvelEntrainement();
        }
        A().player = player;
        A().cowboy = cowboy;
        A().pot = 0;
        RedessineArgent();
        M().ParleEnPremier = joueurOuvre ? 0 : 1;  // the deal turns it over
    }
    // The captions, the piles and the heap as the money of the state shows
    // them (the heap empty, or two bills for any pot).
    void RedessineArgent() {
        f.MontreArgent();
        f.RecopieTable(*f.FenetrePot);
        f.RecopieTable(*f.PileBilletsPlayer);
        f.RecopieTable(*f.PileBilletsCowboy);
        HasardSuite s;
        f.ConstruitPiles();
        if (A().pot > 0) f.AddBilletsPot(2);
    }
    void Distribue(const Main& mainCowboy, const Main& mainPlayer, const Tirages& ensuite = {}) {
        Tirages t;
        t.Donne(mainCowboy, mainPlayer);
        t.v.insert(t.v.end(), ensuite.v.begin(), ensuite.v.end());
        HasardSuite s(t.v, 99);
        Execute(f.Table, Acces::Seul, [this] { jeu->NouvelleMise(); });
        EXPECT_EQ(s.Restants(), 0u);
    }

    // The timeline of `action` (chronologie.h) run with small distinct
    // delays: card 3 ms, turn 7, bill 1. OK is pressed at each showdown and
    // each message box closed, each with a row; the last row tells the offer
    // the flow leaves the player (or why the table shows none). A deal that
    // follows is one row unless `donnesEnEntier`.
    std::vector<std::string> Deroule(const std::function<void()>& action, bool donnesEnEntier = false) {
        Reglages& r = E().reglages;
        r.DelayCard = 3;
        r.DelayTurn = 7;
        r.DelayBill = 1;
        std::vector<std::string> lignes;
        {
            Chronologie c(f, *jeu);
            c.donnesResumees = !donnesEnEntier;
            SurAffichage boites([&](QWidget& w) {
                if (auto* boite = qobject_cast<QMessageBox*>(&w))
                    c.Note("box:'" + boite->windowTitle().toStdString() + "'");
            });
            RepondOK ok([&](Form1&) { c.Note("OK"); });
            action();
            Offre offre;
            const std::string ecart = HorsOffre(f, E(), false, &offre);
            c.Note("player:" + (ecart.empty() ? std::string(NomOffre(offre)) : ecart));
            lignes = c.Lignes();
        }
        r.DelayCard = r.DelayTurn = r.DelayBill = 0;
        return lignes;
    }

    // A training game whose hand stands at the second betting turn with
    // this money and these hands, the opponent having checked: Check
    // leads to the showdown.
    void VersAbattage(int player, int cowboy, int pot, const Main& mainCowboy, const Main& mainPlayer) {
        {
            HasardSuite s;
            NouvelEntrainement();
        }
        MetAbattage(player, cowboy, pot, mainCowboy, mainPlayer);
    }

    // The same for the game going on.
    void MetAbattage(int player, int cowboy, int pot, const Main& mainCowboy, const Main& mainPlayer) {
        A() = {cowboy, player, pot};
        f.MontreArgent();
        PoseMains(mainCowboy, mainPlayer);
        M().ApresDraw = true;
        PoseOffre(f, Offre::Check);
    }

    // Sets both hands as if dealt, the player's faces shown.
    void PoseMains(const Main& cowboy, const Main& player) {
        Donne& d = E().donne;
        d.Paquet.Vide();
        d.CartesCowboy = cowboy;
        d.CartesPlayer = player;
        for (const Carte& c : cowboy) d.Paquet(c.valeur, c.couleur) = MarqueCarte::Cowboy;
        for (int i = 0; i < 5; ++i) {
            const Carte& c = player[i];
            d.Paquet(c.valeur, c.couleur) = MarqueCarte::Player;
            f.PeintFace(*f.Cards[i], c.valeur, c.couleur);
        }
    }
};
