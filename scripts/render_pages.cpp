// Draws the main window on each of its tabs, the About box and the New Profile dialog into PNG
// files, to look at the pages after a change to a template, a font or a control. The window is
// the real one, set up as at start, in an empty working folder with three cards attached: enough
// for the device list's scroll bar, with long labels and version texts that hold line breaks.
// usage: marlix-render-pages [--dark] [--language CODE] OUTPUT_FOLDER (scripts/render-pages builds
// and runs it); --dark draws in a dark palette such as GTK's and Plasma's dark themes give Qt.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "gui/app/about_dialog.h"
#include "gui/app/main_window.h"
#include "gui/app/marlix_application.h"
#include "gui/app/start_options.h"
#include "gui/layout/message_box.h"
#include "gui/profiles/new_profile_dialog.h"
#include "tests/support/dark_palette.h"

using namespace marlix;

namespace {

struct Card {
    const char* folder;
    const char* label;
    const char* version;  // what its version.txt holds
};
constexpr Card kCards[] = {
    {"card", "CAMERA", "V1.2\r\n"},
    {"a card with a rather long mount point", "HOLIDAY PHOTOS SUMMER",
     "FW 2.0.17 build 2024-05-30\r\nmodel HD action camera\r\n"},
    {"reader", "", "line one\nline two\tand a tab"},
};

class Cards : public VolumeSource {
public:
    explicit Cards(const QString& folder) {
        for (const Card& card : kCards) {
            const QString root = folder + "/" + card.folder + "/";
            QFile version(root + "version.txt");
            if (!QDir().mkpath(root) || !version.open(QIODevice::WriteOnly) ||
                version.write(card.version) < 0) {
                std::fprintf(stderr, "marlix-render-pages: cannot prepare %s\n", qPrintable(root));
            }
            m_drives.push_back(
                {root.toStdString(), card.label, true, 31914983424ull, 31902400512ull});
        }
    }
    Result<std::vector<DriveInfo>> ListRemovableDrives() override { return m_drives; }
    void ProbeDrive(DriveInfo&) override {}

private:
    std::vector<DriveInfo> m_drives;
};

bool Save(QWidget& window, const QString& path) {
    window.show();
    QCoreApplication::processEvents();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "marlix-render-pages: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    MarlixApplication app(argc, argv);
    bool dark = false;
    std::string language;
    QString out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--dark") {
            dark = true;
        } else if (arg == "--language" && i + 1 < argc) {
            language = TranslationFor(argv[++i]).value_or(std::string());
        } else if (out.isEmpty()) {
            out = QDir(QString::fromLocal8Bit(argv[i])).absolutePath();
        } else {
            out.clear();
            break;
        }
    }
    if (out.isEmpty()) {
        std::fprintf(stderr,
                     "usage: marlix-render-pages [--dark] [--language CODE] OUTPUT_FOLDER\n");
        return 2;
    }
    app.useTranslation(language);
    if (dark)
        QApplication::setPalette(marlix::test_support::DarkPalette());
    QTemporaryDir work;
    if (!work.isValid() || !QDir().mkpath(out) || !QDir::setCurrent(work.path())) {
        std::fprintf(stderr, "marlix-render-pages: cannot prepare %s\n", qPrintable(out));
        return 1;
    }
    // Modal dialogs would wait for a user; say no to them.
    TemplateDialog::SetModalHook([](TemplateDialog&) { return QDialog::Rejected; });
    SetMessageBoxHook([](const QString& text, const QString&) {
        std::fprintf(stderr, "marlix-render-pages: %s\n", qPrintable(text));
    });

    MainWindow::Options options;
    options.volumes = std::make_unique<Cards>(work.path());
    options.watchDevices = false;
    MainWindow window(std::move(options));
    if (!window.build(nullptr)) {
        return 1;
    }
    // The card's size and version text arrive from the background probe.
    while (window.drivesBeingProbed()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    bool saved = true;
    for (int tab = 0; tab < static_cast<int>(kPageCount); ++tab) {
        window.control<TabControlWidget>(kIdcTab)->setCurrentIndex(tab);
        window.pages().showChosenTab();
        saved = Save(window, QStringLiteral("%1/main-tab-%2.png").arg(out).arg(tab)) && saved;
    }
    AboutDialog about;
    NewProfileDialog newProfile;
    saved = about.build(nullptr) && Save(about, out + "/about.png") && saved;
    saved = newProfile.build(nullptr) && Save(newProfile, out + "/new-profile.png") && saved;
    return saved ? 0 : 1;
}
