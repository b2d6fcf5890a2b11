#include "gui/resources/resources.h"

#include "gui/resources/dib.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
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

QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMarlixResources(); }

    // Each picture is drawn over the window's own background: its top left corner must let that
    // background through and it must draw something solid. The banner must come out as Qt's own
    // BMP reader makes it.
    void everyPictureIsASolidShapeOnTransparencyAsQtReadsIt() {
        const QImage banner = BitmapResource(kIdbBanner).toImage();
        const QImage banner2x = BitmapResource(kIdbBanner, 2.0).toImage();
        QCOMPARE(banner, premultiplied(QImage(QStringLiteral(":/images/banner.bmp"))));
        QCOMPARE(banner2x, premultiplied(QImage(QStringLiteral(":/images/banner@2x.bmp"))));
        QList<QImage> pictures{banner, banner2x};
        for (int id : {kIdrMainIcon, kIdiAboutIcon, kIdiDeviceIcon}) {
            const QIcon icon = IconResource(id);
            for (const QSize& size : icon.availableSizes()) {
                pictures.append(icon.pixmap(size).toImage());
            }
        }
        for (const QImage& image : pictures) {
            QVERIFY(!image.isNull());
            QVERIFY(image.hasAlphaChannel());
            QVERIFY(qAlpha(image.pixel(0, 0)) < 16);
            QVERIFY(hasOpaquePixel(image));
        }
    }

    // Bitmaps and icons of 32 bits a pixel, rows either way up, a bitmap's alpha only with an
    // alpha mask; anything else, or a file cut short, reads as nothing rather than as garbage.
    void bitmapsReadAsWindowsDrawsThem() {
        QFile file(QStringLiteral(":/images/banner.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bottomUp = file.readAll();
        const QImage banner = ReadBmp(bottomUp);
        QVERIFY(!banner.isNull());
        // The same rows top-down, as a negative height says.
        const auto pixelsAt = qsizetype(qFromLittleEndian<quint32>(bottomUp.data() + 10));
        const qsizetype row = qsizetype(banner.width()) * 4;
        QByteArray topDown = bottomUp.first(pixelsAt);
        for (qsizetype at = bottomUp.size() - row; at >= pixelsAt; at -= row)
            topDown += bottomUp.mid(at, row);
        qToLittleEndian<qint32>(-banner.height(), topDown.data() + 22);
        QCOMPARE(ReadBmp(topDown), banner);
        QByteArray opaque = bottomUp;
        qToLittleEndian<quint32>(0, opaque.data() + 14 + 52);  // no alpha mask
        QCOMPARE(qAlpha(ReadBmp(opaque).pixel(0, 0)), 255);
        QVERIFY(ReadBmp(bottomUp.first(bottomUp.size() - 1)).isNull());
        QByteArray paletted = bottomUp;
        paletted[28] = 8;  // bits a pixel
        QVERIFY(ReadBmp(paletted).isNull());

        // An icon's DIB: twice the picture's height (the picture, then its mask), alpha always.
        QByteArray ico = QByteArray::fromHex(
            "000001000100"
            "0202000001002000"
            "40000000"
            "16000000"
            "28000000"
            "02000000"
            "04000000"
            "01002000"
            "00000000");
        ico.append(QByteArray(20, '\0'));
        const QRgb topDownPixels[] = {0x80ff0000, 0xff00ff00, 0x000000ff, 0xff123456};
        const QImage expected = premultiplied(
            QImage(reinterpret_cast<const uchar*>(topDownPixels), 2, 2, QImage::Format_ARGB32));
        for (int y : {1, 0}) {
            ico.append(reinterpret_cast<const char*>(topDownPixels + 2 * y), 8);
        }
        ico.append(QByteArray(8, '\0'));  // the mask
        const std::vector<IcoPicture> pictures = ReadIcoDirectory(ico);
        QCOMPARE(pictures.size(), 1u);
        QCOMPARE(pictures[0].size, 2);
        QCOMPARE(ReadIcoPicture(pictures[0].data), expected);
        ico[18] = char(0xff);  // the picture now starts past the end of the file
        QVERIFY(ReadIcoDirectory(ico).empty());
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
        QTest::newRow("1.5x") << 1.5 << QSize(605, 66);
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
