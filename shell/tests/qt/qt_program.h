// The program's Qt side for a test of the real window: the Qt application
// (offscreen), the dialog backend and the application backend, installed
// while it lives and the previous ones put back after.
//
//   QtProgram qt("my_qt_test");
//   CKavrinApp app;  app.InitInstance();  ... qt.appBackend.mainWindow() ...
#pragma once
#include <cstdlib>
#include <string>
#include <utility>

#include "fw/app.h"
#include "fw/backend.h"
#include "fwqt/app_qt.h"
#include "fwqt/qt_backend.h"

class QtProgram {
public:
    explicit QtProgram(std::string name)
        : m_name(std::move(name)), m_argv{m_name.data(), nullptr}, m_qapp(offscreen(m_argc), m_argv) {
        m_oldBackend = fw::setBackend(&backend);
        m_oldApp = fw::setAppBackend(&appBackend);
    }
    ~QtProgram() {
        fw::setAppBackend(m_oldApp);
        fw::setBackend(m_oldBackend);
    }
    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;

private:
    static int& offscreen(int& argc) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);   // also when started by hand
        return argc;
    }
    std::string m_name;   // argc and argv outlive the Qt application
    int m_argc = 1;
    char* m_argv[2];
    fwqt::Application m_qapp;

public:
    fwqt::QtBackend backend;
    fwqt::AppBackendQt appBackend;

private:
    fw::Backend* m_oldBackend = nullptr;
    fw::AppBackend* m_oldApp = nullptr;
};
