#include "render/attendre.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "common/etat.h"
#include "platform/fenetre_table.h"
#include "platform/picture.h"

void Attendre(const int16_t& Tmp) {
    FenetreTable* table = FenetreTable::Instance();
    if (Tmp > 0) {
        const qint64 duree = qint64(Tmp) * 1000000;
        QElapsedTimer horloge;  // monotonic: midnight or a clock change does not matter
        horloge.start();
        // Sleeps until the next event or the end of the wait rather than
        // spinning; a precise timer keeps the overshoot under a millisecond.
        QTimer reveil;
        reveil.setSingleShot(true);
        reveil.setTimerType(Qt::PreciseTimer);
        for (qint64 reste; (reste = duree - horloge.nsecsElapsed()) > 0;) {
            // At every pass: a nested wait that ended has enabled the table.
            if (table) table->Desactive();
            if (!reveil.isActive()) reveil.start(int((reste + 999999) / 1000000));
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            VerifieFermeture();
        }
    }
    if (table) table->Active();
}

void AttenteOK(Picture& Bobble, const std::function<void()>& apresPasse) {
    PorteeAttenteOK portee;
    FenetreTable* table = FenetreTable::Instance();
    bool& ok = EtatDuJeu().mises.OKClique;
    Bobble.Show();
    Bobble.update();  // painted by the first pass below
    // Left true by the last showdown: cleared, or this one would not wait.
    ok = false;
    while (!ok) {
        if (table) {
            if (table->Fermee()) break;  // nobody is left to press OK
            table->Active();
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        VerifieFermeture();
        if (apresPasse) apresPasse();
    }
    ok = true;
    Bobble.Hide();
}
