#include "resources/resources.h"

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace marlix {
namespace {

struct Picture {
    const char* path;
    int width;
    int height;
};

// Every picture the resource file must hold, at its exact pixel size.
constexpr Picture kPictures[] = {
    {":/icons/app-16.png", 16, 16},    {":/icons/app-32.png", 32, 32},
    {":/icons/app-48.png", 48, 48},    {":/icons/app-64.png", 64, 64},
    {":/icons/app-128.png", 128, 128}, {":/icons/about-16.png", 16, 16},
    {":/icons/about-24.png", 24, 24},  {":/icons/about-32.png", 32, 32},
    {":/icons/about-48.png", 48, 48},  {":/icons/about-256.png", 256, 256},
    {":/icons/device-16.png", 16, 16}, {":/icons/device-32.png", 32, 32},
    {":/images/banner.png", 403, 44},  {":/images/banner@2x.png", 806, 88},
};

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

QList<int> sortedWidths(const QIcon& icon) {
    QList<int> widths;
    for (const QSize& size : icon.availableSizes()) {
        widths.append(size.width());
    }
    std::sort(widths.begin(), widths.end());
    return widths;
}

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitMarlixResources(); }

    void holdsExactlyTheListedPictures() {
        QSet<QString> expected;
        for (const Picture& picture : kPictures) {
            expected.insert(QString::fromLatin1(picture.path));
        }
        QSet<QString> found;
        for (const char* folder : {":/icons", ":/images"}) {
            QDirIterator it(QString::fromLatin1(folder), QDir::Files);
            while (it.hasNext()) {
                found.insert(it.next());
            }
        }
        QCOMPARE(found, expected);
    }

    void pictureHasItsSizeAndTransparency_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const Picture& picture : kPictures) {
            QTest::newRow(picture.path)
                << QString::fromLatin1(picture.path) << QSize(picture.width, picture.height);
        }
    }

    // Each picture is drawn over the window's own background: its top left corner must let that
    // background through, and it must draw something solid.
    void pictureHasItsSizeAndTransparency() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
        QVERIFY(image.hasAlphaChannel());
        QVERIFY(qAlpha(image.pixel(0, 0)) < 16);
        QVERIFY(hasOpaquePixel(image));
    }

    void iconGroupHasItsImages_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("application") << kIdrMainIcon << QList<int>{16, 32, 48, 64, 128};
        QTest::newRow("about") << kIdiAboutIcon << QList<int>{16, 24, 32, 48, 256};
        QTest::newRow("device") << kIdiDeviceIcon << QList<int>{16, 32};
    }

    void iconGroupHasItsImages() {
        QFETCH(int, id);
        QFETCH(QList<int>, sizes);
        const QIcon icon = IconResource(id);
        QCOMPARE(sortedWidths(icon), sizes);
        for (const QSize& size : icon.availableSizes()) {
            QCOMPARE(size.height(), size.width());
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
