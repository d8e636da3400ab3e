#include "plaques.h"

Plaques RegleDesPlaques(int miseCourante, int p, int c) {
    Plaques plaques;
    for (std::size_t i = 0; i < ValeursPlaques.size(); ++i) {
        const int b = ValeursPlaques[i];
        plaques.couvertes[i] = miseCourante + b > p || c < b;
    }
    plaques.tableauxCouverts = plaques.couvertes[0] && plaques.couvertes[1] && plaques.couvertes[2];
    return plaques;
}

ParoleCowboy BaisseMise(const CodeAction& code, int c, int p, SansMise sansMise) {
    const CodeAction rien = sansMise == SansMise::Verifie ? "CH" : "PA";
    CodeAction finale = code;
    if (finale == "BE50" && (c < 50 || p < 50)) finale = "BE20";
    if (finale == "BE20" && (c < 20 || p < 20)) finale = "BE10";
    if (finale == "BE10" && (c < 10 || p < 10)) finale = rien;

    if (finale == "BE50") return {finale, TextesJeu::JeMise50};
    if (finale == "BE20") return {finale, TextesJeu::JeMise20};
    if (finale == "BE10") return {finale, TextesJeu::JeMise10};
    switch (sansMise) {
    case SansMise::Passe: return {finale, TextesJeu::JePasse};
    case SansMise::PasseAussi: return {finale, TextesJeu::JePasseAussi};
    case SansMise::Verifie: break;
    }
    return {finale, TextesJeu::JeVerifie};
}
