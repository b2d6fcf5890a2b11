#include <QMessageBox>
#include <iostream>
#include <string>
#include <string_view>

#include "gui/app/ctavrel_app.h"
#include "gui/app/start_options.h"

namespace {

// stdout may be a closed pipe or a full disk; saying so beats a silent success.
int printed(std::ostream& out) {
    out.flush();
    return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they need no display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            std::cout << "marlix " << marlix::MarlixVersion() << "\n";
            return printed(std::cout);
        }
        if (arg == "--help" || arg == "-h") {
            std::cout << marlix::MarlixUsage();
            return printed(std::cout);
        }
    }

    marlix::CTavrelApp app(argc, argv);
    // Qt has taken its own options out of argv; what is left is ours.
    bool dataFolder = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--data-folder") {
            dataFolder = true;
        } else {
            std::cerr << "marlix: unknown option \"" << argv[i] << "\"\nTry 'marlix --help'.\n";
            return 2;
        }
    }
    if (dataFolder) {
        const auto folder = marlix::DataFolderPath();
        const marlix::Status entered = folder ? marlix::EnterFolder(*folder) : folder.status();
        if (!entered) {
            // Started from the menu there is no terminal to read stderr: the box says it too.
            const std::string message = "marlix cannot use its data folder: " + entered.message();
            std::cerr << message << "\n";
            QMessageBox::critical(nullptr, "MARLIX", QString::fromStdString(message));
            return 1;
        }
    }
    app.InitInstance();
    return app.ExitCode();
}
