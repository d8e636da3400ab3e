// Contact sheet of the picture store: every picture with its name and size
// (sprites over a checker), and each opponent composed on the table as the
// game composes it. Writes <prefix>.png and <prefix>-scenes.png.
#include "assets/inventaire.h"
#include "assets/magasin.h"
#include "common/disposition.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const MagasinImages* gMagasin = nullptr;
const QImage& Img(const QString& nom) { return gMagasin->Image(nom); }

QImage Damier(QSize taille) {
    QImage img(taille, QImage::Format_RGB32);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x)
            img.setPixel(x, y, ((x / 8 + y / 8) & 1) ? 0xffc8c8c8u : 0xfff4f4f4u);
    return img;
}

// The game's masked copy: mask with AND, then the picture with OR.
void CopieMasquee(QImage& dest, int x, int y, const QImage& image, const QImage& masque) {
    QPainter p(&dest);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(x, y, masque);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(x, y, image);
}

void Copie(QImage& dest, int x, int y, const QImage& image) {
    QPainter p(&dest);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, image);
}

QImage Vignette(const QString& nom) {
    const QImage& img = Img(nom);
    const QString masque = nom + QStringLiteral("Mask");
    if (!nom.endsWith(QStringLiteral("Mask")) && gMagasin->Contient(masque)) {
        QImage fond = Damier(img.size());
        CopieMasquee(fond, 0, 0, img, Img(masque));
        return fond;
    }
    return img;
}

QImage PlancheContact() {
    const QStringList noms = gMagasin->Noms();
    const int largeurMax = 1900, marge = 10, legende = 16;
    struct Place { QString nom; QPoint pos; };
    std::vector<Place> places;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    const QFontMetrics mesure(f);
    auto legendeDe = [](const QString& nom, QSize t) {
        return QStringLiteral("%1 %2x%3").arg(nom).arg(t.width()).arg(t.height());
    };
    int x = marge, y = marge, hauteurLigne = 0;
    for (const QString& nom : noms) {
        const QSize t = Img(nom).size();
        const int l = std::max(t.width(), mesure.horizontalAdvance(legendeDe(nom, t)) + 4);
        if (x + l > largeurMax && x > marge) {
            x = marge;
            y += hauteurLigne + legende + marge;
            hauteurLigne = 0;
        }
        places.push_back({nom, QPoint(x, y)});
        x += l + marge;
        hauteurLigne = std::max(hauteurLigne, t.height());
    }
    QImage feuille(largeurMax, y + hauteurLigne + legende + marge, QImage::Format_RGB32);
    feuille.fill(QColor(0x60, 0x60, 0x68));
    QPainter p(&feuille);
    p.setFont(f);
    for (const Place& pl : places) {
        const QImage& img = Img(pl.nom);
        p.drawImage(pl.pos, Vignette(pl.nom));
        p.setPen(Qt::white);
        p.drawText(pl.pos + QPoint(0, img.height() + 12), legendeDe(pl.nom, img.size()));
    }
    return feuille;
}

struct Perso {
    const char* corps;
    QPoint posCorps, mains, visage;
    const char* mainsImg;
    QSize tailleVisage;
};

const Perso kPersos[] = {
    {"Cowboy", {174, 48}, {129, 126}, {134, 58}, "Mains", {55, 49}},
    {"Mexicain", {125, 16}, {161, 173}, {151, 65}, "MainsMex", {100, 100}},
    {"Fille", {212, 18}, {93, 148}, {103, 50}, "MainsFille", {53, 58}},
};

// Face frames of a character: those of its face window's size, with their masks.
std::vector<const EntreeInventaire*> Cadres(QSize taille) {
    std::vector<const EntreeInventaire*> cadres;
    for (const EntreeInventaire& e : InventairePersonnages())
        if (e.genre == GenreImage::Cadre && QSize(e.largeur, e.hauteur) == taille &&
            gMagasin->Contient(QString::fromLatin1(e.nom)))
            cadres.push_back(&e);
    return cadres;
}

