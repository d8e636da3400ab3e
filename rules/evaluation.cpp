#include "evaluation.h"

#include <algorithm>
#include <array>

namespace {

// ---- Straight bounds -------------------------------------------------------
// Constant-evaluable so that the five-card tables below are built from the
// very same rules the public functions apply.

// An Ace is high only beside 10..K, low otherwise; with no other card the
// highest other value stays 0 and the lowest 100000.
constexpr double MaxiDe(const int16_t* TabVal, int NbVal) {
    bool as = false;
    double plusHaute = 0;
    for (int i = 0; i < NbVal; ++i) {
        if (TabVal[i] == 1) as = true;
        else if (TabVal[i] > plusHaute) plusHaute = TabVal[i];
    }
    double plusBasse = 100000.0;
    for (int i = 0; i < NbVal; ++i)
        if (TabVal[i] != 1 && TabVal[i] < plusBasse) plusBasse = TabVal[i];
    return as && plusBasse >= 10 ? 14 : plusHaute;
}

constexpr double MiniDe(const int16_t* TabVal, int NbVal) {
    bool as = false;
    double plusBasse = 100000.0;
    for (int i = 0; i < NbVal; ++i) {
        if (TabVal[i] == 1) as = true;
        else if (TabVal[i] < plusBasse) plusBasse = TabVal[i];
    }
    return as && plusBasse < 10 ? 1 : plusBasse;
}

constexpr double HauteurDe(int valeur) {
    return valeur == 1 ? 0.5 * (1.0 / 5) : 0.5 * ((valeur - 1) / 65.0);
}

// ---- Five cards: the rules as stated ------------------------------------------

// Position trios of five cards, each with the two positions it leaves out.
constexpr int kTrios[10][5] = {{0, 1, 2, 3, 4}, {0, 1, 3, 2, 4}, {0, 1, 4, 2, 3}, {0, 2, 3, 1, 4},
                               {0, 2, 4, 1, 3}, {0, 3, 4, 1, 2}, {1, 2, 3, 0, 4}, {1, 2, 4, 0, 3},
                               {1, 3, 4, 0, 2}, {2, 3, 4, 0, 1}};

// Categories tested from the highest down; the first that holds wins.
constexpr double CategorieSelonRegles(const int16_t* v, const int16_t* c) {
    const bool memeCouleur = c[0] == c[1] && c[0] == c[2] && c[0] == c[3] && c[0] == c[4];
    const double ecart = MaxiDe(v, 5) - MiniDe(v, 5);
    if (memeCouleur && ecart == 4) return Echelle::QuinteFlush;

    for (int sauf = 0; sauf < 5; ++sauf) {  // any four positions
        int16_t premiere = v[sauf == 0 ? 1 : 0];
        bool egales = true;
        for (int i = 0; i < 5; ++i) egales = egales && (i == sauf || v[i] == premiere);
        if (egales) return Echelle::Carre;
    }
    for (const auto& t : kTrios)
        if (v[t[0]] == v[t[1]] && v[t[1]] == v[t[2]] && v[t[3]] == v[t[4]]) return Echelle::Full;
    if (memeCouleur) return Echelle::Couleur;

    bool paire = false;
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j) paire = paire || v[i] == v[j];
    if (!paire && ecart == 4) return Echelle::Suite;

    for (const auto& t : kTrios)
        if (v[t[0]] == v[t[1]] && v[t[1]] == v[t[2]]) return Echelle::Brelan;
    // Two pairs of different values: leave one position out and pair the
    // other four in each of their three ways.
    for (int sauf = 0; sauf < 5; ++sauf) {
        int q[4] = {}, n = 0;
        for (int i = 0; i < 5; ++i)
            if (i != sauf) q[n++] = i;
        for (int k = 1; k <= 3; ++k) {
            const int a = q[0], b = q[k], c1 = q[k == 1 ? 2 : 1], d = q[k == 3 ? 2 : 3];
            if (v[a] == v[b] && v[c1] == v[d] && v[a] != v[c1]) return Echelle::DeuxPaires;
        }
    }
    if (paire) return Echelle::Paire;
    return Echelle::Rien;
}

// ---- Five cards: the fast path ------------------------------------------------
// The category depends only on: whether the suits are all equal, the set of
// values present (its size and whether its straight bounds are 4 apart),
// whether a value shows three times or more, and four times or more. These
// fit a 96-entry table; the set of values indexes a table of 8192.

