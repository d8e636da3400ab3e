// The picture store: every picture the game copies from exists at its exact
// size, masks are two-colour, sprites split so that the masked copy gives the
// picture, and the table pictures line up with the places the game uses.
#include "assets/inventaire.h"
#include "assets/magasin.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct Taille {
    const char* nom;
    int l, h;
};

// Every picture of the table window and its dialogs, by the names the game
// copies from. Sprites also need their mask, listed here as well.
const Taille kTailles[] = {
    {"BackGround", 670, 510}, {"CowboyGame", 387, 124}, {"TabCartes", 923, 384},
    {"TabCartes2", 923, 384}, {"DosCartes", 791, 96},
    {"BtnDrawUp", 79, 54}, {"BtnDrawDown", 77, 50}, {"BtnCallUp", 79, 54}, {"BtnCallDown", 77, 50},
    {"BtnFoldUp", 79, 54}, {"BtnFoldDown", 77, 50}, {"BtnCheckUp", 79, 54}, {"BtnCheckDown", 77, 50},
    {"BtnPassUp", 79, 54}, {"BtnPassDown", 77, 50}, {"BtnOKUp", 79, 54}, {"BtnOKDown", 77, 50},
    {"BtnBill50Up", 37, 88}, {"BtnBill50Down", 37, 88}, {"BtnBill20Up", 30, 88},
    {"BtnBill20Down", 30, 88}, {"BtnBill10Up", 33, 88}, {"BtnBill10Down", 33, 88},
    {"BtnBet", 100, 25}, {"BtnRaise", 100, 25},
    {"ImgChangeUp", 79, 54}, {"ImgChangeDown", 77, 50}, {"ImgSuivreUp", 79, 54},
    {"ImgSuivreDown", 77, 50}, {"ImgVerifUp", 79, 54}, {"ImgVerifDown", 77, 50},
    {"ImgParoleUp", 79, 54}, {"ImgParoleDown", 77, 50}, {"ImgCoucheUp", 79, 54},
    {"ImgCoucheDown", 77, 50}, {"ImgMiser", 100, 25}, {"ImgEncherir", 100, 25},
    {"TrameDraw", 80, 54}, {"TrameCall", 80, 54}, {"TrameFold", 80, 54}, {"TrameCheck", 80, 54},
    {"TramePass", 80, 54}, {"TrameOK", 80, 54}, {"TramePlaque", 100, 112},
    {"TrameDrawMask", 80, 54}, {"TrameCallMask", 80, 54}, {"TrameFoldMask", 80, 54},
    {"TrameCheckMask", 80, 54}, {"TramePassMask", 80, 54}, {"TrameOKMask", 80, 54},
    {"TramePlaqueMask", 100, 112},
    {"PlayerMoneyBar", 55, 29}, {"CowboyMoneyBar", 55, 29}, {"PotMoneyBar", 62, 47},
    {"BillPlayer", 47, 67}, {"BillPlayerMask", 47, 67}, {"BillCowboy", 41, 58},
    {"BillCowboyMask", 41, 58}, {"Bill1", 50, 30}, {"Bill1Mask", 50, 30}, {"Bill2", 46, 47},
    {"Bill2Mask", 46, 47}, {"Bill3", 38, 49}, {"Bill3Mask", 38, 49}, {"Bill4", 50, 39},
    {"Bill4Mask", 50, 39}, {"Bobble", 153, 33}, {"VertTable", 116, 102},
    {"ImageDrapeauUK0", 96, 64}, {"ImageDrapeauUK1", 96, 64}, {"ImageDrapeauUK2", 96, 64},
    {"ImageDrapeauUK3", 96, 64}, {"ImageDrapeauUK4", 96, 64}, {"ImageDrapeauFR0", 96, 64},
    {"ImageDrapeauFR1", 96, 64}, {"ImageDrapeauFR2", 96, 64}, {"ImageDrapeauFR3", 96, 64},
    {"ImageDrapeauFR4", 96, 64}, {"AboutUK", 400, 220}, {"AboutFR", 400, 220},
    {"Picture1", 128, 128},
};

