// The application object: starts Qt, runs the main window modally and ends the program.
#pragma once

#include <QApplication>
#include <QTranslator>
#include <string>

#include "gui/app/start_ahead.h"

namespace marlix {

class MarlixApplication {
public:
    MarlixApplication(int& argc, char** argv);
    // Shows every window from now on in the language of that translation (a code of
    // TranslationCodes(); "" keeps English). Only that language's texts are loaded, from the
    // program itself. False when the program holds no such translation.
    bool useTranslation(const std::string& code);
    // Runs the main window until Enter, Escape or the close box ends it; the program's exit
    // status.
    int run();

private:
    StartAhead m_ahead;  // before Qt: it works while Qt starts
    QApplication m_qt;
    QTranslator m_translator;
};

}  // namespace marlix
