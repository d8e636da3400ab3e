// The showdown reveal: covers, the five cards in their places one
// DelayCard apart, OK offered in Draw's place.
#include <QElapsedTimer>

#include "render/offres.h"
#include "table_dessin.h"

namespace {

struct Revelation : TableDessin {
    Picture& jeu = *form.CowboyGame;

    Revelation() {
        jeu.Move(73, 256);
        EtatDuJeu().donne.CartesCowboy = {Carte{1, 4}, Carte{13, 1}, Carte{10, 2}, Carte{5, 3},
                                          Carte{1, 1}};
    }
    QImage Cellule(const Carte& c) const {
        return ImageMagasin("TabCartes").copy((c.valeur - 1) * 71, (c.couleur - 1) * 96, 71, 96);
    }
    // The board with the first n cards laid.
    QImage Plateau(int n) const {
        QImage img = ImageMagasin("CowboyGame");
        for (int i = 0; i < n; ++i)
            Copie(img, 12 + 72 * i, 14, 71, 96, Cellule(EtatDuJeu().donne.CartesCowboy[i]), 0, 0,
                  OpRaster::SrcCopy);
        return img;
    }
};

TEST_F(Revelation, CardsLaidOnACleanBoardInFrontAndOKOffered) {
    jeu.Surface().fill(Qt::red);  // whatever the last showdown left
    for (Picture* c : {form.TrameCall, form.TrameFold, form.TrameOK}) c->Hide();
    form.TramePlaque[6].Hide();
    form.BtnOKUp->Hide();
    form.BtnDrawUp->Hide();  // hidden even when it was not shown
    form.Card2->raise();

    form.MontreCartesCowboy();

    EXPECT_EQ(jeu.Surface(), Plateau(5));
    // The Ace of spades from the first column, fourth row.
    EXPECT_EQ(jeu.Surface().copy(12, 14, 71, 96), ImageMagasin("TabCartes").copy(0, 288, 71, 96));
    EXPECT_EQ(jeu.Surface().copy(300, 14, 71, 96), ImageMagasin("TabCartes").copy(0, 0, 71, 96));
    EXPECT_TRUE(jeu.Visible());
    EXPECT_EQ(form.Table->children().last(), &jeu) << "in front of every other element";
    for (Picture* c : {form.TrameCall, form.TrameCheck, form.TrameFold, form.TramePass})
        EXPECT_TRUE(c->Visible());
    for (int i : kTramesPlaques) EXPECT_TRUE(form.TramePlaque[i].Visible()) << i;
    EXPECT_FALSE(form.BtnDrawUp->Visible());
    EXPECT_TRUE(form.BtnOKUp->Visible());
    EXPECT_FALSE(form.TrameOK->Visible());
    EXPECT_EQ(EtatDuJeu().donne.Valeur, 1);
    EXPECT_EQ(EtatDuJeu().donne.Couleur, 1);
}

TEST_F(Revelation, CardsComeOneAtATimeLeftToRightWithSixWaits) {
    DispositionDuJeu().Cartes = "TabCartes";
    EtatDuJeu().reglages.DelayCard = 15;
    Espion espion(jeu);
    QElapsedTimer duree;
    duree.start();
    form.MontreCartesCowboy();
    const qint64 ms = duree.elapsed();
    const std::vector<QImage> attendus{Plateau(0), Plateau(1), Plateau(2),
                                       Plateau(3), Plateau(4), Plateau(5)};
    EXPECT_EQ(espion.vus, attendus);
    EXPECT_GE(ms, 6 * 15) << "five waits before the cards and one after";
}

}  // namespace
