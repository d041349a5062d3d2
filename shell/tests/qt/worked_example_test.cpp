// The worked example of docs/examples.htm done in the real window (offscreen
// Qt) as the document writes it: menus from the menu bar, clicks, typed keys,
// the slider's keys, the file dialogs' name field and every box's button,
// Qt's own replace question among them. The report the program shows at the
// end is the document's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cylindrical/cy_current_design.h"
#include "cylindrical/tests/worked_example_document.h"
#include "fw/registry.h"
#include "fw/text.h"
#include "fwtest/installation.h"
#include "qt_program.h"
#include "qt_steps.h"
#include "shell/kavrin_app.h"

namespace fs = std::filesystem;

namespace {

TEST(ShellQtWorkedExample, RunsAsTheDocumentSays) {
    fwtest::Installation inst("shell-qt-example");
    setenv("KAVRIN_USER_REGISTRY", (inst.root() / "user.reg").c_str(), 1);
    setenv("XDG_DATA_HOME", (inst.root() / "share").c_str(), 1);
    fs::create_directories(inst.root() / "run");
    fs::permissions(inst.root() / "run", fs::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (inst.root() / "run").c_str(), 1);
    fw::registry::reload();
    cylindrical::currentDesign() = {};   // as at the program's start

    QtProgram qt("shell_qt_worked_example_test");
    CKavrinApp app;
    app.setArgs({"Kavrin"});
    ASSERT_TRUE(app.InitInstance());
    ASSERT_NE(qt.appBackend.mainWindow(), nullptr);
    app.userInput({fw::InputMessage::Kind::KeyDown, "Shift"});   // the splash goes, as for a user
    QApplication::processEvents();

    const std::string html = worked_example::documentText();
    const std::string failure = QtStepRunner(qt.backend, qt.appBackend.mainWindow()).run(fwtest::documentSteps(html));
    EXPECT_EQ(failure, "");
    if (failure.empty()) {
        std::ifstream in(inst.data("gear.cyt"), std::ios::binary);
        const std::string text = fw::utf8FromGbk(std::string(std::istreambuf_iterator<char>(in), {}));
        EXPECT_EQ(worked_example::reportLines(text), worked_example::documentedReport(html));
        ASSERT_NE(app.activeDocument(), nullptr);
        EXPECT_EQ(app.activeDocument()->GetTitle(), inst.data("gear.cyt").string());
    }
    app.exit();
    cylindrical::currentDesign() = {};
}

}  // namespace
