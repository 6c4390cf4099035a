#include "app/shell/FirstPaintMark.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace tov {
namespace {

void ReportAndQuit() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "first-paint %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

class FirstPaintWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // Queued: runs after this paint has been drawn and flushed to the window system.
            QMetaObject::invokeMethod(this, &ReportAndQuit, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaintIfAsked() {
    if (qEnvironmentVariableIsEmpty("TOVBRENN_QUIT_AFTER_FIRST_PAINT")) {
        return;
    }
    qApp->installEventFilter(new FirstPaintWatcher(qApp));
}

}  // namespace tov