// The opponents' pictures, drawn by the characters' inventory.
const Taille kTaillesPersonnages[] = {
    {"Cowboy", 317, 273}, {"CowboyMask", 317, 273}, {"Mexicain", 399, 304},
    {"MexicainMask", 399, 304}, {"Fille", 254, 272}, {"FilleMask", 254, 272},
    {"Mains", 74, 52}, {"MainsMask", 74, 52}, {"MainsMex", 74, 52}, {"MainsMexMask", 74, 52},
    {"MainsFille", 74, 52}, {"MainsFilleMask", 74, 52},
    {"Cartes1", 74, 52}, {"Cartes2", 74, 52}, {"Cartes3", 74, 52}, {"Cartes4", 74, 52},
    {"Cartes5", 74, 52}, {"Cartes1Mask", 74, 52}, {"Cartes2Mask", 74, 52},
    {"Cartes3Mask", 74, 52}, {"Cartes4Mask", 74, 52}, {"Cartes5Mask", 74, 52},
    {"VisageYeuxOuverts", 55, 49}, {"VisageCligne", 55, 49}, {"VisageYeuxMask", 55, 49},
    {"YeuxPlisses", 55, 49}, {"YeuxCarte1", 55, 49}, {"YeuxCarte2", 55, 49},
    {"YeuxAnime1", 55, 49}, {"YeuxAnime2", 55, 49}, {"YeuxAnime3", 55, 49},
    {"VBoucheFermee", 55, 49}, {"VBoucheOuverte", 55, 49}, {"VisageBoucheMask", 55, 49},
    {"MexVisage", 100, 100}, {"MexVisageMask", 100, 100}, {"MexYeuxOuverts", 100, 100},
    {"MexYeuxFermes", 100, 100}, {"MexYeuxMask", 100, 100}, {"MexYeuxPlis1", 100, 100},
    {"MexYeuxPlis2", 100, 100}, {"MexCigare1", 100, 100}, {"MexCigare2", 100, 100},
    {"MexCigare3", 100, 100}, {"MexCigare4", 100, 100}, {"MexCigare5", 100, 100},
    {"MexDent1", 100, 100}, {"MexGoutte1", 100, 100}, {"MexGoutte2", 100, 100},
    {"MexGoutte3", 100, 100}, {"MexGoutte4", 100, 100}, {"MexGoutteMask", 100, 100},
    {"FilleYeuxOuverts", 53, 58}, {"FilleYeuxFermes", 53, 58}, {"FilleYeuxMask", 53, 58},
    {"FilleYeuxPlisses", 53, 58}, {"FilleYeuxTic", 53, 58}, {"FilleBoucheFermee", 53, 58},
    {"FilleBoucheOuverte", 53, 58}, {"FilleBoucheTic", 53, 58}, {"FilleBoucheMask", 53, 58},
    {"CowMed1", 65, 65}, {"CowMed2", 65, 65}, {"CowMed3", 65, 65}, {"MexMed1", 65, 65},
    {"MexMed2", 65, 65}, {"MexMed3", 65, 65}, {"FilleMed1", 65, 65}, {"FilleMed2", 65, 65},
    {"FilleMed3", 65, 65},
};

// The scene alone, so these tests do not depend on the characters' drawings.
const MagasinImages& Scene() {
    static const MagasinImages magasin({InventaireScene()});
    return magasin;
}

bool MemesPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return false;
    return true;
}

// A busy background, so a copy that leaks or drops pixels shows.
QImage Bariole(QSize t) {
    QImage img(t, QImage::Format_RGB32);
    for (int y = 0; y < t.height(); ++y)
        for (int x = 0; x < t.width(); ++x)
            img.setPixel(x, y, qRgb((x * 37) & 255, (y * 91) & 255, ((x + y) * 13) & 255));
    return img;
}

void EtMasqueOuImage(QImage& fond, const QImage& image, const QImage& masque) {
    QPainter p(&fond);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(0, 0, masque);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(0, 0, image);
}

