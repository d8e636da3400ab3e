#include "shell/centrage.h"

#include <QWidget>

void CentreSurTable(QWidget* fenetre, const QWidget* table) {
    if (!table) return;
    const QRect cadre = table->frameGeometry();
    // Before its first show a window has no frame yet: take the table's
    // frame margins for its own, so that the outer sizes are centred.
    QSize taille = fenetre->frameGeometry().size();
    if (!fenetre->testAttribute(Qt::WA_WState_Created) || taille == fenetre->size())
        taille = fenetre->size() + (cadre.size() - table->size());
    fenetre->move(cadre.left() + (cadre.width() - taille.width()) / 2,
                  cadre.top() + (cadre.height() - taille.height()) / 2);
}
