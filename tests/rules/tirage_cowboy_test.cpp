#include "rules/tirage_cowboy.h"

#include <gtest/gtest.h>

#include "arbre_script.h"

namespace {

// A draw of 30 or less bluffs, 60 or less takes the risk.

const char* Nom(ModeGarde m) { return m == ModeGarde::Poids ? "Poids" : "Proba"; }

struct CasMode {
    const char* quoi;
    double C;
    double MP;
    bool apresJoueur;
    int N;
    int M;
    bool bluffEnCours;  // CowboyBluffe before the draw
    std::vector<int> r;
    std::vector<bool> g;
    bool bluff;
    ModeGarde mode;
};

void JoueModes(const std::vector<CasMode>& cas) {
    for (const CasMode& c : cas) {
        SCOPED_TRACE(std::string(c.quoi) + ", " + Texte(c.r));
        HasardScript script(Tirages(c.r));
        GrossePaireScript g(c.g);
        Decideur d{kBluff, kRisk, c.M, 0, g.Fonction()};
        Mises mises;
        mises.CowboyBluffe = c.bluffEnCours;
        const DecisionMode dm = DecideModeTirage(c.C, c.MP, c.apresJoueur, c.N, d, mises);
        EXPECT_EQ(dm.bluff, c.bluff);
        EXPECT_STREQ(Nom(dm.mode), Nom(c.mode));
        EXPECT_EQ(mises.CowboyBluffe, c.bluffEnCours);
    }
}

constexpr auto Poids = ModeGarde::Poids;
constexpr auto Proba = ModeGarde::Proba;

}  // namespace

TEST(ModeTirage, OpponentDrawsAfterThePlayer) {
    JoueModes({
        {"weak nothing, player drew three, bluff and risk", 0, 5, true, 3, 200, false, {10, 20}, {}, true, Poids},
        {"weak nothing, player drew three, neither", 0, 5, true, 3, 200, false, {40, 70}, {}, false, Proba},
        {"weak nothing at $100: both draws still taken", 0, 5, true, 3, 100, false, {10, 20}, {}, false, Proba},
        {"weak nothing, player drew two: no risk draw", 0, 5, true, 2, 200, false, {10}, {}, true, Proba},
        {"promising nothing, player drew four, risk", 0, 7, true, 4, 200, false, {40, 20}, {}, false, Poids},
        {"promising nothing, player drew five at $100", 0, 7, true, 5, 100, false, {40, 20}, {}, false, Proba},
        {"promising nothing, player drew three", 0, 9, true, 3, 50, false, {40}, {}, false, Poids},
        {"small pair, player drew four", 1, 3, true, 4, 200, false, {}, {false}, false, Proba},
        {"small pair, player drew three, risk", 1, 3, true, 3, 200, false, {20}, {false}, false, Poids},
        {"small pair, player drew three at $100", 1, 3, true, 3, 100, false, {20}, {false}, false, Proba},
        {"big pair, player drew three", 1, 3, true, 3, 200, false, {}, {true}, false, Proba},
        {"big pair, player drew two, risk", 1, 3, true, 2, 200, false, {20}, {true}, false, Poids},
        {"big pair, player drew two, no risk", 1, 3, true, 2, 200, false, {70}, {true}, false, Proba},
        {"two pairs: one big-pair test, no draw", 9, 20, true, 1, 200, false, {}, {true}, false, Proba},
    });
}

