// The application object: starts Qt, runs the main window modally and ends the program.
#pragma once

#include <QApplication>

#include "gui/app/start_ahead.h"

namespace marlix {

class MarlixApplication {
public:
    MarlixApplication(int& argc, char** argv);
    // Runs the main window until Enter, Escape or the close box ends it; the program's exit
    // status.
    int run();

private:
    StartAhead m_ahead;  // before Qt: it works while Qt starts
    QApplication m_qt;
};

}  // namespace marlix
