// Driving one decision tree of the opponent with scripted draws and scripted
// answers of the big-pair test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/etat.h"
#include "rules/decisions.h"
#include "support/hasard_script.h"

// The big-pair test as a list of answers, one per call; running out of
// answers, or leaving some unused, fails the test.
class GrossePaireScript {
public:
    explicit GrossePaireScript(std::vector<bool> reponses)
        : reponses_(std::make_shared<std::deque<bool>>(reponses.begin(), reponses.end())) {}
    ~GrossePaireScript() {
        EXPECT_TRUE(reponses_->empty()) << reponses_->size() << " big-pair answers left unused";
    }
    std::function<bool()> Fonction() const {
        auto reponses = reponses_;
        return [reponses] {
            if (reponses->empty()) {
                ADD_FAILURE() << "the big-pair test was called once too often";
                return false;
            }
            const bool g = reponses->front();
            reponses->pop_front();
            return g;
        };
    }

private:
    std::shared_ptr<std::deque<bool>> reponses_;
};

// The draws 0..99 a tree should consume, in order.
inline std::vector<double> Tirages(const std::vector<int>& r) {
    std::vector<double> valeurs;
    for (int x : r) valeurs.push_back(R(x));
    return valeurs;
}

inline std::string Texte(const std::vector<int>& r) {
    std::string s = "draws [";
    for (int x : r) s += std::to_string(x) + " ";
    return s + "]";
}

// The opponent's bluff and risk in the tests: a draw of 30 or less bluffs,
// 60 or less takes the risk.
constexpr int kBluff = 30;
constexpr int kRisk = 60;

// A table where the opponent holds `cartes`, at Skill 100 so that its keep
// choice is exact whatever its two draws per candidate are.
inline Etat TableAvecCartes(const Main& cartes) {
    Etat etat;
    etat.reglages.Skill = 100;
    etat.reglages.Bluff = kBluff;
    etat.reglages.Risk = kRisk;
    etat.donne.CartesCowboy = cartes;
    for (const Carte& c : cartes) etat.donne.Paquet(c.valeur, c.couleur) = MarqueCarte::Cowboy;
    return etat;
}
