// The language dialog of the first start: two animated flags and two
// buttons; it sets LangueChoisie to "UK" or "FR" and closes.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "common/etat.h"

class QLabel;
class QPushButton;
class QTimer;
class ImageCliquable;

// The flag frame shown next, 0..4; kept for the whole run, not reset when
// the dialog opens again.
extern int16_t FrameDrapeau;

class Langue : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `table`; the choice goes into `reglages`.
    Langue(QWidget* table, Reglages& reglages);

    std::array<QLabel*, 2> Label1{};
    QPushButton* Command1 = nullptr;  // English
    QPushButton* FR = nullptr;        // Français
    ImageCliquable* DrapeauUK = nullptr;
    ImageCliquable* DrapeauFR = nullptr;
    std::array<QImage, 5> ImageDrapeauUK;
    std::array<QImage, 5> ImageDrapeauFR;
    QTimer* Timer1 = nullptr;

    void Timer1_Timer();
    void Command1_Click();
    void FR_Click();
    void DrapeauUK_Click() { Command1_Click(); }
    void DrapeauFR_Click() { FR_Click(); }

private:
    Reglages& reglages_;
};
