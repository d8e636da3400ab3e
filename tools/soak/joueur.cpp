#include "joueur.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "platform/fenetre_table.h"
#include "render/form1.h"
#include "table/offre.h"

QPoint PlaceSurFenetre(const Form1& f, const QWidget& controle) {
    return controle.mapTo(&f, controle.rect().center());
}

void CliqueEn(Form1& f, QPoint p) { QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p); }

void Clique(Form1& f, BoutonTable b) { CliqueEn(f, PlaceSurFenetre(f, BoutonUp(f, b))); }

void CliqueCarte(Form1& f, int i) { CliqueEn(f, PlaceSurFenetre(f, *f.Cards[i])); }

Attente AttenteDuFlux(Form1& f) {
    const int handlers = HandlersEnCours();
    if (handlers == 0) return Attente::Joueur;
    // Inside the showdown's own handler only: not in a face tick or in the
    // OK button's handler that runs within the wait.
    if (handlers == 1 && PorteeAttenteOK::EnCours() && f.EstActive() && Offert(f, BoutonTable::OK))
        return Attente::OK;
    return Attente::Aucune;
}

std::string AccepteBoiteMessage() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return {};
    std::string vue = (box->windowTitle() + "|" + box->text()).toStdString();
    box->accept();
    return vue;
}

RepondOK::RepondOK(std::function<void(Form1&)> avant, bool cliqueOK)
    : avant_(std::move(avant)), cliqueOK_(cliqueOK) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Sonde(); });
    timer_.start();
}

void RepondOK::Sonde() {
    if (std::string boite = AccepteBoiteMessage(); !boite.empty()) {
        boites_.push_back(std::move(boite));
        return;
    }
    auto* form = static_cast<Form1*>(FenetreTable::Instance());
    // `avant` may open windows whose event loops run this again.
    if (dansSonde_) return;
    if (!form || AttenteDuFlux(*form) != Attente::OK) {
        dansAttente_ = false;
        return;
    }
    dansSonde_ = true;
    bool clique = true;
    if (!dansAttente_) {
        dansAttente_ = true;
        ++attentes_;
        if (avant_) avant_(*form);
        clique = cliqueOK_;
    } else if (!cliqueOK_) {
        ++forcees_;
    }
    if (clique && AttenteDuFlux(*form) == Attente::OK) Clique(*form, BoutonTable::OK);
    dansSonde_ = false;
}
