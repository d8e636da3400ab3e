#include "platform/boite_message.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "common/etat.h"
#include "common/textes_dialogues.h"

namespace {

// The frame's own buttons and icon beside a title, in pixels.
constexpr int MargeTitre = 100;

}  // namespace

bool BoiteMessage(QWidget* parent, const QString& titre, const QString& texte, BoutonsMessage boutons) {
    namespace td = textes_dialogues;
    const bool fr = EtatDuJeu().reglages.Francais();
    const bool ouiNon = boutons == BoutonsMessage::OuiNon;
    QMessageBox boite(QMessageBox::NoIcon, titre, texte,
                      ouiNon ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // Qt names its buttons in the language of its own translations, which
    // the game does not load.
    if (ouiNon) {
        boite.button(QMessageBox::Yes)->setText(QString::fromUtf8(td::BoutonOui.Dans(fr)));
        boite.button(QMessageBox::No)->setText(QString::fromUtf8(td::BoutonNon.Dans(fr)));
        boite.setDefaultButton(QMessageBox::No);
    } else {
        boite.button(QMessageBox::Ok)->setText(QString::fromUtf8(td::BoutonOK));
    }
    // A box sizes itself by its text and buttons: a row as wide as the
    // title keeps a long title whole over a short question.
    QFont police = boite.font();
    police.setBold(true);
    if (auto* grille = qobject_cast<QGridLayout*>(boite.layout()))
        grille->addItem(new QSpacerItem(QFontMetrics(police).horizontalAdvance(titre) + MargeTitre, 0,
                                        QSizePolicy::Minimum, QSizePolicy::Minimum),
                        grille->rowCount(), 0, 1, grille->columnCount());
    const int reponse = boite.exec();
    return reponse == (ouiNon ? QMessageBox::Yes : QMessageBox::Ok);
}
