// Kavrin: the main program on the Qt backend.
#include <string>
#include <vector>

#include "fwqt/app_qt.h"
#include "fwqt/qt_backend.h"
#include "shell/kavrin_app.h"

int main(int argc, char** argv) {
    fwqt::Application qapp(argc, argv);
    fwqt::QtBackend backend;
    fw::setBackend(&backend);
    fwqt::AppBackendQt appBackend;
    fw::setAppBackend(&appBackend);
    std::vector<std::string> args(argv, argv + argc);
    int code = 0;
    {
        CKavrinApp app;
        code = app.main(std::move(args));
    }
    fw::setAppBackend(nullptr);
    fw::setBackend(nullptr);
    return code;
}
