#include "actions_joueur.h"

#include <charconv>
#include <vector>

namespace {

struct NomBouton {
    const char* nom;
    BoutonTable bouton;
};
constexpr NomBouton kBoutons[] = {
    {"bet50", BoutonTable::Bill50}, {"bet20", BoutonTable::Bill20}, {"bet10", BoutonTable::Bill10},
    {"call", BoutonTable::Call},    {"check", BoutonTable::Check},  {"pass", BoutonTable::Pass},
    {"fold", BoutonTable::Fold},    {"ok", BoutonTable::OK},
};
constexpr const char* kPersos[] = {"cowboy", "mexican", "girl"};
constexpr const char* kNiveaux[] = {"easy", "medium", "hard"};

std::vector<std::string_view> Mots(std::string_view t) {
    std::vector<std::string_view> mots;
    while (!t.empty()) {
        const auto debut = t.find_first_not_of(" \t");
        if (debut == std::string_view::npos) break;
        t.remove_prefix(debut);
        const auto fin = t.find_first_of(" \t");
        mots.push_back(t.substr(0, fin));
        t.remove_prefix(fin == std::string_view::npos ? t.size() : fin);
    }
    return mots;
}

std::optional<int> Entier(std::string_view t, int min, int max) {
    int v = 0;
    const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (erreur != std::errc{} || fin != t.data() + t.size() || v < min || v > max) return {};
    return v;
}

}  // namespace

std::string_view TexteUtile(std::string_view ligne) {
    if (const auto diese = ligne.find('#'); diese != std::string_view::npos)
        ligne = ligne.substr(0, diese);
    const auto debut = ligne.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos) return {};
    const auto fin = ligne.find_last_not_of(" \t\r");
    return ligne.substr(debut, fin - debut + 1);
}

std::string TexteAction(const ActionJoueur& a) {
    using G = ActionJoueur::Genre;
    switch (a.genre) {
    case G::Bouton:
        for (const NomBouton& b : kBoutons)
            if (b.bouton == a.bouton) return b.nom;
        return "draw";
    case G::Tirage: {
        std::string t = "draw";
        for (char c : a.cartes) (t += ' ') += c;
        return t;
    }
    case G::Entrainement:
        return std::string("training ") + kPersos[a.perso - 1] + " " + std::to_string(a.skill) + " " +
               std::to_string(a.emotion) + " " + std::to_string(a.bluff) + " " +
               std::to_string(a.risk) + " " + std::to_string(a.argent);
    case G::Tournoi: return std::string("tournament ") + kNiveaux[a.niveau / 100 - 3];
    case G::Premier: return "first " + std::to_string(a.premier);
    case G::Progression: return "progression " + std::to_string(a.progression);
    case G::Langue: break;
    }
    return a.francais ? "language fr" : "language en";
}

std::optional<ActionJoueur> LitAction(std::string_view ligne, std::string& erreur) {
    erreur.clear();
    const std::vector<std::string_view> mots = Mots(TexteUtile(ligne));
    if (mots.empty()) return {};
    using G = ActionJoueur::Genre;
    ActionJoueur a;
    const std::string_view verbe = mots[0];
    const auto mauvais = [&](const char* attendu) -> std::optional<ActionJoueur> {
        erreur = '"';
        erreur.append(TexteUtile(ligne)).append("\": ").append(attendu);
        return {};
    };
    for (const NomBouton& b : kBoutons)
        if (verbe == b.nom) {
            if (mots.size() != 1) return mauvais("a button takes nothing after it");
            a.bouton = b.bouton;
            return a;
        }
    if (verbe == "draw") {
        a.genre = G::Tirage;
        // Clicked in the order written: a card clicked twice is unmarked.
        for (std::size_t i = 1; i < mots.size(); ++i)
            for (char c : mots[i]) {
                if (c < '1' || c > '5') return mauvais("draw takes the positions 1 to 5 clicked");
                a.cartes += c;
            }
        return a;
    }
    if (verbe == "training") {
        a.genre = G::Entrainement;
        if (mots.size() != 7)
            return mauvais("training CHARACTER SKILL EMOTION BLUFF RISK MONEY");
        a.perso = 0;
        for (int i = 0; i < 3; ++i)
            if (mots[1] == kPersos[i]) a.perso = i + 1;
        if (a.perso == 0) return mauvais("the character is cowboy, mexican or girl");
        int* valeurs[] = {&a.skill, &a.emotion, &a.bluff, &a.risk};
        for (int i = 0; i < 4; ++i) {
            const auto v = Entier(mots[2 + i], 0, 100);
            if (!v) return mauvais("the personality values are 0 to 100");
            *valeurs[i] = *v;
        }
        const auto argent = Entier(mots[6], 300, 500);
        if (!argent || *argent % 100 != 0) return mauvais("the money is 300, 400 or 500");
        a.argent = *argent;
        return a;
    }
    if (verbe == "tournament") {
        a.genre = G::Tournoi;
        for (int i = 0; mots.size() == 2 && i < 3; ++i)
            if (mots[1] == kNiveaux[i]) {
                a.niveau = 300 + 100 * i;
                return a;
            }
        return mauvais("tournament easy, medium or hard");
    }
    if (verbe == "first") {
        a.genre = G::Premier;
        const auto v = mots.size() == 2 ? Entier(mots[1], 0, 2) : std::nullopt;
        if (!v) return mauvais("first 0, 1 or 2");
        a.premier = *v;
        return a;
    }
    if (verbe == "progression") {
        a.genre = G::Progression;
        const auto v = mots.size() == 2 ? Entier(mots[1], -32768, 32767) : std::nullopt;
        if (!v) return mauvais("progression takes a whole number of 16 bits");
        a.progression = *v;
        return a;
    }
    if (verbe == "language") {
        a.genre = G::Langue;
        if (mots.size() == 2 && (mots[1] == "en" || mots[1] == "fr")) {
            a.francais = mots[1] == "fr";
            return a;
        }
        return mauvais("language en or fr");
    }
    return mauvais("not an action");
}
