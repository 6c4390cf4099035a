#include "app/shell/ApplicationStyle.h"

#include <QFile>
#include <QTest>

namespace tov {

class ApplicationIconTest : public QObject {
    Q_OBJECT

private slots:
    // Both icons come in the sizes the windows ask for, from 8-bit PNGs in the resources, and
    // reading them loads no image format plugin (QIcon::addFile would load all of them).
    void iconsHaveTheirSizesAndLoadNoImagePlugin() {
        const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}};
        for (const QIcon& icon : {ApplicationIcon(), WindowIcon()}) {
            QCOMPARE(icon.availableSizes(), sizes);
            for (const QSize& size : sizes) {
                const QImage image = icon.pixmap(size).toImage();
                QCOMPARE(image.size(), size);
                QVERIFY(image.pixelColor(size.width() / 2, size.height() / 2).alpha() > 0);
            }
        }
#ifdef __linux__
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));
#endif
    }
};

}  // namespace tov

QTEST_MAIN(tov::ApplicationIconTest)
#include "ApplicationIconTest.moc"
