// The about window: the about text as a picture in the running language;
// a click on it, or Enter, closes the window.
#pragma once

#include <QDialog>

class ImageCliquable;
class QKeyEvent;

class About : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `table`; the language is the run's.
    explicit About(QWidget* table);

    ImageCliquable* AboutUK = nullptr;
    ImageCliquable* AboutFR = nullptr;

    void AboutUK_Click() { accept(); }
    void AboutFR_Click() { accept(); }

protected:
    // Enter closes it as the click does; Escape stays the dialog's own.
    void keyPressEvent(QKeyEvent* e) override;
};

// The handler of the menu item About: the window, modally.
void MenuAbout_Click(QWidget* table);