bool EstVerdatre(QRgb c) { return qGreen(c) > qRed(c) + 10 && qGreen(c) > qBlue(c) + 10; }

}  // namespace

TEST(Magasin, EveryTablePictureExistsAtItsSize) {
    const MagasinImages& m = MagasinImages::Instance();
    for (const Taille& t : kTailles) {
        SCOPED_TRACE(t.nom);
        ASSERT_TRUE(m.Contient(QString::fromLatin1(t.nom)));
        EXPECT_EQ(m.Image(QString::fromLatin1(t.nom)).size(), QSize(t.l, t.h));
        EXPECT_EQ(m.Image(QString::fromLatin1(t.nom)).format(), QImage::Format_RGB32);
    }
}

TEST(Magasin, EveryCharacterPictureExistsAtItsSize) {
    const MagasinImages& m = MagasinImages::Instance();
    for (const Taille& t : kTaillesPersonnages) {
        SCOPED_TRACE(t.nom);
        ASSERT_TRUE(m.Contient(QString::fromLatin1(t.nom)));
        EXPECT_EQ(m.Image(QString::fromLatin1(t.nom)).size(), QSize(t.l, t.h));
        EXPECT_EQ(m.Image(QString::fromLatin1(t.nom)).format(), QImage::Format_RGB32);
    }
}

TEST(Magasin, NamesListsEveryPictureOnce) {
    const MagasinImages& m = MagasinImages::Instance();
    QStringList noms = m.Noms();
    EXPECT_EQ(noms.removeDuplicates(), 0);
    for (const QString& n : noms) EXPECT_TRUE(m.Contient(n)) << qPrintable(n);
    EXPECT_FALSE(m.Contient(u"BackGroundMask"));
    EXPECT_FALSE(m.Contient(u"backGround"));
}

TEST(MagasinDeath, UnknownNameFailsLoudly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(Scene().Image(u"BtnDrawUP"), "BtnDrawUP");
}

TEST(Magasin, MasksAreBlackAndWhiteOnly) {
    const MagasinImages& m = MagasinImages::Instance();
    int masques = 0;
    for (const QString& nom : m.Noms()) {
        if (!nom.endsWith(QStringLiteral("Mask"))) continue;
        ++masques;
        const QImage& img = m.Image(nom);
        int noirs = 0, blancs = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (c == 0xff000000u) ++noirs;
                else if (c == 0xffffffffu) ++blancs;
                else ADD_FAILURE() << qPrintable(nom) << " has a grey pixel at " << x << "," << y;
            }
        // A mask that is all one colour hides or shows the whole rectangle.
        EXPECT_GT(noirs, 0) << qPrintable(nom);
        EXPECT_GT(blancs, 0) << qPrintable(nom);
    }
    EXPECT_GE(masques, 11);
}

TEST(Magasin, SpritesSplitAlongTheirAlpha) {
    // For each scene sprite: where its drawing is at least half opaque, the
    // picture keeps the colour and the mask is black; elsewhere the picture
    // is black and the mask white. Then AND/OR gives the alpha draw of that
    // two-level picture, bit for bit, over any background.
    const MagasinImages& m = Scene();
    int sprites = 0;
    for (const EntreeInventaire& e : InventaireScene()) {
        if (e.genre != GenreImage::Sprite) continue;
        ++sprites;
        const QString nom = QString::fromLatin1(e.nom);
        SCOPED_TRACE(e.nom);
        const QImage source = e.dessin().convertToFormat(QImage::Format_ARGB32);
        const QImage& image = m.Image(nom);
        const QImage& masque = m.Image(nom + QStringLiteral("Mask"));
        QImage deuxNiveaux(source.size(), QImage::Format_ARGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x) {
                const QRgb s = source.pixel(x, y);
                const bool opaque = qAlpha(s) >= 128;
                ASSERT_EQ(masque.pixel(x, y), opaque ? 0xff000000u : 0xffffffffu) << x << "," << y;
                ASSERT_EQ(image.pixel(x, y), opaque ? (s | 0xff000000u) : 0xff000000u) << x << "," << y;
                deuxNiveaux.setPixel(x, y, opaque ? (s | 0xff000000u) : 0u);
            }
        QImage parMasque = Bariole(source.size());
        EtMasqueOuImage(parMasque, image, masque);
        QImage parAlpha = Bariole(source.size());
        QPainter p(&parAlpha);
        p.drawImage(0, 0, deuxNiveaux);
        p.end();
        EXPECT_TRUE(MemesPixels(parMasque, parAlpha));
    }
    EXPECT_EQ(sprites, 13);
}