TEST(ModeTirage, OpponentDrawsFirst) {
    JoueModes({
        {"weak nothing, bluff", 0, 5, false, 0, 200, false, {10}, {}, true, Proba},
        {"weak nothing at $100", 0, 5, false, 0, 100, false, {10}, {}, false, Proba},
        {"promising nothing, risk", 0, 7, false, 0, 200, false, {40, 20}, {}, false, Poids},
        {"promising nothing, no risk", 0, 7, false, 0, 200, false, {40, 70}, {}, false, Proba},
        {"promising nothing, no risk but a bluff running", 0, 7, false, 0, 200, true, {40, 70}, {}, false, Poids},
        {"promising nothing at $100: both draws taken", 0, 7, false, 0, 100, true, {10, 20}, {}, false, Proba},
        {"small pair, risk", 1, 3, false, 0, 200, false, {20}, {false}, false, Poids},
        {"small pair, no risk", 1, 3, false, 0, 200, false, {70}, {false}, false, Proba},
        {"small pair, risk, bluff running", 1, 3, false, 0, 200, true, {20}, {false}, false, Poids},
        {"big pair, risk", 1, 3, false, 0, 200, false, {20}, {true}, false, Poids},
        {"big pair, risk, bluff running", 1, 3, false, 0, 200, true, {20}, {true}, false, Proba},
        {"big pair, risk at $100", 1, 3, false, 0, 100, false, {20}, {true}, false, Proba},
        {"straight: one big-pair test, no draw", 106, 106, false, 0, 200, true, {}, {false}, false, Proba},
    });
}

TEST(CorrectionsTirage, BluffStandPatAndMoney) {
    struct Cas {
        const char* quoi;
        bool bluff;
        ModeGarde mode;
        bool apresJoueur;
        MotifGarde proba, poids;
        int M, p;
        bool CP, JP, bluffEnCours;
        std::vector<int> r;
        bool servi;
        bool bluffApres;
        ModeGarde modeApres;
        bool cowboyBluffe;
    };
    const std::vector<Cas> cas{
        {"own pass cancels the bluff", true, Poids, true, "1", "1", 200, 200, true, false, true, {}, false, false, Poids, false},
        {"player's pass forces the chance mode", false, Poids, true, "1", "1", 200, 200, false, true, false, {}, false, false, Proba, false},
        {"bluff, risk: stands pat", true, Proba, true, "1234", "1234", 200, 200, false, false, false, {60}, true, true, Proba, true},
        {"bluff, no risk: draws", true, Proba, true, "1", "1", 200, 200, false, false, false, {61}, false, true, Proba, true},
        {"drawing first, four-card chance keep", true, Proba, false, "2345", "", 200, 200, false, false, false, {20}, false, true, Proba, true},
        {"drawing first, four-card weight keep", true, Proba, false, "123", "1235", 200, 200, false, false, false, {20}, false, true, Proba, true},
        {"drawing first, no four-card keep", true, Proba, false, "123", "12345", 200, 200, false, false, false, {20}, true, true, Proba, true},
        {"opponent at $20: stands pat, bluff dropped", true, Proba, true, "1", "1", 20, 200, false, false, false, {20}, true, true, Proba, false},
        {"player at $20: bluff dropped", true, Proba, true, "1", "1", 200, 20, false, false, false, {70}, false, true, Proba, false},
        {"both at $21 keep the bluff", true, Proba, true, "1", "1", 21, 21, false, false, false, {70}, false, true, Proba, true},
        {"running bluff dropped when short", false, Proba, true, "1", "1", 15, 200, false, false, true, {}, false, false, Proba, false},
        {"running bluff carries on", false, Poids, false, "1", "1", 200, 200, false, false, true, {}, false, false, Poids, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.quoi) + ", " + Texte(c.r));
        HasardScript script(Tirages(c.r));
        Decideur d{kBluff, kRisk, c.M, 0, {}};
        Mises mises;
        mises.CowboyParole = c.CP;
        mises.JoueurParole = c.JP;
        mises.CowboyBluffe = c.bluffEnCours;
        DecisionMode dm{c.bluff, c.mode};
        const bool servi = CorrigeDecision(dm, c.apresJoueur, c.proba, c.poids, Argent{c.M, c.p, 0}, d, mises);
        EXPECT_EQ(servi, c.servi);
        EXPECT_EQ(dm.bluff, c.bluffApres);
        EXPECT_STREQ(Nom(dm.mode), Nom(c.modeApres));
        EXPECT_EQ(mises.CowboyBluffe, c.cowboyBluffe);
    }
}

TEST(PhraseGarde, SaysHowManyCardsItWants) {
    EXPECT_EQ(PhraseGarde(5), (Bilingue{"I keep all", "Je garde tout"}));
    EXPECT_EQ(PhraseGarde(4), (Bilingue{"I want 1 card", "Je veux 1 carte"}));
    EXPECT_EQ(PhraseGarde(3), (Bilingue{"I want 2 cards", "Je veux 2 cartes"}));
    EXPECT_EQ(PhraseGarde(0), (Bilingue{"I want 5 cards", "Je veux 5 cartes"}));
}

