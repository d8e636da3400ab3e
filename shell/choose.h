// The opponent set-up dialog of a training game: character, personality and
// starting money.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;
class BoiteImage;

class Choose : public QDialog {
public:
    // Loads the dialog from the running settings, centred over `table`.
    // A locked character named by the settings is refused at once.
    explicit Choose(QWidget* table = nullptr);

    // The controls, public as a form's controls are.
    std::array<QRadioButton*, 3> ChooseOpp{};  // cowboy, Mexican, girl
    BoiteImage* ChooseC = nullptr;
    BoiteImage* ChooseM = nullptr;
    BoiteImage* ChooseF = nullptr;
    std::array<QLabel*, 4> Label1{};           // skill, bluff, risk, self-control
    QSlider* SliderSkill = nullptr;
    QSlider* SliderBluff = nullptr;
    QSlider* SliderRisk = nullptr;
    QSlider* SliderEmotion = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 4> OptionMoney{};  // 1..3: $300, $400, $500
    std::array<BoiteImage*, 4> BillChoose{};     // 1..3
    QPushButton* OK = nullptr;
    QPushButton* Default = nullptr;
    QPushButton* Cancel = nullptr;
    QTimer* Timer1 = nullptr;

    // Zoom of the selected portrait, 80..100 per cent, and its direction.
    int16_t AnimChoose = 100;
    bool AnimSens = true;   // shrinking

    // Any way of leaving but OK counts as Cancel.
    void reject() override;

    void Timer1_Timer();

private:
    void Form_Load(QWidget* table);
    void ChooseOpp_Click(int index);
    void Slider_Change(int k, int valeur);
    void OptionMoney_Click(int index);
    void Default_Click();
    void OK_Click();
    void DessinePiles();

    std::array<QString, 4> tags_;  // the labels' captions before any value
};

// Shows the set-up dialog modally over the table window and returns when it
// is closed; `ChoixAnnule` tells whether it was cancelled.
void MontreChoose(QWidget* table);
