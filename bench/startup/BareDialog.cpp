// The floor of the application's start-up: a plain dialog of the main window's size with two
// lists and four buttons, no icon and no colours, made and shown the same way.
#include "app/shell/FirstPaintMark.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tov::QuitAfterFirstPaintIfAsked();

    QDialog dialog;
    auto* layout = new QGridLayout(&dialog);
    auto* first = new QComboBox;
    auto* second = new QComboBox;
    for (int i = 1; i <= 11; ++i) {
        first->addItem(QStringLiteral("Entry %1").arg(i));
    }
    for (int i = 1; i <= 5; ++i) {
        second->addItem(QStringLiteral("Model %1").arg(i));
    }
    layout->addWidget(first, 0, 0, 1, 2);
    layout->addWidget(second, 1, 0, 1, 2);
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1)), 2 + i / 2,
                          i % 2);
    }
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    return dialog.exec();
}
