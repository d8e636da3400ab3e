// The game's message boxes: buttons in the running language, No as the
// default, and a box wide enough for its title.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include "common/etat.h"
#include "platform/boite_message.h"

namespace {

// Runs `regarde` on the box once it is up, then presses `bouton`.
bool Repond(const QString& titre, const QString& texte, BoutonsMessage boutons,
            QMessageBox::StandardButton bouton, const std::function<void(QMessageBox&)>& regarde) {
    QTimer sonde;
    sonde.setInterval(5);
    bool vue = false;
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite || !boite->isVisible() || vue) return;
        vue = true;
        regarde(*boite);
        boite->button(bouton)->click();
    });
    sonde.start();
    const bool reponse = BoiteMessage(nullptr, titre, texte, boutons);
    EXPECT_TRUE(vue);
    return reponse;
}

class BoiteMessageTest : public ::testing::Test {
protected:
    void TearDown() override { EtatDuJeu().reglages.LangueChoisie.clear(); }
};

TEST_F(BoiteMessageTest, YesAndNoReadInTheRunningLanguageWithNoAsTheDefault) {
    for (const char* langue : {"FR", "UK", "", "DE"}) {
        EtatDuJeu().reglages.LangueChoisie = langue;
        const bool fr = std::string(langue) == "FR";
        for (const auto bouton : {QMessageBox::Yes, QMessageBox::No}) {
            const bool reponse = Repond("Sauver les options", "Etes-vous s\u00fbr ?", BoutonsMessage::OuiNon,
                                        bouton, [&](QMessageBox& m) {
                EXPECT_EQ(m.buttons().size(), 2);
                EXPECT_EQ(m.button(QMessageBox::Yes)->text(), fr ? "Oui" : "Yes") << langue;
                EXPECT_EQ(m.button(QMessageBox::No)->text(), fr ? "Non" : "No") << langue;
                EXPECT_EQ(m.defaultButton(), m.button(QMessageBox::No));
            });
            EXPECT_EQ(reponse, bouton == QMessageBox::Yes);
        }
    }
}

TEST_F(BoiteMessageTest, OkAloneInBothLanguages) {
    for (const char* langue : {"FR", "UK"}) {
        EtatDuJeu().reglages.LangueChoisie = langue;
        EXPECT_TRUE(Repond("Attention", "Vous devez...", BoutonsMessage::OK, QMessageBox::Ok, [](QMessageBox& m) {
            EXPECT_EQ(m.buttons().size(), 1);
            EXPECT_EQ(m.button(QMessageBox::Ok)->text(), "OK");
        }));
    }
}

TEST_F(BoiteMessageTest, BoxIsWideEnoughForALongTitleOverAShortText) {
    EtatDuJeu().reglages.LangueChoisie = "FR";
    const QString titre = "Sauver les options de la partie en cours";
    Repond(titre, "Oui ?", BoutonsMessage::OuiNon, QMessageBox::No, [&](QMessageBox& m) {
        QFont gras = m.font();
        gras.setBold(true);
        // the title, and room for the frame's buttons beside it
        EXPECT_GE(m.width(), QFontMetrics(gras).horizontalAdvance(titre) + 80);
    });
}

}  // namespace
