#include "platform/outils.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "platform/fenetre_table.h"

void PompeEvenements() {
    QCoreApplication::processEvents();
    VerifieFermeture();
}

void MessageOK(QWidget* parent, const QString& titre, const QString& texte) {
    QMessageBox box(QMessageBox::NoIcon, titre, texte, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageOuiNon(QWidget* parent, const QString& titre, const QString& texte) {
    QMessageBox box(QMessageBox::NoIcon, titre, texte, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void OuvreAdresse(const QString& adresse) {
    QDesktopServices::openUrl(QUrl(adresse));
}
