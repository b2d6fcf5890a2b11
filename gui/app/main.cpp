#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/escaped_text.h"
#include "gui/app/marlix_application.h"
#include "gui/app/start_options.h"

namespace {

// stdio, not iostreams: their static set-up (the C++ locale) would cost every start of the window
// time and memory for two short texts.
// stdout may be a closed pipe or a full disk; saying so beats a silent success.
int print(std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            return print("marlix " + std::string(marlix::MarlixVersion()) + "\n");
        }
        if (arg == "--help" || arg == "-h") {
            return print(marlix::MarlixUsage());
        }
    }

    marlix::MarlixApplication app(argc, argv);
    // Qt has taken its own options out of argv; what is left is ours.
    bool dataFolder = false;
    std::optional<std::string> language;  // the translation asked for, "" for English
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--data-folder") {
            dataFolder = true;
        } else if (arg == "--language" || arg.rfind("--language=", 0) == 0) {
            std::string_view code;
            if (arg == "--language") {
                if (i + 1 == argc) {
                    std::fprintf(stderr,
                                 "marlix: --language needs a language code\n"
                                 "Try 'marlix --help'.\n");
                    return 2;
                }
                code = argv[++i];
            } else {
                code = arg.substr(arg.find('=') + 1);
            }
            language = marlix::TranslationFor(code);
            if (!language) {
                std::fprintf(stderr,
                             "marlix: there is no translation for the language \"%s\"\n"
                             "Try 'marlix --help'.\n",
                             marlix::EscapedText(std::string(code)).c_str());
                return 2;
            }
        } else {
            std::fprintf(stderr, "marlix: unknown option \"%s\"\nTry 'marlix --help'.\n",
                         marlix::EscapedText(argv[i]).c_str());
            return 2;
        }
    }
    // The desktop's language unless one was asked for; either way before any window exists.
    if (!app.useTranslation(
            language.value_or(marlix::ChooseTranslation(marlix::DesktopLanguages())))) {
        std::fprintf(stderr, "marlix: the translation is missing from the program\n");
    }
    if (dataFolder) {
        const auto folder = marlix::DataFolderPath();
        const marlix::Status entered = folder ? marlix::EnterFolder(*folder) : folder.status();
        if (!entered) {
            // Started from the menu there is no terminal to read stderr: the box says it too.
            // The folder's path comes from the environment: stderr gets it escaped as marlix-cli
            // escapes what it prints, so that an escape sequence in it never reaches a terminal.
            const std::string message = "marlix cannot use its data folder: " + entered.message();
            std::fprintf(stderr, "%s\n", marlix::EscapedText(message).c_str());
            QMessageBox::critical(
                nullptr, "MARLIX",
                QCoreApplication::translate("main", "marlix cannot use its data folder: %1")
                    .arg(QString::fromStdString(entered.message())));
            return 1;
        }
    }
    return app.run();
}