struct TablesCinqCartes {
    // per set of values (bit v-1 for value v): size << 1 | bounds 4 apart
    std::array<uint8_t, 8192> parValeurs{};
    // per set of values: bounds at most 4 apart (bit 0), exactly 4 (bit 1);
    // the bounds depend on which values are present, not how often
    std::array<uint8_t, 8192> ecartParValeurs{};
    std::array<double, 96> categorie{};
    // high-card terms by value, so the weight sums need no division
    std::array<double, 14> hauteur{};
};

constexpr int IndexCinqCartes(const std::array<uint8_t, 8192>& parValeurs, const int16_t* v,
                              const int16_t* c) {
    unsigned valeurs = 0, couleurs = 0;
    uint64_t comptes = 0;  // one nibble per value: how many times it shows
    for (int i = 0; i < 5; ++i) {
        valeurs |= 1u << v[i];
        comptes += uint64_t{1} << (4 * v[i]);
        couleurs |= 1u << c[i];
    }
    // Values 1..13 sit one place up; the shift down drops the place of a
    // blank card (value 0) of a hand not dealt yet.
    valeurs >>= 1;
    comptes >>= 4;
    // A nibble holds at most 5, so adding 5 (or 4) reaches its high bit exactly
    // when it held 3 (or 4) or more, without carrying into the next one.
    constexpr uint64_t hauts = 0x8888888888888888;
    const bool trois = ((comptes + 0x5555555555555555) & hauts) != 0;
    const bool quatre = ((comptes + 0x4444444444444444) & hauts) != 0;
    const bool uneCouleur = (couleurs & (couleurs - 1)) == 0;
    return parValeurs[valeurs] << 3 | uneCouleur << 2 | trois << 1 | quatre;
}

// Builds the tables and checks, for every multiset of five values with and
// without a common suit, that the fast index gives the stated category. A
// disagreement stops the compilation.
constexpr TablesCinqCartes ConstruitTables() {
    TablesCinqCartes t;
    for (unsigned ensemble = 0; ensemble < 8192; ++ensemble) {
        int16_t valeurs[13] = {};
        int n = 0;
        for (int v = 1; v <= 13; ++v)
            if (ensemble & (1u << (v - 1))) valeurs[n++] = static_cast<int16_t>(v);
        const double ecart = MaxiDe(valeurs, n) - MiniDe(valeurs, n);
        const bool quatreDApart = n > 0 && ecart == 4;
        t.parValeurs[ensemble] = static_cast<uint8_t>(n << 1 | quatreDApart);
        t.ecartParValeurs[ensemble] = static_cast<uint8_t>((n > 0 && ecart <= 4) | quatreDApart << 1);
    }
    std::array<bool, 96> rempli{};
    const int16_t uneCouleur[5] = {1, 1, 1, 1, 1};
    const int16_t melangees[5] = {1, 2, 1, 1, 1};
    int16_t v[5];
    for (v[0] = 1; v[0] <= 13; ++v[0])
        for (v[1] = v[0]; v[1] <= 13; ++v[1])
            for (v[2] = v[1]; v[2] <= 13; ++v[2])
                for (v[3] = v[2]; v[3] <= 13; ++v[3])
                    for (v[4] = v[3]; v[4] <= 13; ++v[4])
                        for (const int16_t* c : {uneCouleur, melangees}) {
                            const int i = IndexCinqCartes(t.parValeurs, v, c);
                            const double cat = CategorieSelonRegles(v, c);
                            if (rempli[i] && t.categorie[i] != cat)
                                throw "fast index disagrees with the rules";
                            rempli[i] = true;
                            t.categorie[i] = cat;
                        }
    for (int v = 1; v <= 13; ++v) t.hauteur[v] = HauteurDe(v);
    return t;
}

constexpr TablesCinqCartes kTables = ConstruitTables();

// Straight bounds of the first n values: at most 4 apart, exactly 4 apart.
struct Ecart {
    bool auPlus4;
    bool de4;
};
inline Ecart EcartDe(const int16_t* x, int n) {
    unsigned valeurs = 0;
    for (int i = 0; i < n; ++i) valeurs |= 1u << x[i];
    const uint8_t e = kTables.ecartParValeurs[valeurs >> 1];
    return {(e & 1) != 0, (e & 2) != 0};
}

// ---- Three kept cards: straight shapes --------------------------------------------
// The straight row of three kept cards depends on their values only (and,
// for the two-gap shapes, on the unseen cards of the missing values), so
// each ordered triple of values gets its shape once, at compile time.

