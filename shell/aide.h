// The help window: what each table button does and the nine hand
// categories with an example hand each. Modeless; it has no effect on the
// game.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class Form1;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTabBar;
class BoiteImage;

class MonHelp : public QWidget {
public:
    // Builds both pages once, from the table window's button pictures as it
    // holds them now; centred over the table window.
    explicit MonHelp(Form1* table);

    QTabBar* TabStrip1 = nullptr;
    BoiteImage* HelpButtons = nullptr;
    BoiteImage* HelpHands = nullptr;
    std::array<QLabel*, 8> HelpText{};
    std::array<QLabel*, 8> HelpText2{};   // shadows
    std::array<QLabel*, 9> NameHand{};
    std::array<QLabel*, 9> HandText{};
    QPushButton* OK = nullptr;

    void TabStrip1_Click();

protected:
    // Closes with the table: the run ends when the table is closed.
    bool eventFilter(QObject* o, QEvent* e) override;
    // Escape and Enter close it, as OK does and as they close the dialogs.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load(Form1* table);
    // Watched as a widget: its events still come while it is destroyed,
    // when it is no longer a Form1.
    QPointer<QWidget> table_;
};

// The help window now open, or null.
MonHelp* AideOuverte();

// Opens the help window without modality, or brings it forward when it is
// already open.
void MenuHelp_Click(Form1* table);
