#include "gui/resources/resources.h"

#include <QGuiApplication>

#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

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

// A picture that is listed here but missing from the resource file is a build fault; say so
// instead of showing an empty control without a word.
QPixmap loadPixmap(const QString& path) {
    QPixmap pixmap(path);
    if (pixmap.isNull()) {
        qWarning("marlix: the picture %s is missing from the program's resources",
                 qUtf8Printable(path));
    }
    return pixmap;
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
    // The images are named, not decoded: an icon decodes only the sizes that get drawn, which
    // keeps them off the start-up path.
    QIcon icon;
    for (int size : group->sizes) {
        const QString path =
            QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(group->stem)).arg(size);
        if (!QFile::exists(path)) {
            qWarning("marlix: the picture %s is missing from the program's resources",
                     qUtf8Printable(path));
            continue;
        }
        icon.addFile(path, QSize(size, size));
    }
    return icon;
}

QPixmap BitmapResource(int id, qreal devicePixelRatio) {
    if (id != kIdbBanner) {
        return {};
    }
    InitMarlixResources();
    if (devicePixelRatio > 1.0) {
        QPixmap pixmap = loadPixmap(QStringLiteral(":/images/banner@2x.png"));
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    return loadPixmap(QStringLiteral(":/images/banner.png"));
}

}  // namespace marlix
