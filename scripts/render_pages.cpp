// Draws the main window on each of its tabs, the About box and the New Profile dialog into PNG
// files, to look at the pages after a change to a template, a font or a control. The window is
// the real one, set up as at start, in an empty working folder with one card attached.
// usage: marlix-render-pages OUTPUT_FOLDER (scripts/render-pages builds and runs it)
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "gui/app/about_dlg.h"
#include "gui/app/ctavrel_app.h"
#include "gui/app/ctavrel_dlg.h"
#include "gui/profiles/dlg_new_cfg.h"

using namespace marlix;

namespace {

class OneCard : public VolumeSource {
public:
    explicit OneCard(std::string root) : m_root(std::move(root)) {}
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        return std::vector<DriveInfo>{{m_root, "CAMERA", true, 31914983424ull, 31902400512ull}};
    }
    void ProbeDrive(DriveInfo&) override {}

private:
    std::string m_root;
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
    CTavrelApp app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: marlix-render-pages OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir work;
    if (!work.isValid() || !QDir().mkpath(out) || !QDir().mkpath(work.filePath("card")) ||
        !QDir::setCurrent(work.path())) {
        std::fprintf(stderr, "marlix-render-pages: cannot prepare %s\n", qPrintable(out));
        return 1;
    }
    // Modal dialogs would wait for a user; say no to them.
    CDialog::SetModalHook([](CDialog&) { return IDCANCEL; });
    CDialog::SetMessageBoxHook([](const QString& text, const QString&) {
        std::fprintf(stderr, "marlix-render-pages: %s\n", qPrintable(text));
        return IDOK;
    });

    CTavrelDlg::Options options;
    options.volumes = std::make_unique<OneCard>((work.filePath("card") + "/").toStdString());
    options.watchDevices = false;
    CTavrelDlg window(std::move(options));
    if (!window.Create(CTavrelDlg::IDD, nullptr)) {
        return 1;
    }
    // The card's size and version text arrive from the background probe.
    while (window.DrivesBeingProbed()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    bool saved = true;
    for (int tab = 0; tab < static_cast<int>(window.m_pages.size()); ++tab) {
        window.m_tabCtrl.SetCurSel(tab);
        window.OnTabSelChange(nullptr, nullptr);
        saved = Save(window, QStringLiteral("%1/main-tab-%2.png").arg(out).arg(tab)) && saved;
    }
    CAboutDlg about;
    CDlgNewCFG newProfile;
    saved = about.Create(CAboutDlg::IDD, nullptr) && Save(about, out + "/about.png") && saved;
    saved = newProfile.Create(CDlgNewCFG::IDD, nullptr) &&
            Save(newProfile, out + "/new-profile.png") && saved;
    return saved ? 0 : 1;
}
