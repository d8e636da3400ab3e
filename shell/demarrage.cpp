#include "shell/demarrage.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <filesystem>

#include "common/disposition.h"
#include "common/etat.h"
#include "common/hasard.h"
#include "common/textes_shell.h"
#include "render/form1.h"
#include "shell/centrage.h"
#include "shell/fichier_ini.h"
#include "shell/intro.h"
#include "shell/langue.h"

std::string CheminReglages(std::string dossier) {
    constexpr char separateur = std::filesystem::path::preferred_separator;
    // a root folder already ends with its separator
    if (!dossier.empty() && dossier.back() != separateur) dossier += separateur;
    return dossier;
}

namespace {

// Centres the table window in the free area of its screen. Its outer size
// is 678 x 555 until the window manager has framed it; its client area is
// fixed by the table itself (670 x 510 and the menu bar), which is what that
// outer size leaves inside the frame. On a screen too small for it, the
// frame's top left corner stays on the screen, so that the title bar and
// the menus can be reached.
void PlaceTable(Form1& f) {
    const QScreen* ecran = f.screen() ? f.screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    QSize cadre = f.frameGeometry().size();
    if (!f.isVisible() || cadre == f.size())
        cadre = QSize(LargeurTableTwips / TwipsParPixel, HauteurTableTwips / TwipsParPixel);
    const QRect zone = ecran->availableGeometry();
    f.move(std::max(zone.left(), zone.left() + (zone.width() - cadre.width()) / 2),
           std::max(zone.top(), zone.top() + (zone.height() - cadre.height()) / 2));
}

// The layout constants of a first start, the medallions' step measured on
// their picture.
void PoseDisposition(Disposition& d) {
    const char* cartes = d.Cartes;
    d = Disposition{};
    d.Cartes = cartes;
    d.MedDY = int16_t(ImageMagasin("MexMed1").height() + 15);
}

// The action column, the plates with the boards under them, the speech
// bubble and the opponent's showdown cards.
void PoseBoutons(Form1& f) {
    f.Bobble->Move(BobbleX, BobbleY);
    f.CowboyGame->Move(CowboyGameX, CowboyGameY);
    f.BtnDrawUp->SetLeft(BoutonsX);
    f.BtnCallUp->SetLeft(f.BtnDrawUp->Left());
    f.BtnFoldUp->SetLeft(f.BtnDrawUp->Left());
    f.BtnPassUp->SetLeft(f.BtnDrawUp->Left());
    f.BtnBill50Up->SetLeft(PlaquesX);
    f.BtnBill20Up->SetLeft(f.BtnBill50Up->Left() + LargeurPlaque50);
    f.BtnBill10Up->SetLeft(f.BtnBill20Up->Left() + LargeurPlaque20);
    f.BtnBill50Up->SetTop(PlaquesY);
    f.BtnBet->SetTop(f.BtnBill50Up->Top() + PlanchesDY);
    f.BtnRaise->SetTop(f.BtnBill50Up->Top() + PlanchesDY);
    f.BtnCallUp->SetTop(BoutonsPiedY - f.BtnFoldUp->Height() - 1);
    f.BtnDrawUp->SetTop(f.BtnCallUp->Top() - f.BtnCallUp->Height() - 1);
    f.BtnFoldUp->SetTop(BoutonsPiedY);
    f.BtnPassUp->SetTop(BoutonsPiedY);
    f.BtnBill20Up->SetTop(f.BtnBill50Up->Top());
    f.BtnBill10Up->SetTop(f.BtnBill50Up->Top());
    f.BtnBet->SetLeft(f.BtnBill50Up->Left());
    f.BtnRaise->SetLeft(f.BtnBill50Up->Left());
    f.BtnOKUp->Move(f.BtnDrawUp->Left(), f.BtnDrawUp->Top());

    const auto surUp = [](Picture* down, const Picture* up) { down->Move(up->Left(), up->Top()); };
    surUp(f.BtnBill50Down, f.BtnBill50Up);
    surUp(f.BtnBill20Down, f.BtnBill20Up);
    surUp(f.BtnBill10Down, f.BtnBill10Up);
    surUp(f.BtnFoldDown, f.BtnFoldUp);
    surUp(f.BtnPassDown, f.BtnPassUp);
    surUp(f.BtnCallDown, f.BtnCallUp);
    surUp(f.BtnOKDown, f.BtnOKUp);
    surUp(f.BtnDrawDown, f.BtnDrawUp);
    surUp(f.BtnCheckUp, f.BtnCallUp);
    surUp(f.BtnCheckDown, f.BtnCheckUp);

    for (Picture* p : {f.BtnDrawUp, f.BtnCallUp, f.BtnPassUp, f.BtnBill50Up, f.BtnBill20Up,
                       f.BtnBill10Up, f.BtnBet})
        p->Show();
    for (Picture* p : {f.BtnFoldUp, f.BtnCheckUp, f.BtnOKUp}) p->Hide();
}

// The yellow frame around the player's cards: both sides and the bottom,
// two pixels away from the first and the last card.
void PoseCadreCartes(Form1& f) {
    const Picture* c1 = f.Card1;
    const Picture* c5 = f.Card5;
    const int bas1 = c1->Top() + c1->Height() + 2;
    const int bas5 = c5->Top() + c5->Height() + 2;
    const int gauche = c1->Left() - 2;
    const int droite = c5->Left() + c5->Width() + 2;
    f.Line1(0).SetPoints(gauche, c1->Top(), gauche, bas1);
    f.Line1(1).SetPoints(droite, c5->Top(), droite, bas5);
    f.Line1(2).SetPoints(gauche, bas1, droite, bas5);
    for (int i = 0; i < 3; ++i) f.Line1(i).ZOrderFront();
}

}  // namespace