// Two values `ecart` apart with the third just outside them: the shapes
// with one or two inside gaps.
constexpr bool Encadre(const int16_t* x, int ecart) {
    for (int i = 0; i < 3; ++i) {
        const int a = x[i], b = x[(i + 1) % 3], autre = x[(i + 2) % 3];
        const int bas = a < b ? a : b, haut = a < b ? b : a;
        if (haut - bas == ecart && (autre == bas - 1 || autre == haut + 1)) return true;
    }
    return false;
}

// Shape codes: no term, 0.013, 0.02, a term of 0 (an Ace with no values
// three apart), or 4..13 for the higher value of the pair three apart.
constexpr uint8_t kSuiteAucune = 0, kSuiteUnTrou = 1, kSuiteSuivies = 2, kSuiteSansAttente = 3;
constexpr uint8_t kMasqueSuite = 0x0F;
// Three different values with at most 4 between the lowest and highest,
// the Ace counted 1: room for a straight flush.
constexpr uint8_t kQuinteFlushPossible = 0x80;

// The rules in the order they are tried; the first that holds decides.
constexpr uint8_t FormeDeTrois(const int16_t* x) {
    const bool as = x[0] == 1 || x[1] == 1 || x[2] == 1;
    if (Encadre(x, 3) || (as && MaxiDe(x, 3) - MiniDe(x, 3) <= 4)) {
        // pairs tried in this order; a later match replaces an earlier one
        constexpr int ordre[6][2] = {{1, 0}, {0, 1}, {2, 0}, {0, 2}, {2, 1}, {1, 2}};
        uint8_t haut = kSuiteSansAttente;
        for (const auto& [a, b] : ordre)
            if (x[a] - x[b] == 3) haut = static_cast<uint8_t>(x[a]);
        return haut;
    }
    const int bas = std::min({x[0], x[1], x[2]}), haut = std::max({x[0], x[1], x[2]});
    const bool differentes = x[0] != x[1] && x[0] != x[2] && x[1] != x[2];
    const bool suivies = differentes && haut - bas == 2;
    const bool bord = x[0] == 2 || x[1] == 2 || x[2] == 2 || x[0] == 13 || x[1] == 13 || x[2] == 13;
    if (Encadre(x, 2) || (suivies && bord)) return kSuiteUnTrou;
    if (suivies) return kSuiteSuivies;
    return kSuiteAucune;
}

constexpr std::array<uint8_t, 14 * 14 * 14> ConstruitFormesDeTrois() {
    std::array<uint8_t, 14 * 14 * 14> formes{};
    int16_t x[3];
    // value 0, a blank card, only keeps the lookups of an undealt hand in bounds
    for (x[0] = 0; x[0] <= 13; ++x[0])
        for (x[1] = 0; x[1] <= 13; ++x[1])
            for (x[2] = 0; x[2] <= 13; ++x[2]) {
                const int bas = std::min({x[0], x[1], x[2]}), haut = std::max({x[0], x[1], x[2]});
                const bool differentes = x[0] != x[1] && x[0] != x[2] && x[1] != x[2];
                uint8_t forme = FormeDeTrois(x);
                if (differentes && haut - bas <= 4) forme |= kQuinteFlushPossible;
                formes[x[0] * 196 + x[1] * 14 + x[2]] = forme;
            }
    return formes;
}

constexpr std::array<uint8_t, 14 * 14 * 14> kFormesDeTrois = ConstruitFormesDeTrois();

// ---- Estimates for 0..4 kept cards ------------------------------------------------

constexpr double D0 = 2070.0 * 44;
constexpr double D1 = 2162.0 * 45 * 44;
constexpr double D2 = 2162.0 * 45;
constexpr double D3 = 2162.0;

// "P (w)" adds a chance and its worth; "made w" a category already held.
struct Totaux {
    double proba = 0;
    double poids = 0;
    void Chance(double p, double w) {
        proba += p;
        poids += p * w;
    }
    void Faite(double w) {
        proba += w;
        poids += w;
    }
};

void RienGarde(const CartesInvisibles& inv, Totaux& t) {
    t.Chance(30.0 * 39 * 35 / D0, Echelle::Paire);
    t.Chance(10530 / D0, Echelle::DeuxPaires);
    t.Chance(4680 / D0, Echelle::Brelan);
    t.Chance(0.004, Echelle::Suite);
    double couleur = 0;
    for (int c = 1; c <= 4; ++c) {
        const double m = inv.memeCoul[c];
        couleur += m * (m - 1) * (m - 2) * (m - 3) * (m - 4) / (2162.0 * 45 * 44 * 43);
    }
    t.Chance(couleur, Echelle::Couleur);
    t.Chance(180 / D0, Echelle::Full);
}

