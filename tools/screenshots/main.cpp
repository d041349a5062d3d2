// kavrin_screenshots [folder]: a PNG of every registered dialog template of
// every deliverable (<module>-<id>.png) and of every scene (<scene>.png),
// drawn on the offscreen platform, for review without a display.
#include <sys/stat.h>

#include <system_error>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "resources/belmar/module.h"
#include "resources/corvane/module.h"
#include "resources/kavrin/module.h"
#include "resources/pellun/module.h"
#include "resources/sirrow/module.h"
#include "resources/tarv/module.h"
#include "samples.h"
#include "shooter.h"

namespace {

// Every template of every module, as a plain dialog: new dialogs show up
// here by being registered in their module.
void shootTemplates(shots::Shooter& shooter) {
    const fw::Module* modules[] = {&kavrin::module(), &corvane::module(), &pellun::module(), &belmar::module(),
                                   &sirrow::module(), &tarv::module(),    &samples::module()};
    for (const fw::Module* m : modules) {
        for (int id : m->dialogIds()) {
            const std::string name = m->name() + "-" + std::to_string(id);
            try {
                fw::Dialog d(*m, id);
                shooter.shoot(name, d);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s: %s\n", name.c_str(), e.what());
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR")) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        ::chmod(dir, 0700);
    }
    std::filesystem::path folder = argc > 1 ? std::filesystem::path(argv[1])
                                            : std::filesystem::path(KAVRIN_BINARY_DIR) / "screenshots";
    fwqt::Application app(argc, argv);
    fwqt::QtBackend backend;
    fw::setBackend(&backend);
    fw::setAppTitle("Kavrin");
    shots::Shooter shooter(backend, folder);
    shootTemplates(shooter);
    for (const auto& scene : shots::scenes()) scene.run(shooter);
    fw::setBackend(nullptr);
    for (const auto& f : shooter.failures()) std::fprintf(stderr, "screenshot failed: %s\n", f.c_str());
    std::printf("%d screenshots in %s\n", shooter.saved(), folder.string().c_str());
    return shooter.failures().empty() ? 0 : 1;
}
