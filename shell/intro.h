// The intro window, shown modally at the end of every start-up.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class ImageCliquable;

// The intro text in one language: four paragraphs, a blank line between.
QString TexteIntro(bool francais);

class Intro : public QDialog {
    Q_OBJECT
public:
    // Centres itself over `table`; the language is the run's.
    explicit Intro(QWidget* table);

    QLabel* ChooseC = nullptr;
    QLabel* ChooseM = nullptr;
    QLabel* ChooseF = nullptr;
    QLabel* IntroText = nullptr;
    QPushButton* Mail = nullptr;
    QPushButton* Play = nullptr;
    QLabel* Picture1 = nullptr;

    void Mail_Click();
    void Play_Click();
};
