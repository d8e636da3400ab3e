// Whole games played through clicks on the table, every delay 0, a seeded
// generator for the game and another for the player's choices; after each
// handler the money adds up and the table offers the player something.
#include <chrono>
#include <random>

#include "rules/plaques.h"
#include "table_outils.h"

namespace {

using B = BoutonTable;

// Whether what the player can click is one of the table's layouts: Pass,
// Check, or Call and Fold, each with the plates the money allows; Draw with
// the five cards; or nothing once a game is over.
std::string HorsDisposition(const std::set<B>& offerts, int cartes, const Mises& m, const Argent& a) {
    std::set<B> autres = offerts, plaques;
    const Plaques regle = RegleDesPlaques(m.MiseCourante, a.player, a.cowboy);
    const B boutons[] = {B::Bill50, B::Bill20, B::Bill10};
    for (int i = 0; i < 3; ++i) {
        autres.erase(boutons[i]);
        if (!regle.couvertes[i]) plaques.insert(boutons[i]);
    }
    if (autres == std::set{B::Draw}) {
        if (cartes == 5 && offerts.size() == 1) return "";
        return "the draw with plates or without its cards";
    }
    if (cartes != 0) return "cards clickable outside the draw";
    if (offerts.empty()) return "";
    std::set<B> attendues = plaques;
    if (autres == std::set{B::Pass} || autres == std::set{B::Check}) {
        if (m.MiseCourante != 0) return "something to call without Call";
    } else if (autres == std::set{B::Call, B::Fold}) {
        if (m.MiseCourante == 0) return "Call with nothing to call";
    } else {
        return "no layout";
    }
    attendues.insert(autres.begin(), autres.end());
    return attendues == offerts ? "" : "plates other than the money allows";
}

class Parties : public TableDeJeu {
protected:
    std::mt19937 joueur{12345};
    int Choisit(int n) { return std::uniform_int_distribution<int>(0, n - 1)(joueur); }

    // A new game of a random kind: training against any character and
    // money, or a tournament at any level.
    void NouvellePartie() {
        switch (Choisit(4)) {
        case 0: f.TournEasy->trigger(); break;
        case 1: f.TournMed->trigger(); break;
        case 2: f.TournHard->trigger(); break;
        default: {
            choix.perso = static_cast<int16_t>(1 + Choisit(3));
            choix.skill = Choisit(101);
            choix.emotion = Choisit(101);
            choix.bluff = Choisit(101);
            choix.risk = static_cast<int16_t>(Choisit(101));
            choix.argent = static_cast<int16_t>(100 * (3 + Choisit(3)));
            NouvelEntrainement();
            break;
        }
        }
    }

    // One action among those offered, as a player would click it; before
    // Draw, random cards are marked.
    void Joue(const std::vector<BoutonTable>& offerts) {
        const BoutonTable b = offerts[Choisit(static_cast<int>(offerts.size()))];
        if (b == BoutonTable::Draw)
            for (int i : CartesCliquables())
                if (Choisit(2)) CliqueCarte(i);
        Clique(b);
    }
};

TEST_F(Parties, WholeGamesKeepTheMoneyAndAlwaysOfferALayout) {
    E().reglages.PremierJoueur = 2;
    HasardSuite hasard({}, 2024);
    int enAttente = 0;
    std::string dansAttente;
    RepondOK ok([&](Form1& table) {
        // While the showdown waits, OK is the only thing to click.
        ++enAttente;
        const auto offerts = BoutonsOfferts(table);
        if (offerts != std::vector{BoutonTable::OK}) dansAttente = "more than OK offered";
        // The revealed cards and the sentence are on screen.
        if (enAttente % 5 == 0 && !EcranAJour(table)) dansAttente = "the screen behind at the showdown";
    });

    int parties = 0, actions = 0, coups = 0;
    int somme = -1;
    const auto debut = std::chrono::steady_clock::now();
    for (; actions < 4000; ++actions) {
        const auto offerts = BoutonsOfferts(f);
        const int coupsAvant = E().partie.NbCoups;
        const int16_t persoAvant = E().partie.PersoCowboy;
        if (offerts.empty()) {
            // A game is over: someone has nothing left, or there was none.
            if (parties > 0) {
                ASSERT_TRUE(A().player == 0 || A().cowboy == 0) << "stuck at action " << actions;
                ASSERT_TRUE(CartesCliquables().empty());
            }
            NouvellePartie();
            ++parties;
            somme = 2 * E().reglages.ArgentDepart;
        } else {
            Joue(offerts);
        }
        const int coupsApres = E().partie.NbCoups;
        if (coupsApres > coupsAvant) coups += coupsApres - coupsAvant;

        // After every handler: back to the player, the money whole.
        ASSERT_EQ(HandlersEnCours(), 0);
        ASSERT_TRUE(f.EstActive()) << "action " << actions;
        ASSERT_GE(A().player, 0);
        ASSERT_GE(A().cowboy, 0);
        ASSERT_GE(A().pot, 0);
        // A tournament's next game starts with the level's money.
        const Partie& p = E().partie;
        if (p.ModeTournoi && p.PersoCowboy != persoAvant) somme = 2 * p.ArgentTournoi;
        ASSERT_EQ(Somme(), somme) << "action " << actions;
        ASSERT_EQ(f.PlayerMoney[0].Texte(), TexteArgent(A().player));
        ASSERT_EQ(f.CowboyMoney[1].Texte(), TexteArgent(A().cowboy));
        ASSERT_EQ(f.Pot[0].Texte(), TexteArgent(A().pot));
        ASSERT_TRUE(dansAttente.empty()) << dansAttente;
        const auto apres = BoutonsOfferts(f);
        const std::string hors = HorsDisposition({apres.begin(), apres.end()},
                                                 int(CartesCliquables().size()), M(), A());
        ASSERT_EQ(hors, "") << "action " << actions;
        if (actions % 10 == 0) {
            ASSERT_TRUE(EcranAJour(f)) << "action " << actions;
        }
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    EXPECT_GT(parties, 3);
    EXPECT_GT(enAttente, 50);
    std::printf("%d games, %d hands, %d showdowns in %.2f s (%.0f hands/s)\n", parties, coups,
                enAttente, secondes, coups / secondes);
}

}  // namespace