// The table as the game leaves it in the middle of a hand.
QImage Scene(const Perso& perso, int cartesTenues) {
    QImage table = Img(QStringLiteral("BackGround")).copy();
    const QString corps = QString::fromLatin1(perso.corps);
    if (gMagasin->Contient(corps))
        CopieMasquee(table, perso.posCorps.x(), perso.posCorps.y(), Img(corps), Img(corps + "Mask"));
    // Money: two piles, a pot heap, the panels.
    for (int i = 10; i <= 300; i += 10)
        CopieMasquee(table, 27 + (i / 10) % 3 - 1, 394 - i / 5, Img("BillPlayer"), Img("BillPlayerMask"));
    for (int i = 10; i <= 250; i += 10)
        CopieMasquee(table, 124 + (i / 20) % 2, 276 - i / 5, Img("BillCowboy"), Img("BillCowboyMask"));
    for (int b = 0; b < 8; ++b) {
        const QString n = QStringLiteral("Bill%1").arg(1 + b % 4);
        CopieMasquee(table, 200 + b * 27, 318 + (b % 3) * 9, Img(n), Img(n + "Mask"));
    }
    Copie(table, 24, 458, Img("PlayerMoneyBar"));
    Copie(table, 118, 331, Img("CowboyMoneyBar"));
    Copie(table, 470, 328, Img("PotMoneyBar"));
    // Buttons, plates and boards where the game puts them; two covered.
    Copie(table, 551, 330, Img("BtnDrawUp"));
    Copie(table, 551, 385, Img("BtnCallUp"));
    Copie(table, 551, 440, Img("BtnPassUp"));
    CopieMasquee(table, 551, 385, Img("TrameCall"), Img("TrameCallMask"));
    Copie(table, 450, 380, Img("BtnBill50Up"));
    Copie(table, 487, 380, Img("BtnBill20Up"));
    Copie(table, 517, 380, Img("BtnBill10Up"));
    Copie(table, 450, 468, Img("BtnBet"));
    {
        QImage cache = Img("TramePlaque").copy(0, 8, 37, 88);
        QImage masque = Img("TramePlaqueMask").copy(0, 8, 37, 88);
        CopieMasquee(table, 450, 380, cache, masque);
    }
    Copie(table, BobbleX, BobbleY, Img("Bobble"));
    // The player's cards.
    const QImage& faces = Img("TabCartes");
    for (int i = 0; i < 5; ++i)
        Copie(table, 87 + i * 72, i == 2 ? 381 : 393, faces.copy(i * 71 * 2 % 923, (i % 4) * 96, 71, 96));
    // Hands window: table under it, the fan of held cards, then the hands.
    const QPoint mains = perso.posCorps + perso.mains;
    const QString fan = QStringLiteral("Cartes%1").arg(cartesTenues);
    const QString mainsImg = QString::fromLatin1(perso.mainsImg);
    if (gMagasin->Contient(fan))
        CopieMasquee(table, mains.x(), mains.y(), Img(fan), Img(fan + "Mask"));
    if (gMagasin->Contient(mainsImg))
        CopieMasquee(table, mains.x(), mains.y(), Img(mainsImg), Img(mainsImg + "Mask"));
    return table;
}

