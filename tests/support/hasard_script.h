// A scripted random source for tests: it hands out the listed values in
// order, fails the test when asked for more, and when it goes out of scope
// fails the test if some values were never drawn.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "common/hasard.h"

class HasardScript final : public SourceHasard {
public:
    // Installs itself as the game's source until destroyed.
    HasardScript(std::initializer_list<double> valeurs = {});
    explicit HasardScript(std::vector<double> valeurs);
    ~HasardScript() override;
    HasardScript(const HasardScript&) = delete;
    HasardScript& operator=(const HasardScript&) = delete;

    double Rnd() override;

    // Appends values to the script.
    void Ajoute(std::initializer_list<double> valeurs);
    void Ajoute(double valeur, std::size_t fois = 1);
    // Appends the value that makes Int(Rnd * 100) give r (0..99).
    void AjouteR(int r);
    // Values drawn so far, and values left.
    std::size_t Tires() const { return suivant_; }
    std::size_t Restants() const { return valeurs_.size() - suivant_; }

private:
    std::vector<double> valeurs_;
    std::size_t suivant_ = 0;
};

// The uniform value whose draw of 0..n-1 gives k: the middle of its band.
inline double ValeurPour(int k, int n) { return (k + 0.5) / n; }
// The uniform value whose 0..99 draw gives r.
inline double R(int r) { return ValeurPour(r, 100); }
