#include "app/ctavrel_app.h"

#include "app/ctavrel_dlg.h"
#include "resources/resources.h"

namespace marlix {

CTavrelApp::CTavrelApp(int& argc, char** argv) : m_qt(argc, argv) {
    QApplication::setApplicationName("marlix");
    QApplication::setApplicationVersion("1.1");
    QApplication::setDesktopFileName("marlix");
    InitMarlixResources();
}

bool CTavrelApp::InitInstance() {
    CTavrelDlg dialog;
    dialog.DoModal();
    m_exitCode = dialog.StartedUp() ? 0 : 1;
    return false;
}

}  // namespace marlix
