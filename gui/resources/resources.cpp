#include "gui/resources/resources.h"

#include <QGuiApplication>

#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QStyle>
#include <QStyleOption>
#include <QtGlobal>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// Q_INIT_RESOURCE declares the initialiser of the resource file as a global function, so it
// must be expanded outside any namespace.
static void registerMarlixQrc() {
    Q_INIT_RESOURCE(marlix);
}

namespace marlix {

namespace {

constexpr std::array kAppIconSizes{16, 32, 48, 64, 128};
constexpr std::array kAboutIconSizes{16, 24, 32, 48, 256};
constexpr std::array kDeviceIconSizes{16, 32};

struct IconGroup {
    const char* stem;
    std::span<const int> sizes;
};

std::optional<IconGroup> findIconGroup(int id) {
    switch (id) {
        case kIdrMainIcon:
            return IconGroup{"app", kAppIconSizes};
        case kIdiAboutIcon:
            return IconGroup{"about", kAboutIconSizes};
        case kIdiDeviceIcon:
            return IconGroup{"device", kDeviceIconSizes};
        default:
            return std::nullopt;
    }
}

// Our pictures are PNGs, which Qt reads itself. Left to find out, or even told the format, Qt
// would first load every image format plugin and ask each whether it reads the file.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// An icon group's pictures by size, decoded only when a size is drawn. QIcon::addFile would decode
// every picture at once, and load every image format plugin to find out what each file is, before
// the window can be shown.
class PngIconEngine final : public QIconEngine {
public:
    void addPicture(int size, const QString& path) { m_pictures.push_back({size, path, {}}); }
    bool isEmpty() const { return m_pictures.empty(); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const Picture* picture = pictureFor(size);
        return picture ? QSize(picture->size, picture->size).boundedTo(size) : QSize();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const Picture& picture : m_pictures) sizes.append(QSize(picture.size, picture.size));
        return sizes;
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        Picture* picture = pictureFor(size);
        if (picture == nullptr)
            return {};
        if (picture->pixmap.isNull()) {
            picture->pixmap = ReadPng(picture->path);
        }
        QPixmap pixmap = picture->pixmap;
        if (pixmap.size() != size && !pixmap.isNull())
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qApp != nullptr) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }
    QIconEngine* clone() const override { return new PngIconEngine(*this); }
    QString key() const override { return QStringLiteral("marlix-png"); }

private:
    struct Picture {
        int size;
        QString path;
        QPixmap pixmap;
    };
    // The smallest picture at least as large as asked for, else the largest.
    Picture* pictureFor(const QSize& size) {
        Picture* fitting = nullptr;
        Picture* largest = nullptr;
        for (Picture& picture : m_pictures) {
            if (largest == nullptr || picture.size > largest->size)
                largest = &picture;
            const bool fits = picture.size >= size.width() && picture.size >= size.height();
            if (fits && (fitting == nullptr || picture.size < fitting->size))
                fitting = &picture;
        }
        return fitting != nullptr ? fitting : largest;
    }
    std::vector<Picture> m_pictures;
};

// Pictures made once and kept while the application runs, not after it: they belong to its
// display connection. Emptied when the application ends, and kept again for a later one.
template <typename Key, typename Value>
std::map<Key, Value>& Made() {
    static std::map<Key, Value> made;
    return made;
}

template <typename Key, typename Value>
Value Keep(const Key& key, const Value& value) {
    std::map<Key, Value>& made = Made<Key, Value>();
    if (made.empty()) {
        qAddPostRoutine([] { Made<Key, Value>().clear(); });
    }
    made.emplace(key, value);
    return value;
}

}  // namespace

void InitMarlixResources() {
    registerMarlixQrc();
    // Static icon and bitmap controls of the dialog templates name their pictures by number.
    static const bool loaderSet = [] {
        CDialog::SetImageLoader([](int resource) {
            if (resource == kIdbBanner) {
                return BitmapResource(resource, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
            }
            return IconResource(resource).pixmap(32, 32);
        });
        return true;
    }();
    (void)loaderSet;
}

QIcon IconResource(int id) {
    const std::optional<IconGroup> group = findIconGroup(id);
    if (!group) {
        return {};
    }
    InitMarlixResources();
    // One icon a group for the whole program, so that a picture is decoded once however many
    // windows show it.
    auto& made = Made<int, QIcon>();
    if (const auto found = made.find(id); found != made.end())
        return found->second;
    auto engine = std::make_unique<PngIconEngine>();
    for (int size : group->sizes) {
        const QString path =
            QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(group->stem)).arg(size);
        if (!QFile::exists(path)) {
            qWarning("marlix: the picture %s is missing from the program's resources",
                     qUtf8Printable(path));
            continue;
        }
        engine->addPicture(size, path);
    }
    const QIcon icon = engine->isEmpty() ? QIcon() : QIcon(engine.release());
    return Keep(id, icon);
}

QPixmap BitmapResource(int id, qreal devicePixelRatio) {
    if (id != kIdbBanner) {
        return {};
    }
    InitMarlixResources();
    // Decoded once for each scale.
    const bool doubled = devicePixelRatio > 1.0;
    auto& made = Made<bool, QPixmap>();
    if (const auto found = made.find(doubled); found != made.end())
        return found->second;
    const QString path =
        doubled ? QStringLiteral(":/images/banner@2x.png") : QStringLiteral(":/images/banner.png");
    QPixmap pixmap = ReadPng(path);
    // A picture listed here but missing from the resource file is a build fault: say so rather
    // than show an empty control without a word.
    if (pixmap.isNull()) {
        qWarning("marlix: the picture %s is missing from the program's resources",
                 qUtf8Printable(path));
    } else if (doubled) {
        pixmap.setDevicePixelRatio(2.0);
    }
    return Keep(doubled, pixmap);
}

}  // namespace marlix