namespace {

// The value draw then the suit draw of one attempt.
void AjouteCarte(HasardScript& script, int valeur, int couleur) {
    script.Ajoute({ValeurPour(valeur - 1, 13), ValeurPour(couleur - 1, 4)});
}

Donne DonneDeDepart() {
    Donne donne;
    donne.CartesCowboy = {Carte{2, 1}, Carte{7, 2}, Carte{9, 3}, Carte{11, 4}, Carte{13, 1}};
    for (const Carte& c : donne.CartesCowboy) donne.Paquet(c.valeur, c.couleur) = MarqueCarte::Cowboy;
    donne.CartesPlayer = {Carte{1, 4}, Carte{1, 1}, Carte{5, 2}, Carte{6, 3}, Carte{8, 1}};
    for (const Carte& c : donne.CartesPlayer) donne.Paquet(c.valeur, c.couleur) = MarqueCarte::Player;
    return donne;
}

int CartesMarquees(const Donne& donne, MarqueCarte marque) {
    int n = 0;
    for (int v = 1; v <= 13; ++v)
        for (int s = 1; s <= 4; ++s) n += donne.Paquet(v, s) == marque;
    return n;
}

}  // namespace

TEST(NouvellesCartes, FillThePositionsNotKeptInOrder) {
    Donne donne = DonneDeDepart();
    HasardScript script;
    AjouteCarte(script, 3, 3);
    AjouteCarte(script, 12, 4);
    AjouteCarte(script, 1, 2);
    TireNouvellesCartes(donne, "24");
    EXPECT_EQ(donne.CartesCowboy, (Main{Carte{3, 3}, Carte{7, 2}, Carte{12, 4}, Carte{11, 4}, Carte{1, 2}}));
    EXPECT_EQ(donne.Paquet(3, 3), MarqueCarte::Cowboy);
    EXPECT_EQ(donne.Paquet(12, 4), MarqueCarte::Cowboy);
    EXPECT_EQ(donne.Paquet(1, 2), MarqueCarte::Cowboy);
    // The discarded Two, Nine and King keep their mark.
    EXPECT_EQ(donne.Paquet(2, 1), MarqueCarte::Cowboy);
    EXPECT_EQ(donne.Paquet(9, 3), MarqueCarte::Cowboy);
    EXPECT_EQ(donne.Paquet(13, 1), MarqueCarte::Cowboy);
    EXPECT_EQ(CartesMarquees(donne, MarqueCarte::Cowboy), 8);
    EXPECT_EQ(donne.Valeur, 1);
    EXPECT_EQ(donne.Couleur, 2);
}

TEST(NouvellesCartes, DrawAgainOverEveryCardAlreadyDealt) {
    Donne donne = DonneDeDepart();
    HasardScript script;
    AjouteCarte(script, 1, 4);   // the player's Ace
    AjouteCarte(script, 9, 3);   // one of the opponent's own
    AjouteCarte(script, 10, 1);
    AjouteCarte(script, 10, 1);  // the card just drawn
    AjouteCarte(script, 13, 1);  // the King being thrown away
    AjouteCarte(script, 4, 4);
    TireNouvellesCartes(donne, "234");
    EXPECT_EQ(donne.CartesCowboy, (Main{Carte{10, 1}, Carte{7, 2}, Carte{9, 3}, Carte{11, 4}, Carte{4, 4}}));
    EXPECT_EQ(donne.Paquet(1, 4), MarqueCarte::Player);
    EXPECT_EQ(CartesMarquees(donne, MarqueCarte::Player), 5);
}

