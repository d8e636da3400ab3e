// The random-input run's watchdog: a thread of its own that fails the run
// when the game stops answering.
//
// The main thread reports, at every input it sends, where the flow stands:
// free (no handler of the table runs, or the flow waits for the player: the
// showdown's OK wait, a dialog or a message box) or busy (a handler runs
// between two such points). A busy handler is due to return, or to reach a
// point where it waits for the player, within the longest run of waits it
// can contain with the delays in force, counted from the last free report.
// The run fails when a handler is overdue by more than the margin, or when
// the main thread has reported nothing for the margin (its event loop
// stopped).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "common/durees.h"

struct Reglages;

// The longest chain of waits a handler of the table runs between two points
// where the flow waits for the player (a tournament's next game after a
// showdown: the pot paid bill by bill, the closing sentence, both piles
// built, the deal, the opponent's opening), in the game's own waits.
struct Attentes {
    Delai quoi;
    int fois;
};
inline constexpr Attentes kPlusLongHandler[] = {
    {Delai::Turn, 12},   // the showdown, the next game and the deal
    {Delai::Card, 15},   // the deal and the reveal: ten cards, and a few more
    {Delai::Bill, 220},  // a pot of $1,000 and two piles of $500 are 200 bills
};

// The longest a handler of the table may take, in seconds, with the delays
// of `r`: twice that chain, for any path longer than the one counted, with
// room for the face tells that pause inside the waits and for the drawing.
double DureeHandler(const Reglages& r);

// What the watchdog knows at one instant, in seconds since the run began.
struct Releve {
    double maintenant = 0;
    double dernierSignal = 0;  // the main thread's last report
    double dernierLibre = 0;   // the last report of a free flow
    bool occupe = false;       // the last report found a handler running
    double duree = 0;          // the busy handler's allowance (DureeHandler)
};

// Why the run must fail now with this margin, or "".
std::string Verdict(const Releve& r, double marge);

class ChienDeGarde {
public:
    // Called on the watchdog's thread with the reason and the last inputs;
    // the main thread is stuck, so it must end the process itself (a test
    // may only record it). The watchdog watches no more after it.
    using Echec = std::function<void(const std::string& pourquoi, const std::string& dernieres)>;

    ChienDeGarde(double marge, Echec echec);
    ~ChienDeGarde();
    ChienDeGarde(const ChienDeGarde&) = delete;
    ChienDeGarde& operator=(const ChienDeGarde&) = delete;

    // Main thread: nothing is due.
    void Libre();
    // Main thread: a handler runs, allowed `duree` seconds since the last
    // free report (the longest allowance seen since then counts).
    void Occupe(double duree);
    // Main thread: where the flow stands, told with a failure.
    void Situation(std::string quoi);
    // An input sent, kept among the last ones.
    void Note(std::string entree);
    std::string Dernieres() const;
    // The same unless another thread holds them now (for a crash report).
    std::string DernieresSiLibres() const;
    // Seconds since the watchdog started.
    double Ecoule() const;
    // Stops watching (the run ends).
    void Arrete();

private:
    void Veille();
    double Maintenant() const;

    const double marge_;
    Echec echec_;
    const std::chrono::steady_clock::time_point debut_;
    std::atomic<double> dernierSignal_{0}, dernierLibre_{0}, duree_{0};
    std::atomic<bool> occupe_{false};
    mutable std::mutex mutex_;
    std::condition_variable reveil_;
    bool arrete_ = false;
    std::deque<std::string> dernieres_;
    std::string situation_;
    std::thread veilleur_;
};
