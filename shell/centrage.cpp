#include "shell/centrage.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

bool CadreConnu(const QWidget* fenetre) {
    return fenetre->isVisible() && fenetre->frameGeometry().size() != fenetre->size();
}

// Watches a window's events until its frame is known.
class GuetteurCadre : public QObject {
public:
    GuetteurCadre(QWidget* fenetre, std::function<void()> action)
        : QObject(fenetre), fenetre_(fenetre), action_(std::move(action)) {
        fenetre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
            case QEvent::Paint:
                break;
            default:
                return false;
        }
        // At its show event a window is not on the screen yet: look again
        // once the event is over.
        QTimer::singleShot(0, this, [this] {
            if (!fenetre_ || !action_ || !CadreConnu(fenetre_)) return;
            auto action = std::move(action_);
            action_ = nullptr;
            fenetre_->removeEventFilter(this);
            deleteLater();
            action();
        });
        return QObject::eventFilter(o, e);
    }

private:
    QPointer<QWidget> fenetre_;
    std::function<void()> action_;
};

}  // namespace

void PlaceSurTable(QWidget* fenetre, const QWidget* table) {
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

void CentreSurTable(QWidget* fenetre, const QWidget* table) {
    if (!table) return;
    PlaceSurTable(fenetre, table);
    QuandCadreConnu(fenetre, [fenetre, t = QPointer<const QWidget>(table)] {
        if (t) PlaceSurTable(fenetre, t);
    });
}

void QuandCadreConnu(QWidget* fenetre, std::function<void()> action) {
    new GuetteurCadre(fenetre, std::move(action));
}
