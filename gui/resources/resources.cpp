#include "gui/resources/resources.h"

#include <QGuiApplication>

#include "gui/layout/marlix_style.h"
#include "gui/layout/template_dialog.h"
#include "gui/resources/dib.h"
#include "gui/resources/resource_ids.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QResource>
#include <QString>
#include <QStyle>
#include <QStyleOption>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <utility>
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
constexpr std::array kDeviceIconSizes{16, 32, 48, 64};  // 64: a 32 px row at 200 %

struct IconGroup {
    const char* file;  // an .ico file in the resources
    std::span<const int> sizes;
};

std::optional<IconGroup> findIconGroup(int id) {
    switch (id) {
        case kIdrMainIcon:
            return IconGroup{":/icons/marlix.ico", kAppIconSizes};
        case kIdiAboutIcon:
            return IconGroup{":/icons/marlix.ico", kAboutIconSizes};
        case kIdiDeviceIcon:
            return IconGroup{":/icons/device.ico", kDeviceIconSizes};
        default:
            return std::nullopt;
    }
}

// A resource file's bytes: for a picture kept uncompressed in the program, the program's own
// bytes, not a copy.
QByteArray ResourceBytes(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid()) {
        return {};
    }
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        return resource.uncompressedData();
    }
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

void WarnMissing(const QString& what) {
    qWarning("marlix: the picture %s is missing from the program's resources",
             qUtf8Printable(what));
}

// An icon group's pictures by size, each read only when a size is drawn. QIcon::addFile would
// read every picture at once, and load every image format plugin to find out what each file is,
// before the window can be shown.
class IcoIconEngine final : public QIconEngine {
public:
    explicit IcoIconEngine(QByteArray file) : m_file(std::move(file)) {}
    void addPicture(const IcoPicture& picture) { m_pictures.push_back({picture, {}}); }
    bool isEmpty() const { return m_pictures.empty(); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const Picture* picture = pictureFor(size);
        return picture ? QSize(picture->ico.size, picture->ico.size).boundedTo(size) : QSize();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const Picture& picture : m_pictures)
            sizes.append(QSize(picture.ico.size, picture.ico.size));
        return sizes;
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        Picture* picture = pictureFor(size);
        if (picture == nullptr)
            return {};
        // A DIB is read again each time: copying its pixels is about as quick as keeping a copy
        // of them, and takes no memory meanwhile. A PNG is decoded once.
        QPixmap pixmap = picture->decodedPng;
        if (pixmap.isNull()) {
            pixmap = QPixmap::fromImage(ReadIcoPicture(picture->ico.data));
            if (picture->ico.png)
                picture->decodedPng = pixmap;
        }
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
    QIconEngine* clone() const override { return new IcoIconEngine(*this); }
    QString key() const override { return QStringLiteral("marlix-ico"); }

private:
    struct Picture {
        IcoPicture ico;  // within m_file
        QPixmap decodedPng;
    };
    // The smallest picture at least as large as asked for, else the largest.
    Picture* pictureFor(const QSize& size) {
        Picture* fitting = nullptr;
        Picture* largest = nullptr;
        for (Picture& picture : m_pictures) {
            const int side = picture.ico.size;
            if (largest == nullptr || side > largest->ico.size)
                largest = &picture;
            const bool fits = side >= size.width() && side >= size.height();
            if (fits && (fitting == nullptr || side < fitting->ico.size))
                fitting = &picture;
        }
        return fitting != nullptr ? fitting : largest;
    }
    QByteArray m_file;  // shared by the copies, so the views stay valid
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
        TemplateDialog::SetImageLoader([](int resource) {
            if (resource == kIdbBanner) {
                return BitmapResource(resource, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0,
                                      WantsDarkGroundPictures(QGuiApplication::palette()));
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
    const QString file = QString::fromLatin1(group->file);
    const QByteArray bytes = ResourceBytes(file);  // shared with the engine, never changed
    auto engine = std::make_unique<IcoIconEngine>(bytes);
    const std::vector<IcoPicture> pictures = ReadIcoDirectory(bytes);
    for (int size : group->sizes) {
        const auto picture = std::find_if(pictures.begin(), pictures.end(),
                                          [size](const IcoPicture& p) { return p.size == size; });
        if (picture == pictures.end()) {
            WarnMissing(QStringLiteral("%1 (%2 px)").arg(file).arg(size));
            continue;
        }
        engine->addPicture(*picture);
    }
    const QIcon icon = engine->isEmpty() ? QIcon() : QIcon(engine.release());
    return Keep(id, icon);
}

QPixmap BitmapResource(int id, qreal devicePixelRatio, bool onDark) {
    if (id != kIdbBanner) {
        return {};
    }
    InitMarlixResources();
    // Decoded once for each scale and ground.
    const int percent = qRound(std::max<qreal>(1.0, devicePixelRatio) * 100);
    auto& made = Made<std::pair<int, bool>, QPixmap>();
    if (const auto found = made.find({percent, onDark}); found != made.end())
        return found->second;
    const bool doubled = percent > 100;
    const QString path = QStringLiteral(":/images/banner%1%2.bmp")
                             .arg(onDark ? QStringLiteral("-dark") : QString())
                             .arg(doubled ? QStringLiteral("@2x") : QString());
    QImage image = ReadBmp(ResourceBytes(path));
    // A picture listed here but missing from the resource file is a build fault: say so rather
    // than show an empty control without a word.
    if (image.isNull()) {
        WarnMissing(path);
        return Keep(std::pair{percent, onDark}, QPixmap());
    }
    if (doubled && percent != 200) {
        // Between the two sizes (125 %, 150 %) the picture is made for the screen's own density
        // here, smoothly, rather than shrunk pixel by pixel wherever it is drawn.
        const QSize layout = image.size() / 2;
        image = image.scaled(layout * (percent / 100.0), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    if (doubled)
        pixmap.setDevicePixelRatio(percent == 200 ? 2.0 : percent / 100.0);
    return Keep(std::pair{percent, onDark}, pixmap);
}

QString FullwidthFormsFamily() {
    if (qGuiApp == nullptr)
        return {};
    static const QString family = [] {
        InitMarlixResources();
        // Read in place: the font stays in the program's own bytes.
        const int id = QFontDatabase::addApplicationFontFromData(
            ResourceBytes(QStringLiteral(":/fonts/fullwidth-forms.ttf")));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            WarnMissing(QStringLiteral(":/fonts/fullwidth-forms.ttf"));
            return QString();
        }
        return families.first();
    }();
    return family;
}

bool WantsDarkGroundPictures(const QPalette& palette) {
    // The light banner's wordmark is near black: where it would not stand out from the window,
    // the variant drawn for dark grounds does.
    return ContrastRatio(QColor(0x1f, 0x29, 0x2f), palette.color(QPalette::Window)) < 4.5;
}

}  // namespace marlix