TEST(Magasin, OpaquePicturesHaveNoHoles) {
    // A hole in an opaque picture would come out black on the table.
    for (const EntreeInventaire& e : InventaireScene()) {
        if (e.genre != GenreImage::Opaque || !e.dessin) continue;
        const QImage img = e.dessin().convertToFormat(QImage::Format_ARGB32);
        bool plein = true;
        for (int y = 0; y < img.height() && plein; ++y)
            for (int x = 0; x < img.width() && plein; ++x)
                plein = qAlpha(img.pixel(x, y)) == 255;
        EXPECT_TRUE(plein) << e.nom;
    }
}

TEST(Magasin, CoversHatchHalfOfTheButton) {
    // Every other pixel hides the button: it shows through, dimmed.
    const MagasinImages& m = Scene();
    for (const char* nom : {"TrameDraw", "TrameOK", "TramePlaque"}) {
        const QImage& masque = m.Image(QString::fromLatin1(nom) + QStringLiteral("Mask"));
        int noirs = 0;
        for (int y = 0; y < masque.height(); ++y)
            for (int x = 0; x < masque.width(); ++x) {
                const bool noir = masque.pixel(x, y) == 0xff000000u;
                noirs += noir;
                EXPECT_EQ(noir, (x + y) % 2 == 0) << nom << " " << x << "," << y;
            }
        EXPECT_EQ(noirs * 2, masque.width() * masque.height()) << nom;
    }
}

TEST(Magasin, TablePicturesMatchTheFeltUnderThem) {
    // Buttons, plates and the bubble stand at fixed places on the table:
    // their corners are the table itself, so no seam shows. (The boards
    // are wood to their edges.)
    const MagasinImages& m = Scene();
    const QImage& fond = m.Image(u"BackGround");
    struct Place {
        const char* nom;
        int x, y;
    };
    const Place places[] = {
        {"BtnDrawUp", 551, 330}, {"BtnOKUp", 551, 330}, {"ImgChangeUp", 551, 330},
        {"BtnCallUp", 551, 385}, {"BtnCheckUp", 551, 385}, {"ImgVerifDown", 551, 385},
        {"BtnFoldUp", 551, 440}, {"BtnPassDown", 551, 440}, {"ImgParoleUp", 551, 440},
        {"BtnBill50Up", 450, 380}, {"BtnBill20Down", 487, 380}, {"BtnBill10Up", 517, 380},
        {"Bobble", 400, 34},
    };
    for (const Place& pl : places) {
        const QImage& img = m.Image(QString::fromLatin1(pl.nom));
        EXPECT_EQ(img.pixel(0, 0), fond.pixel(pl.x, pl.y)) << pl.nom;
        EXPECT_EQ(img.pixel(img.width() - 1, img.height() - 1),
                  fond.pixel(pl.x + img.width() - 1, pl.y + img.height() - 1))
            << pl.nom;
    }
}

TEST(Magasin, TheGreenTableLiesUnderTheGame) {
    // The places where cards, bills and buttons go are on the felt.
    const QImage& fond = Scene().Image(u"BackGround");
    const QPoint surFeutre[] = {
        {87, 393}, {446, 489}, {260, 440},          // the player's cards
        {183, 312}, {450, 380}, {300, 350},         // the pot heap
        {30, 455}, {74, 440},                       // foot of the player's pile
        {126, 320}, {165, 330},                     // foot of the opponent's pile
        {553, 332}, {629, 492}, {470, 328}, {531, 374},  // buttons and pot panel
    };
    for (const QPoint& p : surFeutre)
        EXPECT_TRUE(EstVerdatre(fond.pixel(p))) << p.x() << "," << p.y();
    // And the saloon above it is not green.
    for (const QPoint& p : {QPoint(335, 100), QPoint(60, 200), QPoint(600, 150)})
        EXPECT_FALSE(EstVerdatre(fond.pixel(p))) << p.x() << "," << p.y();
}