TEST(NouvellesCartes, AllFiveOrNone) {
    {
        Donne donne = DonneDeDepart();
        HasardScript script;
        const Main attendue{Carte{3, 1}, Carte{3, 2}, Carte{3, 3}, Carte{3, 4}, Carte{4, 1}};
        for (const Carte& c : attendue) AjouteCarte(script, c.valeur, c.couleur);
        TireNouvellesCartes(donne, "");
        EXPECT_EQ(donne.CartesCowboy, attendue);
        EXPECT_EQ(CartesMarquees(donne, MarqueCarte::Cowboy), 10);
    }
    {
        Donne donne = DonneDeDepart();
        const Main avant = donne.CartesCowboy;
        HasardScript script;
        TireNouvellesCartes(donne, "12345");
        EXPECT_EQ(donne.CartesCowboy, avant);
    }
}

namespace {

constexpr std::size_t kTiragesChoix = 64;        // 32 keeps, two draws each
constexpr std::size_t kTiragesChoixLimite = 32;  // 16 keeps of three or more

}  // namespace

TEST(ChoixTirageCowboy, TwoPairsDrawOneForTheFullHouse) {
    Etat etat = TableAvecCartes({Carte{13, 1}, Carte{13, 4}, Carte{5, 3}, Carte{5, 2}, Carte{9, 1}});
    HasardScript script;
    script.Ajoute(0.5, kTiragesChoix);
    script.AjouteR(70);  // big-pair test: fails its only draw
    script.Ajoute(0.5, kTiragesChoix);
    const TirageDecide t = ChoixTirageCowboy(etat, Argent{200, 200, 40}, true);
    EXPECT_EQ(t.garde, "1234");
    EXPECT_EQ(t.phrase, (Bilingue{"I want 1 card", "Je veux 1 carte"}));
    EXPECT_FALSE(etat.mises.CowboyBluffe);
}

TEST(ChoixTirageCowboy, BluffingOpponentStandsPatOnNothing) {
    Etat etat = TableAvecCartes({Carte{2, 1}, Carte{7, 2}, Carte{9, 3}, Carte{11, 4}, Carte{13, 1}});
    etat.donne.NbCartesChangees = 2;
    HasardScript script;
    script.Ajoute(0.5, kTiragesChoix);
    script.AjouteR(10);  // bluff
    script.AjouteR(20);  // risk: stand pat
    const TirageDecide t = ChoixTirageCowboy(etat, Argent{200, 200, 40}, true);
    EXPECT_EQ(t.garde, "12345");
    EXPECT_EQ(t.phrase, (Bilingue{"I keep all", "Je garde tout"}));
    EXPECT_TRUE(etat.mises.CowboyBluffe);
}

TEST(ChoixTirageCowboy, BluffDrawingFirstToAFlushKeepsThreeOrMore) {
    Etat etat = TableAvecCartes({Carte{2, 1}, Carte{5, 1}, Carte{9, 1}, Carte{13, 1}, Carte{7, 2}});
    HasardScript script;
    script.Ajoute(0.5, kTiragesChoix);
    script.AjouteR(10);  // bluff
    script.AjouteR(20);  // mode: weight
    script.AjouteR(20);  // stand pat, undone by the four-card keep
    script.Ajoute(0.5, kTiragesChoixLimite);
    const TirageDecide t = ChoixTirageCowboy(etat, Argent{200, 200, 40}, false);
    EXPECT_EQ(t.garde, "1234");
    EXPECT_EQ(t.phrase, (Bilingue{"I want 1 card", "Je veux 1 carte"}));
    EXPECT_TRUE(etat.mises.CowboyBluffe);
}

TEST(ChoixTirageCowboy, ShortMoneyDropsTheBluffAndTriesEveryKeep) {
    Etat etat = TableAvecCartes({Carte{2, 1}, Carte{7, 2}, Carte{9, 3}, Carte{11, 4}, Carte{13, 1}});
    etat.donne.NbCartesChangees = 1;
    HasardScript script;
    script.Ajoute(0.5, kTiragesChoix);
    script.AjouteR(10);  // bluff
    script.AjouteR(70);  // no stand pat
    script.Ajoute(0.5, kTiragesChoix);
    const TirageDecide t = ChoixTirageCowboy(etat, Argent{200, 20, 40}, true);
    EXPECT_LT(t.garde.size(), 5u);
    EXPECT_EQ(t.phrase, PhraseGarde(static_cast<int>(t.garde.size())));
    EXPECT_FALSE(etat.mises.CowboyBluffe);
}
