#include "hasard_script.h"

#include <gtest/gtest.h>

#include <stdexcept>

HasardScript::HasardScript(std::initializer_list<double> valeurs) : valeurs_(valeurs) {
    InstalleHasard(this);
}

HasardScript::HasardScript(std::vector<double> valeurs) : valeurs_(std::move(valeurs)) {
    InstalleHasard(this);
}

HasardScript::~HasardScript() {
    InstalleHasard(nullptr);
    EXPECT_EQ(Restants(), 0u) << "the scripted random values were not all drawn: " << Tires()
                              << " drawn of " << valeurs_.size();
}

double HasardScript::Rnd() {
    if (suivant_ >= valeurs_.size()) {
        ADD_FAILURE() << "the scripted random values ran out after " << valeurs_.size() << " draws";
        throw std::out_of_range("scripted random values ran out");
    }
    return valeurs_[suivant_++];
}

void HasardScript::Ajoute(std::initializer_list<double> valeurs) {
    valeurs_.insert(valeurs_.end(), valeurs);
}

void HasardScript::Ajoute(double valeur, std::size_t fois) { valeurs_.insert(valeurs_.end(), fois, valeur); }

void HasardScript::AjouteR(int r) { valeurs_.push_back(R(r)); }