// Chance of a straight from one card: the fewer sequences it can join, the less.
double SuiteDUneCarte(int valeur) {
    switch (valeur) {
    case 1: return 0.002;
    case 2: case 13: return 0.0025;
    case 3: case 12: return 0.0035;
    case 4: case 11: return 0.0045;
    default: return 0.006;
    }
}

void UneGardee(const Evaluation& ev, const CartesInvisibles& inv, Totaux& t) {
    const int x = ev.ValEval[0];
    const double s = inv.soeur[x];
    const double m = inv.memeCoul[ev.CoulEval[0]];
    const double h = kTables.hauteur[x];
    t.proba += h;
    t.poids += h;
    t.Chance((18 + 4 * s) * (47 - s) * (43 - s) * (39 - s) / D1, Echelle::Paire);
    t.Chance((47 - s) * (43 - s) * (54 + 36 * s) / D1, Echelle::DeuxPaires);
    t.Chance((43 - s) * (47 - s) * (24 + 12 * s * (s - 1)) / D1, Echelle::Brelan);
    t.Chance(SuiteDUneCarte(x), Echelle::Suite);
    t.Chance(m * (m - 1) * (m - 2) * (m - 3) / D1, Echelle::Couleur);
    t.Chance(s * (47 - s) * (6 + 18 * s) / D1, Echelle::Full);
}

void DeuxGardees(const Evaluation& ev, const CartesInvisibles& inv, Totaux& t) {
    const int16_t* x = ev.ValEval.data();
    const double s1 = inv.soeur[x[0]];
    const double s2 = inv.soeur[x[1]];
    const double S = s1 + s2;
    const double m = inv.memeCoul[ev.CoulEval[0]];
    const bool memeCouleur = ev.CoulEval[0] == ev.CoulEval[1];
    t.poids += kTables.hauteur[x[0]];
    t.poids += kTables.hauteur[x[1]];
    if (x[0] == x[1]) {
        t.Faite(Echelle::Paire);
        t.Chance(9 * (47 - s1) * (43 - s1) / D2, Echelle::DeuxPaires);
        t.Chance(3 * s1 * (47 - s1) * (43 - s1) / D2, Echelle::Brelan);
        if (memeCouleur) t.Chance(m * (m - 1) * (m - 2) / D2, Echelle::Couleur);
        t.Chance((47 - s1) * (9 * s1 + 6) / D2, Echelle::Full);
        t.Chance(6 / D3, Echelle::Carre);
    } else {
        t.Chance(3 * (43 - S) * (47 - S) * (S + 3) / D2, Echelle::Paire);
        t.Chance((47 - S) * (6 * s1 * s2 + 9 * S) / D2, Echelle::DeuxPaires);
        t.Chance(3 * (47 - S) * (s1 * (s1 - 1) + 2 + s2 * (s2 - 1)) / D2, Echelle::Brelan);
        if (EcartDe(x, 2).auPlus4) t.Chance(0.003, Echelle::Suite);
        if (memeCouleur) t.Chance(m * (m - 1) * (m - 2) / D2, Echelle::Couleur);
        t.Chance(3 * s1 * s2 * (S - 2) / D2, Echelle::Full);
        t.Chance(12 / D2, Echelle::Carre);
    }
}

void SuiteDeTrois(const int16_t* x, const CartesInvisibles& inv, Totaux& t) {
    const uint8_t forme = kFormesDeTrois[x[0] * 196 + x[1] * 14 + x[2]] & kMasqueSuite;
    switch (forme) {
    case kSuiteAucune: break;
    case kSuiteUnTrou: t.Chance(0.013, Echelle::Suite); break;
    case kSuiteSuivies: t.Chance(0.02, Echelle::Suite); break;
    case kSuiteSansAttente: t.Chance(0.0, Echelle::Suite); break;
    default:  // two inside values missing, just under `forme`
        t.Chance(2.0 * (inv.soeur[forme - 1] * inv.soeur[forme - 2]) / D3, Echelle::Suite);
    }
}

