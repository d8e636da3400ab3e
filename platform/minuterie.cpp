#include "platform/minuterie.h"

#include "platform/acces.h"

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
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Minuterie::Tick() {
    if (!enabled_ || interval_ <= 0 || dansTick_ || !tick_) return;
    struct Garde {
        bool& b;
        explicit Garde(bool& x) : b(x) { b = true; }
        ~Garde() { b = false; }
    } garde(dansTick_);
    ++ticks_;
    Execute(this, Acces::Toujours, tick_);
}
