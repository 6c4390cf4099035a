#include "forms/FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>

namespace tov {
namespace {

// QFocusFrame keeps itself around its widget through moves, resizes and scrolling, and
// outside the widget's own painting; only the drawing is ours (the common styles draw none).
class FocusRing final : public QFocusFrame {
public:
    explicit FocusRing(QWidget* window) : QFocusFrame(window), m_window(window) {
        setObjectName(QStringLiteral("focusMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();  // until a control has the focus
        window->installEventFilter(this);
    }

    // The focus a window is given before it is shown (or where no window manager activates
    // it) comes with no focus change: the ring takes it when the window shows.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window &&
            (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)) {
            if (QWidget* focus = m_window->focusWidget(); focus != nullptr && focus != m_window) {
                setWidget(focus);
            }
        }
        return QFocusFrame::eventFilter(watched, event);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        QPen pen(kFocusMarkColour, kFocusMarkWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const qreal inset = kFocusMarkWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }

private:
    QWidget* m_window;
};

}  // namespace

void AddFocusMark(QWidget* window) {
    auto* ring = new FocusRing(window);
    const QPointer<FocusRing> guard(ring);
    QObject::connect(qApp, &QApplication::focusChanged, ring,
                     [guard, window](QWidget*, QWidget* now) {
                         if (guard && now != nullptr && now->window() == window && now != window) {
                             guard->setWidget(now);
                         }
                     });
}

}  // namespace tov