TEST(Magasin, FlagsWaveAndFramesDiffer) {
    const MagasinImages& m = Scene();
    for (const char* pays : {"UK", "FR"})
        for (int i = 0; i < 5; ++i) {
            const QImage& a = m.Image(QStringLiteral("ImageDrapeau%1%2").arg(pays).arg(i));
            const QImage& b = m.Image(QStringLiteral("ImageDrapeau%1%2").arg(pays).arg((i + 1) % 5));
            EXPECT_FALSE(MemesPixels(a, b)) << pays << i;
        }
    // The French flag is blue, white, red from the pole outward.
    const QImage& fr = m.Image(u"ImageDrapeauFR0");
    const QRgb bleu = fr.pixel(25, 32), rouge = fr.pixel(75, 32);
    EXPECT_GT(qBlue(bleu), qRed(bleu) + 60);
    EXPECT_GT(qRed(rouge), qBlue(rouge) + 60);
}

TEST(Magasin, FrenchAndEnglishButtonsDiffer) {
    const MagasinImages& m = Scene();
    const char* paires[][2] = {{"BtnDrawUp", "ImgChangeUp"}, {"BtnCallUp", "ImgSuivreUp"},
                               {"BtnCheckUp", "ImgVerifUp"},  {"BtnPassUp", "ImgParoleUp"},
                               {"BtnFoldUp", "ImgCoucheUp"},  {"BtnBet", "ImgMiser"},
                               {"BtnRaise", "ImgEncherir"},   {"AboutUK", "AboutFR"},
                               {"BtnDrawDown", "ImgChangeDown"}, {"BtnDrawUp", "BtnDrawDown"}};
    for (const auto& p : paires)
        EXPECT_FALSE(MemesPixels(m.Image(QString::fromLatin1(p[0])).convertToFormat(QImage::Format_RGB32),
                                 m.Image(QString::fromLatin1(p[1]))))
            << p[0] << " " << p[1];
}

TEST(Magasin, RenderingOnSeveralThreadsGivesTheSamePictures) {
    // The store draws on several threads; shared drawing caches must not
    // mix pictures up. Two stores and a plain drawing on this thread agree.
    const MagasinImages autre({InventaireScene()});
    const MagasinImages& m = Scene();
    for (const QString& nom : m.Noms())
        EXPECT_TRUE(MemesPixels(m.Image(nom), autre.Image(nom))) << qPrintable(nom);
    for (const EntreeInventaire& e : InventaireScene()) {
        if (e.genre != GenreImage::Opaque || !e.dessin) continue;
        const QImage ici = e.dessin().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(MemesPixels(m.Image(QString::fromLatin1(e.nom)), ici)) << e.nom;
    }
}

TEST(Magasin, PileBillsStackWithoutGaps) {
    // A pile puts each bill 2 pixels above the one below, swaying by a
    // pixel: the paper edges must form a solid striped pile.
    const MagasinImages& m = Scene();
    for (const char* nom : {"BillPlayer", "BillCowboy"}) {
        const QImage& image = m.Image(QString::fromLatin1(nom));
        const QImage& masque = m.Image(QString::fromLatin1(nom) + QStringLiteral("Mask"));
        const int l = image.width(), h = image.height();
        QImage pile(l + 4, h + 40, QImage::Format_RGB32);
        pile.fill(qRgb(255, 0, 255));
        const int decalage[] = {2, 3, 2, 1, 2, 2, 3, 2, 1, 2};
        for (int i = 0; i < 10; ++i) {
            QPainter p(&pile);
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            p.drawImage(decalage[i], 40 - 2 * i, masque);
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            p.drawImage(decalage[i], 40 - 2 * i, image);
        }
        // Under the top bill, across the middle, only paper edges show.
        const int basHaut = 40 - 18 + h;
        for (int y = basHaut; y < 40 + h; ++y)
            for (int x = 6; x < l - 4; ++x)
                ASSERT_NE(pile.pixel(x, y), qRgb(255, 0, 255)) << nom << " " << x << "," << y;
        // The two edge rows of a bill differ, so the pile reads as layers.
        EXPECT_NE(image.pixel(l / 2, h - 1), image.pixel(l / 2, h - 2)) << nom;
    }
}

