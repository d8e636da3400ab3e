#include "platform/minuterie.h"

#include "platform/acces.h"

namespace {
int g_ticksEnCours = 0;
bool g_suspendu = false;
}  // namespace

int Minuterie::TicksEnCours() { return g_ticksEnCours; }
void Minuterie::Suspend(bool suspendu) { g_suspendu = suspendu; }
bool Minuterie::Suspendu() { return g_suspendu; }

Minuterie::Minuterie(QObject* parent) : QObject(parent) {
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void Minuterie::SetInterval(int ms) {
    interval_ = ms;
    Arme();
}

void Minuterie::SetEnabled(bool e) {
    enabled_ = e;
    Arme();
}

// Any change starts the count again from now.
void Minuterie::Arme() {
    if (enabled_ && interval_ > 0 && !g_suspendu)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Minuterie::Tick() {
    if (!enabled_ || interval_ <= 0 || dansTick_ || !tick_ || g_suspendu) return;
    struct Garde {
        bool& b;
        explicit Garde(bool& x) : b(x) {
            b = true;
            ++g_ticksEnCours;
        }
        ~Garde() {
            b = false;
            --g_ticksEnCours;
        }
    } garde(dansTick_);
    ++ticks_;
    Execute(this, Acces::Toujours, tick_);
}
