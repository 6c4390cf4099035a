#include "app/shell/ApplicationStyle.h"

#include <QApplication>
#include <QImageReader>
#include <QPalette>
#include <QPixmap>

namespace tov {
namespace {

// The sizes a title bar, a task switcher and the About box ask for; small 8-bit images so
// that the start-up decodes little.
constexpr int kIconSizes[] = {16, 32, 48};

QIcon IconInSizes(const QString& stem) {
    QIcon icon;
    for (const int size : kIconSizes) {
        // Read as PNG with detection off: QIcon::addFile would first load every image format
        // plugin (and their libraries) to ask each whether it reads PNG.
        QImageReader reader(QStringLiteral(":/icons/%1-%2.png").arg(stem).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace

void ApplyDialogColours() {
    // A palette, not a style sheet: the same colours without the style sheet engine's cost
    // at start-up and at every paint. Children of a dialog inherit its class palette.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    palette.setColor(QPalette::WindowText, kDialogText);
    QApplication::setPalette(palette, "QDialog");
}

QIcon ApplicationIcon() {
    return IconInSizes(QStringLiteral("tovbrenn"));
}

QIcon WindowIcon() {
    return IconInSizes(QStringLiteral("tovbrenn-window"));
}

}  // namespace tov
