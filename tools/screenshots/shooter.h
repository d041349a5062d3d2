// The screenshot program's camera: runs a dialog or sheet on the Qt backend,
// lets a scene fill it while it is up, saves what it shows as a PNG and
// closes it again.
#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fw/fw.h"
#include "fwqt/qt_backend.h"

class QImage;

namespace shots {

class Shooter {
public:
    Shooter(fwqt::QtBackend& backend, std::filesystem::path folder);

    // Runs the dialog; once it is up, fill(d) may change it (texts, lists,
    // focus, canvas); then <folder>/<name>.png is saved and the dialog ends.
    void shoot(const std::string& name, fw::Dialog& d, std::function<void(fw::Dialog&)> fill = {});
    // The same for a property sheet or wizard (fill may turn pages).
    void shoot(const std::string& name, fw::PropertySheet& s, std::function<void(fw::PropertySheet&)> fill = {});

    // Saves an image taken by a scene itself (a main window, a splash).
    void save(const std::string& name, const QImage& image);
    const std::filesystem::path& folder() const { return m_folder; }

    const std::vector<std::string>& failures() const { return m_failures; }
    int saved() const { return m_saved; }

private:
    void arm(const std::string& name, std::function<void(fw::Window&)> fill);
    void run(const std::string& name, const std::function<int()>& doModal);
    fwqt::QtBackend& m_backend;
    std::filesystem::path m_folder;
    std::vector<std::string> m_failures;
    int m_saved = 0;
    bool m_took = false;
};

// One scene: a named function that builds a real dialog or sheet, fills it
// and hands it to the shooter.
struct Scene {
    const char* name;
    void (*run)(Shooter&);
};
const std::vector<Scene>& scenes();

}  // namespace shots
