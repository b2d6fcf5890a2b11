// The main window as marlix shows it, with one stand-in card: the folder MARLIX_TEST_CARD, listed
// as a removable drive, so that a screen reader's client can drive a whole task up to Set without
// a real card. Everything else is the program's own.
#include <cstdio>
#include <cstdlib>

#include "gui/app/main_window.h"
#include "gui/app/marlix_application.h"

using namespace marlix;

namespace {

class FolderCard : public VolumeSource {
public:
    explicit FolderCard(std::string root) : m_root(std::move(root)) {}
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        return std::vector<DriveInfo>{{m_root, "CARD", true, 1ull << 30, 1ull << 29}};
    }
    void ProbeDrive(DriveInfo&) override {}

private:
    std::string m_root;
};

}  // namespace

int main(int argc, char** argv) {
    const char* card = std::getenv("MARLIX_TEST_CARD");
    if (card == nullptr) {
        std::fprintf(stderr, "marlix-a11y-window: set MARLIX_TEST_CARD to a folder\n");
        return 2;
    }
    MarlixApplication app(argc, argv);
    MainWindow::Options options;
    options.volumes = std::make_shared<FolderCard>(std::string(card) + "/");
    options.watchDevices = false;
    MainWindow window(std::move(options));
    window.runModal();
    return window.startedUp() ? 0 : 1;
}
