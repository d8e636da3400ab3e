#include "platform/polices.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include <atomic>
#include <cstdio>

namespace {

// Every weight and width the pictures draw with: a text squeezed into its
// box takes the condensed faces.
constexpr const char* FichiersSans[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansCondensed.ttf",
                                        "DejaVuSansCondensed-Bold.ttf"};
constexpr const char* FichiersSerif[] = {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerifCondensed.ttf",
                                         "DejaVuSerifCondensed-Bold.ttf"};

std::atomic<bool> manqueDit{false};

// The family of the first file of the list that registers; `defaut` when none does.
template <std::size_t N>
QString Enregistre(const QString& dossier, const char* const (&fichiers)[N], const QString& defaut,
                   QStringList& manquants) {
    QString famille;
    for (const char* nom : fichiers) {
        const QString chemin = dossier + QLatin1Char('/') + QLatin1String(nom);
        const int id = QFile::exists(chemin) ? QFontDatabase::addApplicationFont(chemin) : -1;
        const QStringList familles = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        if (familles.isEmpty()) {
            manquants << chemin;
            continue;
        }
        if (famille.isEmpty()) famille = familles.first();
    }
    return famille.isEmpty() ? defaut : famille;
}

}  // namespace

PolicesJeu EnregistrePolices(const QString& dossier) {
    QStringList manquants;
    PolicesJeu p;
    p.sans = Enregistre(dossier, FichiersSans, QStringLiteral("DejaVu Sans"), manquants);
    p.serif = Enregistre(dossier, FichiersSerif, QStringLiteral("DejaVu Serif"), manquants);
    if (!manquants.isEmpty() && !manqueDit.exchange(true))
        std::fprintf(stderr, "quarvelin: font files missing, drawing with the system's fonts: %s\n",
                     qPrintable(manquants.join(QStringLiteral(", "))));
    return p;
}

const PolicesJeu& Polices() {
    static const PolicesJeu polices = EnregistrePolices(QString::fromLatin1(DossierPolices));
    return polices;
}

void PolicesAuDemarrage() {
    QFont police = QApplication::font();
    police.setFamily(Polices().sans);
    QApplication::setFont(police);
}
