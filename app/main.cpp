#include "app/ctavrel_app.h"

int main(int argc, char** argv) {
    marlix::CTavrelApp app(argc, argv);
    app.InitInstance();
    return app.ExitCode();
}
