#pragma once
// A timer that ticks only while it is enabled with an interval above 0.
// Interval and Enabled may be changed from inside a tick (a one-shot tell
// sets its own interval to 0); a tick never re-enters itself.

#include <QObject>
#include <QTimer>

#include <functional>

class Minuterie : public QObject {
public:
    explicit Minuterie(QObject* parent);

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    void SurTick(std::function<void()> handler) { tick_ = std::move(handler); }
    // Ticks delivered since creation (for tests and measurements).
    long Ticks() const { return ticks_; }

    // Ticks of any timer running now, nested ones included.
    static int TicksEnCours();
    // While suspended no timer ticks; intervals and Enabled are still kept
    // (a replayed game must not depend on the clock).
    static void Suspend(bool suspendu);
    static bool Suspendu();

private:
    void Arme();
    void Tick();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
    bool dansTick_ = false;
    long ticks_ = 0;
    std::function<void()> tick_;
};