void TroisGardees(const Evaluation& ev, const CartesInvisibles& inv, Totaux& t) {
    const int16_t* x = ev.ValEval.data();
    const double s1 = inv.soeur[x[0]], s2 = inv.soeur[x[1]], s3 = inv.soeur[x[2]];
    const double S = s1 + s2 + s3;
    const double m = inv.memeCoul[ev.CoulEval[0]];
    const bool memeCouleur = ev.CoulEval[0] == ev.CoulEval[1] && ev.CoulEval[0] == ev.CoulEval[2];
    for (int i = 0; i < 3; ++i) t.poids += kTables.hauteur[x[i]];

    const bool brelan = x[0] == x[1] && x[1] == x[2];
    const bool paire = !brelan && (x[0] == x[1] || x[0] == x[2] || x[1] == x[2]);
    if (brelan) {
        t.Chance((47 - S) * (2 * S + 3) / D3, Echelle::Paire);
        t.Faite(Echelle::Brelan);
        SuiteDeTrois(x, inv, t);
        if (memeCouleur) t.Chance(m * (m - 1) / D3, Echelle::Couleur);
        t.Chance(3 * (47 - S) / D3, Echelle::Full);
        if (s1 == 1) t.Chance(2.0 / 47.0, Echelle::Carre);
    } else if (paire) {
        const int p = x[0] == x[1] || x[0] == x[2] ? x[0] : x[1];
        const int o = x[0] == x[1] ? x[2] : x[0] == x[2] ? x[1] : x[0];
        const double sp = inv.soeur[p], so = inv.soeur[o];
        t.Faite(Echelle::Paire);
        t.Chance((47 - (sp + so)) * (2 * so + 3) / D3, Echelle::DeuxPaires);
        t.Chance((47 - (sp + so)) * 2 * sp / D3, Echelle::Brelan);
        SuiteDeTrois(x, inv, t);
        if (memeCouleur) t.Chance(m * (m - 1) / D3, Echelle::Couleur);
        t.Chance((2 * sp + so - 1) * so / D3, Echelle::Full);
        if (sp == 2) t.Chance(2 / D3, Echelle::Carre);
    } else {
        t.Chance((47 - S) * (2 * S + 3) / D3, Echelle::Paire);
        t.Chance(2 * (s1 * s2 + s1 * s3 + s2 * s3) / D3, Echelle::DeuxPaires);
        t.Chance((s1 * (s1 - 1) + s2 * (s2 - 1) + s3 * (s3 - 1)) / D3, Echelle::Brelan);
        SuiteDeTrois(x, inv, t);
        if (memeCouleur) t.Chance(m * (m - 1) / D3, Echelle::Couleur);
    }
    // Three suited cards close enough to fill a straight flush.
    const uint8_t forme = kFormesDeTrois[x[0] * 196 + x[1] * 14 + x[2]];
    if (memeCouleur && (forme & kQuinteFlushPossible)) {
        t.proba += 0.002;
        t.poids += 84.6;
    }
}

