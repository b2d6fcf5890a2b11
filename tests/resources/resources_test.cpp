#include "gui/resources/resources.h"

#include "gui/resources/dib.h"

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

QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage pictureOf(const QList<QRgb>& pixels, int width) {
    QImage image(width, int(pixels.size()) / width, QImage::Format_ARGB32);
    for (int i = 0; i < pixels.size(); ++i) image.setPixel(i % width, i / width, pixels[i]);
    return image;
}

// A .bmp file as Windows writes it: a BITMAPV5HEADER, with or without an alpha mask.
QByteArray bmp(const QList<QRgb>& topDownPixels, int width, bool topDown, bool alphaMask) {
    const int height = int(topDownPixels.size()) / width;
    QByteArray file(14 + 124, '\0');
    auto put = [&file](int at, quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i) file[at + i] = char(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(10, 14 + 124, 4);
    put(14, 124, 4);
    put(18, quint32(width), 4);
    put(22, quint32(topDown ? -height : height), 4);
    put(26, 1, 2);
    put(28, 32, 2);
    put(30, 3, 4);  // BI_BITFIELDS
    put(54, 0x00ff0000, 4);
    put(58, 0x0000ff00, 4);
    put(62, 0x000000ff, 4);
    put(66, alphaMask ? 0xff000000 : 0, 4);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = topDownPixels[y * width + x];
            file.append(QByteArray(reinterpret_cast<const char*>(&pixel), 4));
        }
    }
    put(2, quint32(file.size()), 4);
    return file;
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
        const QList<QRgb> topDown{0x80ff0000, 0xff00ff00, 0x000000ff, 0xff123456};  // 2 by 2
        const QImage expected = premultiplied(pictureOf(topDown, 2));
        QCOMPARE(ReadBmp(bmp(topDown, 2, true, true)), expected);
        QCOMPARE(ReadBmp(bmp(topDown, 2, false, true)), expected);
        QCOMPARE(ReadBmp(bmp(topDown, 2, false, false)).pixel(0, 0), 0xffff0000);  // no mask
        const QByteArray whole = bmp(topDown, 2, false, true);
        QVERIFY(ReadBmp(whole.first(whole.size() - 1)).isNull());
        QByteArray paletted = whole;
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
        for (int y : {1, 0}) {
            ico.append(reinterpret_cast<const char*>(topDown.data() + 2 * y), 8);
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
