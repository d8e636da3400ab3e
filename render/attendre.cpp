#include "render/attendre.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "common/etat.h"
#include "platform/fenetre_table.h"
#include "platform/picture.h"

namespace {

ObservateurAttentes* g_observateur = nullptr;
int g_profondeur = 0;

// A wait under way, also when a close unwinds it.
struct EnCours {
    EnCours() { ++g_profondeur; }
    ~EnCours() { --g_profondeur; }
};

}  // namespace

void ObserveAttentes(ObservateurAttentes* o) { g_observateur = o; }

void Attendre(Delai quoi) {
    const int16_t ms = Millisecondes(quoi, EtatDuJeu().reglages);
    if (g_observateur) g_observateur->Attente(quoi, ms, g_profondeur);
    Attendre(ms);
}

void Attendre(const int16_t& Tmp) {
    FenetreTable* table = FenetreTable::Instance();
    if (Tmp > 0) {
        EnCours enCours;
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
    EnCours enCours;
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