void QuatreGardees(const Evaluation& ev, const CartesInvisibles& inv, Totaux& t) {
    const int16_t* x = ev.ValEval.data();
    const int16_t* c = ev.CoulEval.data();
    double s[4];
    for (int i = 0; i < 4; ++i) {
        s[i] = inv.soeur[x[i]];
        t.poids += kTables.hauteur[x[i]];
    }
    // Equal pairs among the six position pairs: 1 for a pair, 2 for two
    // pairs, 3 for three of a kind, 6 for four; the last pair found is kept.
    static constexpr int paires[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    int egales = 0, derniere = 0;
    for (const auto& [a, b] : paires)
        if (x[a] == x[b]) {
            ++egales;
            derniere = a;
        }
    // Positions outside the pairs (one pair) or the one odd card (three equal).
    double horsPaires = 0, seule = 0;
    for (int i = 0; i < 4; ++i) {
        int pareilles = 0;
        for (int j = 0; j < 4; ++j) pareilles += j != i && x[j] == x[i];
        if (pareilles == 0) {
            horsPaires += s[i];
            seule = s[i];
        }
    }
    const Ecart ecart = EcartDe(x, 4);
    const bool as = x[0] == 1 || x[1] == 1 || x[2] == 1 || x[3] == 1;
    const bool memeCouleur = c[0] == c[1] && c[0] == c[2] && c[0] == c[3];

    if (egales > 0) t.Faite(Echelle::Paire);
    else t.Chance((s[0] + s[1] + s[2] + s[3]) / 47, Echelle::Paire);

    if (egales == 2) t.Faite(Echelle::DeuxPaires);
    else if (egales == 1) t.Chance(horsPaires / 47, Echelle::DeuxPaires);

    if (egales >= 3) t.Faite(Echelle::Brelan);
    else if (egales > 0) t.Chance(s[derniere] / 47, Echelle::Brelan);

    if (egales == 0 && ecart.auPlus4) t.Chance((ecart.de4 || as ? 3.0 : 6.0) / 47, Echelle::Suite);

    if (memeCouleur) t.Chance(inv.memeCoul[c[0]] / 47.0, Echelle::Couleur);

    if (egales >= 3) {
        t.Chance((egales == 6 ? s[0] : seule) / 47, Echelle::Full);
    } else if (egales == 2) {
        // the two pair values: the first card's and the other one
        const int autre = x[1] != x[0] ? 1 : 2;
        t.Chance((s[0] + s[autre]) / 47, Echelle::Full);
    }

    if (egales == 6) t.Faite(Echelle::Carre);
    else if (egales == 3 && s[derniere] == 1) t.Chance(1.0 / 47, Echelle::Carre);

    if (memeCouleur && ecart.auPlus4) t.Chance(1.0 / 47, Echelle::QuinteFlush);
}

void EvalueCinq(Evaluation& ev) {
    const int16_t* v = ev.ValEval.data();
    const double categorie =
        kTables.categorie[IndexCinqCartes(kTables.parValeurs, v, ev.CoulEval.data())];
    // Summed card by card, then the category: the same rounding as ever.
    double poids = kTables.hauteur[v[0]];
    poids += kTables.hauteur[v[1]];
    poids += kTables.hauteur[v[2]];
    poids += kTables.hauteur[v[3]];
    poids += kTables.hauteur[v[4]];
    ev.CategorieMain = categorie;
    ev.PoidsMain = poids + categorie;
}

}  // namespace

double PoidsHauteur(int valeur) { return HauteurDe(valeur); }

int16_t MemeCoul(const MarquesPaquet& paquet, int CoulMaCarte) {
    int16_t n = 0;
    for (int v = 1; v <= 13; ++v) n += paquet(v, CoulMaCarte) != MarqueCarte::Cowboy;
    return n;
}

int16_t Soeur(const MarquesPaquet& paquet, int NumMaCarte) {
    int16_t n = 0;
    for (int c = 1; c <= 4; ++c) n += paquet(NumMaCarte, c) != MarqueCarte::Cowboy;
    return n;
}

double Maxi(const int16_t* TabVal, int NbVal) { return MaxiDe(TabVal, NbVal); }
double Mini(const int16_t* TabVal, int NbVal) { return MiniDe(TabVal, NbVal); }

CartesInvisibles CompteInvisibles(const MarquesPaquet& paquet) {
    CartesInvisibles inv;
    inv.soeur.fill(4);
    inv.memeCoul.fill(13);
    for (int v = 1; v <= 13; ++v)
        for (int c = 1; c <= 4; ++c) {
            const int16_t vue = paquet(v, c) == MarqueCarte::Cowboy;
            inv.soeur[v] -= vue;
            inv.memeCoul[c] -= vue;
        }
    return inv;
}

void EvalueMain(Evaluation& ev, const CartesInvisibles& inv, int NbGardees) {
    if (NbGardees == 5) {
        EvalueCinq(ev);
        return;
    }
    Totaux t;
    switch (NbGardees) {
    case 0: RienGarde(inv, t); break;
    case 1: UneGardee(ev, inv, t); break;
    case 2: DeuxGardees(ev, inv, t); break;
    case 3: TroisGardees(ev, inv, t); break;
    case 4: QuatreGardees(ev, inv, t); break;
    default: break;  // no cards to judge: both totals stay 0
    }
    ev.CategorieMain = t.proba;
    ev.PoidsMain = t.poids;
}

void EvalueMain(Evaluation& ev, const MarquesPaquet& paquet, int NbGardees) {
    // a complete hand needs no counts of unseen cards
    if (NbGardees == 5) EvalueCinq(ev);
    else EvalueMain(ev, CompteInvisibles(paquet), NbGardees);
}

void EvalueMainComplete(Evaluation& ev, const MarquesPaquet& paquet, const Main& main) {
    for (int i = 0; i < 5; ++i) {
        ev.ValEval[i] = main[i].valeur;
        ev.CoulEval[i] = main[i].couleur;
    }
    EvalueMain(ev, paquet, 5);
}
