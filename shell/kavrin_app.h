// CKavrinApp: the application object of the main program and its start-up.
#pragma once
#include <filesystem>
#include <functional>
#include <string>

#include "fw/app.h"

// The platform checks of start-up, replaceable by tests.
struct StartupChecks {
    std::function<bool()> is64BitSystem;   // default: runsOn64BitSystem
    std::function<bool()> initOle;         // default: succeeds (nothing to initialise here)
};
// The program is a 64-bit build and the machine reports a 64-bit architecture.
bool runsOn64BitSystem();

class CKavrinApp : public fw::App {
public:
    CKavrinApp();
    bool InitInstance() override;
    bool PreTranslateMessage(const fw::InputMessage& m) override;
    // The report opener (57601).
    void OnFileOpen() override;
    void OnAppAbout();

    // The installation folder (`xpfileloc`), read once at start-up.
    const std::filesystem::path& installFolder() const { return m_installFolder; }

    StartupChecks checks;

    static constexpr const char* kInstallKey = "SOFTWARE\\ondrel\\kavrin\\";

private:
    bool readInstallFolder();
    std::filesystem::path m_installFolder;
};

// Report extensions the opener accepts (".cyt", ".tng", ".cwt", ".cxt", any case).
bool isReportFileName(std::string_view path);
