// The options dialog: card back and face set, first player, delays and the
// language stored for the next start.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class BoiteImage;

class OptionsDorvane : public QDialog {
public:
    // Loads the dialog from the running settings, centred over `table`.
    explicit OptionsDorvane(QWidget* table = nullptr);

    // The controls, public as a form's controls are.
    std::array<QGroupBox*, 3> Frame1{};   // 0 time, 1 game, 2 language
    std::array<QLabel*, 3> Label1{};      // 0 first player, 1 card back, 2 card set
    QScrollBar* ScrollBack = nullptr;
    BoiteImage* BackChoose = nullptr;
    QLabel* BackName = nullptr;
    QScrollBar* ScrollGame = nullptr;
    BoiteImage* GameChoose = nullptr;
    QLabel* GameName = nullptr;
    std::array<QRadioButton*, 3> Option1{};  // you, the opponent, at random
    std::array<QLabel*, 3> Label3{};
    QLineEdit* DelayCard = nullptr;
    QLineEdit* DelayTurn = nullptr;
    QLineEdit* DelayBill = nullptr;
    std::array<QLabel*, 3> Label4{};
    std::array<QRadioButton*, 2> Lang{};     // 0 French, 1 English
    QLabel* LangueInfo = nullptr;
    QPushButton* OptSave = nullptr;
    QPushButton* OptDef = nullptr;
    QPushButton* OptCan = nullptr;
    QPushButton* OK = nullptr;

private:
    void Form_Load(QWidget* table);
    void ScrollBack_Change();
    void ScrollGame_Change();
    void OK_Click();
    void OptSave_Click();
    void OptDef_Click();
    void Applique();
};

// A delay text as a 16-bit whole number, rounded to the nearest; nothing
// when the text is not a number or the number does not fit.
std::optional<int16_t> LitAttente(const QString& texte);

// Shows the options dialog modally over the table window.
void MenuOptions_Click(QWidget* table);