void Form_Load(Form1& f) {
    Etat& etat = EtatDuJeu();
    Reglages& r = etat.reglages;

    // The folder's own bytes: a name that is not UTF-8 (a Latin-1 "caf\xe9")
    // would not survive Qt's strings. A current folder that is gone gives
    // the bare file name, which then fails to open rather than naming "/".
    std::error_code sansDossier;
    r.Chemin = CheminReglages(std::filesystem::current_path(sansDossier).native());
    Disposition& d = DispositionDuJeu();
    PoseDisposition(d);
    etat.partie.ModeTournoi = false;
    NettoieTemporairesINI(r);
    ChargeFichierINI(r);
    PlaceTable(f);
    QuandCadreConnu(&f, [&f] { PlaceTable(f); });
    // no tournament runs: the table's own picture is the whole background
    f.Table->Clear();
    etat.mises.MiseDepart = Mises{}.MiseDepart;
    PoseBoutons(f);
    SemeHasard();
    d.Cartes = r.TypeCartes == 1 ? "TabCartes" : "TabCartes2";
    PoseCadreCartes(f);

    // the dialogs open over the table
    f.show();
    f.update();
    if (r.LangueChoisie.empty()) {
        Langue langue(&f, r);
        langue.exec();
    }
    f.setWindowTitle(QLatin1String(textes_shell::TitreTable));
    SaveFichierINI(r, etat.partie);
    LangueMenu(f);
    Intro intro(&f);
    intro.exec();
}

void DisposeTable(Form1& f) {
    PoseDisposition(DispositionDuJeu());
    PoseBoutons(f);
    PoseCadreCartes(f);
}

void LangueMenu(Form1& f) {
    if (!EtatDuJeu().reglages.Francais()) return;
    namespace m = textes_shell::menus;
    const std::pair<QAction*, Bilingue> menus[] = {
        {f.MenuGame, m::MenuGame},     {f.MenuNewGame, m::MenuNewGame}, {f.MenuEnter, m::MenuEnter},
        {f.MenuTourna, m::MenuTourna}, {f.TournEasy, m::TournEasy},     {f.TournMed, m::TournMed},
        {f.TournHard, m::TournHard},   {f.MenuExit, m::MenuExit},       {f.MenuAutre, m::MenuAutre},
        {f.MenuHelp, m::MenuHelp},     {f.MenuSite, m::MenuSite},       {f.MenuContact, m::MenuContact},
        {f.ForHelp, m::ForHelp},       {f.ForFun, m::ForFun},           {f.MenuAbout, m::MenuAbout},
    };
    for (const auto& [action, texte] : menus) action->setText(QString::fromUtf8(texte.francais));

    const std::pair<Picture*, const char*> images[] = {
        {f.BtnBet, "ImgMiser"},          {f.BtnRaise, "ImgEncherir"},
        {f.BtnDrawUp, "ImgChangeUp"},    {f.BtnDrawDown, "ImgChangeDown"},
        {f.BtnCallUp, "ImgSuivreUp"},    {f.BtnCallDown, "ImgSuivreDown"},
        {f.BtnCheckUp, "ImgVerifUp"},    {f.BtnCheckDown, "ImgVerifDown"},
        {f.BtnPassUp, "ImgParoleUp"},    {f.BtnPassDown, "ImgParoleDown"},
        {f.BtnFoldUp, "ImgCoucheUp"},    {f.BtnFoldDown, "ImgCoucheDown"},
    };
    for (const auto& [bouton, nom] : images)
        bouton->SetPicture(ImageMagasin(nom));
}
