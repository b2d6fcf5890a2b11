#include "gui/app/marlix_application.h"

#include <QLocale>

#include "gui/app/main_window.h"
#include "gui/app/popup_accessibility.h"
#include "gui/app/start_options.h"
#include "gui/layout/marlix_style.h"
#include "gui/resources/resources.h"

namespace marlix {

MarlixApplication::MarlixApplication(int& argc, char** argv) : m_qt(argc, argv) {
    QApplication::setApplicationName("marlix");
    QApplication::setApplicationVersion(QString::fromUtf8(MarlixVersion()));
    QApplication::setDesktopFileName("marlix");
    InstallPopupAccessibility();
    InitMarlixResources();
    QApplication::setStyle(new MarlixStyle);
    m_ahead.Finish(m_qt.devicePixelRatio());
    // The program's icon is given to every window once the main window is shown
    // (MainWindow::showEvent): decoding its pictures would hold up the first window.
}

bool MarlixApplication::useTranslation(const std::string& code) {
    if (code.empty())
        return true;
    // Compiled in by the build (translations/, qt_add_translations).
    if (!m_translator.load(QStringLiteral(":/i18n/marlix_%1.qm").arg(QString::fromStdString(code))))
        return false;
    QCoreApplication::installTranslator(&m_translator);
    QLocale::setDefault(QLocale(QString::fromStdString(code)));
    return true;
}

int MarlixApplication::run() {
    MainWindow window;
    window.runModal();
    return window.startedUp() ? 0 : 1;
}

}  // namespace marlix
