// Shows the table window with its controls moved into view the way the
// start-up places them, some covers lifted and the money shown, for a look
// under Xvfb. Not a test.
#include <QApplication>
#include <QTimer>

#include "render/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Form1 f;
    f.Bobble->Move(400, 34);
    f.Bobble->Show();
    f.Say->SetCaption(QStringLiteral("I bet $20"));
    f.CowboyGame->Move(73, 256);
    const int hFold = f.BtnFoldUp->Height(), hCall = f.BtnCallUp->Height();
    f.BtnFoldUp->Move(551, 440);
    f.BtnPassUp->Move(551, 440);
    f.BtnCallUp->Move(551, 440 - hFold - 1);
    f.BtnDrawUp->Move(551, 440 - hFold - 1 - hCall - 1);
    f.BtnOKUp->Move(f.BtnDrawUp->Left(), f.BtnDrawUp->Top());
    f.BtnCheckUp->Move(f.BtnCallUp->Left(), f.BtnCallUp->Top());
    f.BtnBill50Up->Move(450, 380);
    f.BtnBill20Up->Move(487, 380);
    f.BtnBill10Up->Move(517, 380);
    f.BtnBet->Move(450, 468);
    f.BtnRaise->Move(450, 468);
    f.BtnFoldUp->Hide();
    f.BtnCheckUp->Hide();
    f.BtnOKUp->Hide();
    // Pass and the $10 plate offered, the rest covered.
    f.TramePass->Hide();
    f.TramePlaque[2].Hide();
    f.TramePlaque[6].Hide();
    for (Picture* b : {f.PlayerMoneyBar, f.CowboyMoneyBar, f.PotMoneyBar}) b->Show();
    f.PlayerMoney.SetCaption(QStringLiteral("$380"));
    f.CowboyMoney.SetCaption(QStringLiteral("$400"));
    f.Pot.SetCaption(QStringLiteral("$20"));
    f.Line1[0].SetPoints(85, 393, 85, 491);
    f.Line1[1].SetPoints(448, 393, 448, 491);
    f.Line1[2].SetPoints(85, 491, 448, 491);
    for (int i = 0; i < 3; ++i) {
        f.Line1[i].SetVisible(true);
        f.Line1[i].ZOrderFront();
    }
    for (Picture* c : f.Cards) {
        c->SetFond(QColor(250, 250, 240));
        c->Show();
    }
    f.show();
    if (argc > 1) QTimer::singleShot(QString(argv[1]).toInt(), &app, &QApplication::quit);
    return app.exec();
}
