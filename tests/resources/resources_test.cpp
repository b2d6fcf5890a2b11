#include "gui/resources/resources.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

namespace marlix {
namespace {

bool hasOpaquePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMarlixResources(); }

    // Each picture is drawn over the window's own background: its top left corner must let that
    // background through, it must draw something solid, and a picture named for its size
    // ("app-32.png") must have that size.
    void everyPictureIsASolidShapeOnTransparency() {
        const QRegularExpression namedSize(QStringLiteral("-(\\d+)\\.png$"));
        int pictures = 0;
        for (const char* folder : {":/icons", ":/images"}) {
            QDirIterator it(QString::fromLatin1(folder), QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                ++pictures;
                const QImage image(path);
                QVERIFY2(!image.isNull(), qPrintable(path));
                QVERIFY2(image.hasAlphaChannel(), qPrintable(path));
                QVERIFY2(qAlpha(image.pixel(0, 0)) < 16, qPrintable(path));
                QVERIFY2(hasOpaquePixel(image), qPrintable(path));
                const QRegularExpressionMatch size = namedSize.match(path);
                if (size.hasMatch()) {
                    const int side = size.captured(1).toInt();
                    QCOMPARE(image.size(), QSize(side, side));
                }
            }
        }
        QVERIFY(pictures > 0);
    }

    // An icon group names its pictures; one missing from the resources is a build fault, which
    // the program reports with a warning.
    void iconGroupsFindEveryPictureTheyName() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        for (int id : {kIdrMainIcon, kIdiAboutIcon, kIdiDeviceIcon}) {
            const QIcon icon = IconResource(id);
            QVERIFY(!icon.availableSizes().isEmpty());
            for (const QSize& size : icon.availableSizes()) {
                QCOMPARE(size.height(), size.width());
                QCOMPARE(icon.pixmap(size).size(), size);  // the picture is of its size
            }
        }
    }

    void bannerKeepsItsLayoutSizeOnEveryScreen_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1x") << 1.0 << QSize(403, 44);
        QTest::newRow("1.5x") << 1.5 << QSize(806, 88);
        QTest::newRow("2x") << 2.0 << QSize(806, 88);
    }

    void bannerKeepsItsLayoutSizeOnEveryScreen() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QPixmap banner = BitmapResource(kIdbBanner, ratio);
        QCOMPARE(banner.size(), pixels);
        QCOMPARE(banner.deviceIndependentSize().toSize(), QSize(403, 44));
        QVERIFY(banner.hasAlphaChannel());
    }

    void otherNumbersGiveNothing() {
        QVERIFY(IconResource(kIdbBanner).isNull());
        QVERIFY(IconResource(0).isNull());
        QVERIFY(BitmapResource(kIdrMainIcon).isNull());
        QVERIFY(BitmapResource(-1).isNull());
    }
};

}  // namespace marlix

QTEST_MAIN(marlix::ResourcesTest)
#include "resources_test.moc"
