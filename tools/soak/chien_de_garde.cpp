#include "chien_de_garde.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "common/etat.h"

namespace {

constexpr std::size_t kDernieres = 30;

std::string Secondes(double s) {
    char t[32];
    std::snprintf(t, sizeof t, "%.1f s", s);
    return t;
}

}  // namespace

double DureeHandler(const Reglages& r) {
    double chaine = 0;
    for (const Attentes& a : kPlusLongHandler)
        chaine += a.fois * (std::max<int>(Millisecondes(a.quoi, r), 0) / 1000.0);
    // The face tells pause 100 to 200 ms between frames inside the waits.
    return 2 * chaine + 3.0;
}

std::string Verdict(const Releve& r, double marge) {
    const double silence = r.maintenant - r.dernierSignal;
    if (silence > marge)
        return "hang: the event loop has handled nothing for " + Secondes(silence);
    if (!r.occupe) return "";
    const double retard = r.maintenant - r.dernierLibre - r.duree;
    if (retard > marge)
        return "hang: no handler has returned for " + Secondes(r.maintenant - r.dernierLibre) +
               " (due within " + Secondes(r.duree) + " with the delays in force)";
    return "";
}

ChienDeGarde::ChienDeGarde(double marge, Echec echec)
    : marge_(marge), echec_(std::move(echec)), debut_(std::chrono::steady_clock::now()) {
    veilleur_ = std::thread([this] { Veille(); });
}

ChienDeGarde::~ChienDeGarde() { Arrete(); }

double ChienDeGarde::Maintenant() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut_).count();
}

double ChienDeGarde::Ecoule() const { return Maintenant(); }

void ChienDeGarde::Libre() {
    const double t = Maintenant();
    dernierSignal_ = t;
    dernierLibre_ = t;
    duree_ = 0;
    occupe_ = false;
}

void ChienDeGarde::Occupe(double duree) {
    // The allowance before the flag: the watchdog never sees a busy flow
    // with the allowance of a free one.
    if (duree > duree_) duree_ = duree;
    occupe_ = true;
    dernierSignal_ = Maintenant();
}

void ChienDeGarde::Situation(std::string quoi) {
    std::lock_guard verrou(mutex_);
    situation_ = std::move(quoi);
}

void ChienDeGarde::Note(std::string entree) {
    char t[24];
    std::snprintf(t, sizeof t, "%9.3f  ", Maintenant());
    std::lock_guard verrou(mutex_);
    dernieres_.push_back(t + std::move(entree));
    if (dernieres_.size() > kDernieres) dernieres_.pop_front();
}

std::string ChienDeGarde::Dernieres() const {
    std::lock_guard verrou(mutex_);
    std::string t;
    for (const std::string& e : dernieres_) t += e + "\n";
    return t;
}

std::string ChienDeGarde::DernieresSiLibres() const {
    std::unique_lock verrou(mutex_, std::try_to_lock);
    if (!verrou.owns_lock()) return "(busy)\n";
    std::string t;
    for (const std::string& e : dernieres_) t += e + "\n";
    return t;
}

void ChienDeGarde::Arrete() {
    {
        std::lock_guard verrou(mutex_);
        arrete_ = true;
    }
    reveil_.notify_all();
    if (veilleur_.joinable() && veilleur_.get_id() != std::this_thread::get_id()) veilleur_.join();
}

void ChienDeGarde::Veille() {
    std::unique_lock verrou(mutex_);
    while (!arrete_) {
        reveil_.wait_for(verrou, std::chrono::milliseconds(50));
        if (arrete_) break;
        Releve r;
        r.maintenant = Maintenant();
        r.dernierSignal = dernierSignal_;
        r.dernierLibre = dernierLibre_;
        r.occupe = occupe_;
        r.duree = duree_;
        std::string pourquoi = Verdict(r, marge_);
        if (pourquoi.empty()) continue;
        pourquoi = "after " + Secondes(r.maintenant) + ": " + pourquoi;
        if (!situation_.empty()) pourquoi += "\nthe flow: " + situation_;
        std::string dernieres;
        for (const std::string& e : dernieres_) dernieres += e + "\n";
        arrete_ = true;
        verrou.unlock();
        echec_(pourquoi, dernieres);
        return;
    }
}