QImage PlancheScenes() {
    const int l = 670, h = 510, zoom = 3;
    std::vector<QImage> lignes;
    for (const Perso& perso : kPersos) {
        const QImage table = Scene(perso, 5);
        const auto cadres = Cadres(perso.tailleVisage);
        const QPoint visage = perso.posCorps + perso.visage;
        const QSize tz = perso.tailleVisage * zoom;
        const int colonnes = std::max<int>(1, (1900 - l - 20) / (tz.width() + 10));
        const int rangs = int((cadres.size() + colonnes - 1) / std::max(colonnes, 1));
        QImage ligne(1900, std::max(h, rangs * (tz.height() + 24)) + 10, QImage::Format_RGB32);
        ligne.fill(QColor(0x60, 0x60, 0x68));
        QPainter p(&ligne);
        p.drawImage(0, 0, table);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(11);
        p.setFont(f);
        p.setPen(Qt::white);
        for (size_t k = 0; k < cadres.size(); ++k) {
            const EntreeInventaire& e = *cadres[k];
            QImage scene = table.copy();
            CopieMasquee(scene, visage.x(), visage.y(), Img(e.nom), Img(e.masque));
            const QImage fenetre = scene.copy(QRect(visage - QPoint(20, 20), perso.tailleVisage + QSize(40, 40)));
            const int cx = l + 10 + int(k % colonnes) * (tz.width() + 10);
            const int cy = int(k / colonnes) * (tz.height() + 24);
            p.drawImage(QRect(cx, cy, tz.width(), tz.height()),
                        fenetre.copy(20, 20, perso.tailleVisage.width(), perso.tailleVisage.height()));
            p.drawText(cx, cy + tz.height() + 14, QString::fromLatin1(e.nom));
        }
        p.end();
        lignes.push_back(ligne);
    }
    int total = 0;
    for (const QImage& i : lignes) total += i.height();
    QImage feuille(1900, total, QImage::Format_RGB32);
    QPainter p(&feuille);
    int y = 0;
    for (const QImage& i : lignes) {
        p.drawImage(0, y, i);
        y += i.height();
    }
    return feuille;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // --scene: leave out the characters (while theirs are being drawn).
    const QStringList args = app.arguments().mid(1);
    const bool sceneSeule = args.contains(QStringLiteral("--scene"));
    QString prefixe = QStringLiteral("contact-sheet");
    for (const QString& a : args)
        if (!a.startsWith(QStringLiteral("--"))) prefixe = a;
    if (args.contains(QStringLiteral("--temps"))) {
        // Cost of each code-drawn picture, first call (caches cold).
        std::vector<std::pair<double, const char*>> couts;
        for (auto inv : {InventaireScene(), InventairePersonnages()})
            for (const EntreeInventaire& e : inv)
                if (e.dessin) {
                    QElapsedTimer c;
                    c.start();
                    e.dessin();
                    double premier = c.nsecsElapsed() / 1e6, mini = 1e9;
                    for (int k = 0; k < 5; ++k) {
                        c.restart();
                        e.dessin();
                        mini = std::min(mini, c.nsecsElapsed() / 1e6);
                    }
                    std::printf("%8.2f %8.2f ms  %s\n", premier, mini, e.nom);
                    couts.push_back({premier, e.nom});
                }
        std::sort(couts.begin(), couts.end(), [](auto& a, auto& b) { return a.first > b.first; });
        for (size_t i = 0; i < couts.size() && i < 15; ++i)
            std::printf("%8.2f ms  %s\n", couts[i].first, couts[i].second);
        return 0;
    }
    QElapsedTimer chrono;
    if (args.contains(QStringLiteral("--polices"))) {
        // The game's window loads the font database before any picture.
        chrono.start();
        QFontMetrics(QFont(QStringLiteral("DejaVu Sans"))).horizontalAdvance(QStringLiteral("$300"));
        std::printf("font database: %.1f ms\n", chrono.nsecsElapsed() / 1e6);
    }
    chrono.start();
    const MagasinImages& magasin = sceneSeule ? *new MagasinImages({InventaireScene()})
                                              : MagasinImages::Instance();
    const qint64 ns = chrono.nsecsElapsed();
    gMagasin = &magasin;
    std::printf("store: %lld pictures rendered in %.1f ms (first use)\n",
                static_cast<long long>(magasin.Noms().size()), ns / 1e6);
    if (args.contains(QStringLiteral("--mesure")))
        return 0;
    const bool ok1 = PlancheContact().save(prefixe + QStringLiteral(".png"));
    const bool ok2 = PlancheScenes().save(prefixe + QStringLiteral("-scenes.png"));
    std::printf("%s.png, %s-scenes.png\n", qPrintable(prefixe), qPrintable(prefixe));
    return ok1 && ok2 ? 0 : 1;
}
