// Test support of the dialogs: the run's state put back after each test,
// a settings directory of its own, and answers to message boxes.
#pragma once

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/etat.h"
#include "shell/dialogues_commun.h"
#include "support/images.h"

// Keeps the run's state and face sheet as they were, and points the settings
// file to a fresh temporary directory.
class EtatPreserve : public ::testing::Test {
protected:
    void SetUp() override {
        avant_ = EtatDuJeu();
        ASSERT_TRUE(dossier_.isValid());
        EtatDuJeu() = Etat{};
        EtatDuJeu().reglages.Chemin = (dossier_.path() + "/").toStdString();
    }
    void TearDown() override {
        EtatDuJeu() = avant_;
        ChoisitCartes(1);
    }

    QString CheminINI() const { return dossier_.path() + "/quarvelin.ini"; }
    bool FichierEcrit() const { return QFile::exists(CheminINI()); }
    // The lines of the settings file, without their CR LF.
    std::vector<std::string> LignesINI() const {
        QFile f(CheminINI());
        std::vector<std::string> lignes;
        if (!f.open(QIODevice::ReadOnly)) return lignes;
        for (const QByteArray& l : f.readAll().split('\n'))
            lignes.push_back(l.endsWith('\r') ? l.chopped(1).toStdString() : l.toStdString());
        if (!lignes.empty() && lignes.back().empty()) lignes.pop_back();
        return lignes;
    }

private:
    Etat avant_;
    QTemporaryDir dossier_;
};

// Answers every message box that opens while it lives by pressing `reponse`,
// after letting `regarde` inspect it; counts the boxes seen.
class RepondeurMessages {
public:
    explicit RepondeurMessages(QMessageBox::StandardButton reponse,
                               std::function<void(QMessageBox&)> regarde = {})
        : reponse_(reponse), regarde_(std::move(regarde)) {
        minuterie_.setInterval(10);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (boite == nullptr || !boite->isVisible()) return;
            ++vues_;
            if (regarde_) regarde_(*boite);
            QAbstractButton* b = boite->button(reponse_);
            if (b == nullptr) {
                ADD_FAILURE() << "the message box has no such button";
                boite->done(0);
                return;
            }
            b->click();
        });
        minuterie_.start();
    }
    int Vues() const { return vues_; }

private:
    QMessageBox::StandardButton reponse_;
    std::function<void(QMessageBox&)> regarde_;
    QTimer minuterie_;
    int vues_ = 0;
};