TEST(Magasin, LabelsStandOnPlainLegibleGround) {
    const MagasinImages& m = Scene();
    // The speech label fills (3, 6) to (148, 31) of the bubble: it must find
    // the bubble's own light colour everywhere there.
    const QImage& bulle = m.Image(u"Bobble");
    const QRgb clair = bulle.pixel(75, 18);
    EXPECT_GT(qGray(clair), 200);
    for (int y = 6; y < 31; ++y)
        for (int x = 3; x < 148; ++x) ASSERT_EQ(bulle.pixel(x, y), clair) << x << "," << y;
    // Yellow money captions need a dark panel behind them.
    auto moyenne = [](const QImage& img, QRect r) {
        long total = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) total += qGray(img.pixel(x, y));
        return total / (r.width() * r.height());
    };
    EXPECT_LT(moyenne(m.Image(u"PlayerMoneyBar"), QRect(3, 4, 48, 17)), 110);
    EXPECT_LT(moyenne(m.Image(u"CowboyMoneyBar"), QRect(3, 4, 48, 17)), 110);
    EXPECT_LT(moyenne(m.Image(u"PotMoneyBar"), QRect(4, 4, 54, 33)), 140);
}

TEST(Magasin, ShowdownBoardHoldsTheFiveCardsOnFelt) {
    // Cards are laid at x 12, 84, ... 300 and y 14, 71 x 96 each: all on the
    // felt, and the board's rim is outside them.
    const QImage& board = Scene().Image(u"CowboyGame");
    for (int i = 0; i < 5; ++i) {
        const int x = 12 + i * 72;
        for (const QPoint& p : {QPoint(x + 1, 15), QPoint(x + 69, 15), QPoint(x + 1, 108),
                                QPoint(x + 69, 108), QPoint(x + 35, 60)})
            EXPECT_TRUE(EstVerdatre(board.pixel(p))) << p.x() << "," << p.y();
    }
    EXPECT_FALSE(EstVerdatre(board.pixel(2, 2)));
    EXPECT_FALSE(EstVerdatre(board.pixel(384, 121)));
}

TEST(Magasin, ClothTileRepeatsWithoutSeams) {
    // The help tiles the cloth 5 by 5: crossing from one tile into the next
    // must look like any step inside a tile.
    const QImage& tuile = Scene().Image(u"VertTable");
    const int l = tuile.width(), h = tuile.height();
    auto ecartColonnes = [&](int a, int b) {
        double s = 0;
        for (int y = 0; y < h; ++y) s += std::abs(qGreen(tuile.pixel(a, y)) - qGreen(tuile.pixel(b, y)));
        return s / h;
    };
    auto ecartLignes = [&](int a, int b) {
        double s = 0;
        for (int x = 0; x < l; ++x) s += std::abs(qGreen(tuile.pixel(x, a)) - qGreen(tuile.pixel(x, b)));
        return s / l;
    };
    double interieur = 0;
    for (int x = 0; x + 1 < l; ++x) interieur = std::max(interieur, ecartColonnes(x, x + 1));
    EXPECT_LE(ecartColonnes(l - 1, 0), interieur);
    interieur = 0;
    for (int y = 0; y + 1 < h; ++y) interieur = std::max(interieur, ecartLignes(y, y + 1));
    EXPECT_LE(ecartLignes(h - 1, 0), interieur);
}
