// Drives the modal windows that a call opens: each step acts on the next
// modal window that appears, in order.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class PiloteModal {
public:
    using Etape = std::function<void(QWidget*)>;

    explicit PiloteModal(std::vector<Etape> etapes) : etapes_(std::move(etapes)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Sonde(); });
        timer_.start();
    }

    // Class names of the modal windows met, in order.
    const std::vector<std::string>& Vus() const { return vus_; }

private:
    void Sonde() {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || m == dernier_.data() || !m->isVisible()) return;
        dernier_ = m;
        vus_.push_back(m->metaObject()->className());
        if (suivante_ < etapes_.size()) etapes_[suivante_++](m);
    }

    std::vector<Etape> etapes_;
    std::size_t suivante_ = 0;
    QPointer<QWidget> dernier_;  // null once that window is gone
    std::vector<std::string> vus_;
    QTimer timer_;
};
