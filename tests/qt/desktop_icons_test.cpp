#include <QIcon>
#include <QImage>
#include <QTest>

#include "qt_ui/application.h"

namespace {

// Fully transparent pixels match whatever colour they carry.
bool sameColour(QRgb a, QRgb b) { return qAlpha(a) == qAlpha(b) && (qAlpha(a) == 0 || a == b); }

}  // namespace

// The desktop menus show PNG renderings of the window's icon, made by
// scripts/make-desktop-icons.sh. A drawing changed without rendering them again fails here.
class DesktopIconsTest : public QObject {
    Q_OBJECT

private slots:
    void showTheWindowIconPixelForPixel_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("size");

        QTest::newRow("32 x 32") << QStringLiteral("proporcia-32.png") << 32;
        QTest::newRow("256 x 256, 8 x 8 blocks") << QStringLiteral("proporcia-256.png") << 256;
    }

    void showTheWindowIconPixelForPixel() {
        QFETCH(QString, file);
        QFETCH(int, size);
        const QImage window = qt_ui::applicationIcon()
                                  .pixmap(QSize(32, 32), 1.0)
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(window.size(), QSize(32, 32));
        QImage menu(QStringLiteral(PROPORCIA_ICON_DIR "/") + file);
        QVERIFY2(!menu.isNull(), qPrintable(file + QStringLiteral(" does not load")));
        QCOMPARE(menu.size(), QSize(size, size));
        menu = menu.convertToFormat(QImage::Format_ARGB32);

        const int scale = size / window.width();
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb expected = window.pixel(x / scale, y / scale);
                const QRgb actual = menu.pixel(x, y);
                if (!sameColour(actual, expected)) {
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is #%3, the window's #%4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(actual, 8, 16, QLatin1Char('0'))
                                         .arg(expected, 8, 16, QLatin1Char('0'))));
                }
            }
        }
    }
};

QTEST_MAIN(DesktopIconsTest)
#include "desktop_icons_test.moc"
