// A source of actions for the driver's tests: the lines given first, then
// whatever the test's function answers.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pilote.h"

class SourceTest : public SourceActions {
public:
    using Suite = std::function<std::optional<ActionJoueur>(const Situation&)>;
    SourceTest(std::vector<std::string> lignes, Suite suite = {})
        : lignes_(std::move(lignes)), suite_(std::move(suite)) {}

    std::optional<ActionJoueur> Suivante(const Situation& s, std::string& erreur) override {
        while (suivante_ < lignes_.size()) {
            auto a = LitAction(lignes_[suivante_++], erreur);
            if (!erreur.empty() || a) return a;
        }
        return suite_ ? suite_(s) : std::nullopt;
    }

private:
    std::vector<std::string> lignes_;
    std::size_t suivante_ = 0;
    Suite suite_;
};

inline ActionJoueur Action(const std::string& ligne) {
    std::string erreur;
    return *LitAction(ligne, erreur);
}

inline bool Offert(const Situation& s, BoutonTable b) {
    for (BoutonTable o : s.offerts)
        if (o == b) return true;
    return false;
}

// A plain player that heads for the draw and the showdown: calls, checks
// and passes, bets $10 where nothing else is offered, changes no card.
inline ActionJoueur VersLAbattage(const Situation& s) {
    for (auto [b, ligne] : {std::pair{BoutonTable::OK, "ok"}, {BoutonTable::Draw, "draw"},
                            {BoutonTable::Call, "call"}, {BoutonTable::Check, "check"},
                            {BoutonTable::Bill10, "bet10"}, {BoutonTable::Pass, "pass"}})
        if (Offert(s, b)) return Action(ligne);
    return Action("first 0");
}
