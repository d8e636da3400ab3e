#include "shell/about.h"

#include <QKeyEvent>

#include "common/etat.h"
#include "common/textes_shell.h"
#include "shell/centrage.h"
#include "shell/dialogues_commun.h"
#include "shell/image_cliquable.h"
#include "render/form1.h"

About::About(QWidget* table) : QDialog(table) {
    const bool francais = EtatDuJeu().reglages.Francais();
    setWindowTitle(QString::fromUtf8(textes_shell::AboutTitre.Dans(francais)));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    AboutUK = new ImageCliquable(this);
    AboutUK->setImage(ImageMagasin("AboutUK"));
    AboutFR = new ImageCliquable(this);
    AboutFR->setImage(ImageMagasin("AboutFR"));
    AboutUK->setVisible(!francais);
    AboutFR->setVisible(francais);
    setFixedSize(AboutUK->size());

    connect(AboutUK, &ImageCliquable::clicked, this, &About::AboutUK_Click);
    connect(AboutFR, &ImageCliquable::clicked, this, &About::AboutFR_Click);

    CentreSurTable(this, table);
}

void About::keyPressEvent(QKeyEvent* e) {
    // no button here to be the default one
    if (EstEntree(*e)) {
        e->accept();
        accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void MenuAbout_Click(QWidget* table) {
    About about(table);
    about.exec();
}
