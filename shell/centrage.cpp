#include "shell/centrage.h"

#include <QWidget>

void CentreSurTable(QWidget* fenetre, const QWidget* table) {
    if (!table) return;
    const QRect cadre = table->frameGeometry();
    // before its first show a window's frame is its client area
    const QSize taille = fenetre->frameGeometry().size();
    fenetre->move(cadre.left() + (cadre.width() - taille.width()) / 2,
                  cadre.top() + (cadre.height() - taille.height()) / 2);
}
