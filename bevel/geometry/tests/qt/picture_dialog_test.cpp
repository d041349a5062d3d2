// The symbols picture of the bevel pair as the real window lays it out
// (offscreen Qt): in each mode the dialog is the drawing of that mode and
// its button, without room kept for the other drawing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>

#include "bevel/geometry/belmar_len_img_dlg.h"
#include "fwqt/qt_backend.h"

namespace {

struct PictureDialog : ::testing::Test {
    static void SetUpTestSuite() {
        static fwqt::Application* app = nullptr;
        if (app) return;
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "bevel_geometry_qt_picture_test";
        static char* argv[] = {name, nullptr};
        app = new fwqt::Application(argc, argv);  // lives until exit
    }
    void SetUp() override { m_previous = fw::setBackend(&backend); }
    void TearDown() override { fw::setBackend(m_previous); }
    fwqt::QtBackend backend;
    fw::Backend* m_previous = nullptr;
};

TEST_F(PictureDialog, TheDialogIsAsLargeAsTheDrawingOfItsMode) {
    struct Case { const char* what; int mode, bitmap, width, height; };
    const Case cases[] = {
        {"straight", CBelmarLenImgDlg::kModeStraight, CBelmarLenImgDlg::IDB_STRAIGHT, 560, 420},
        {"spiral", CBelmarLenImgDlg::kModeSpiral, CBelmarLenImgDlg::IDB_SPIRAL, 700, 420},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CBelmarLenImgDlg dlg(nullptr);
        QSize client, picture, drawing;
        bool shown = false;
        backend.setShownHook([&](fw::Window&, QWidget* top) {
            backend.setShownHook({});
            QTimer::singleShot(0, top, [&, top] {
                client = top->size();
                QWidget* w = fwqt::QtBackend::widgetOf(dlg.item(CBelmarLenImgDlg::IDC_PICTURE));
                if (w) {
                    shown = w->isVisible();
                    picture = w->size();
                    if (auto* label = qobject_cast<QLabel*>(w)) drawing = label->pixmap().deviceIndependentSize().toSize();
                }
                dlg.EndDialog(IDOK);
            });
        });
        dlg.DoModal(c.mode);
        EXPECT_EQ(dlg.picture(CBelmarLenImgDlg::IDC_PICTURE).bitmap(), c.bitmap);
        ASSERT_TRUE(shown);
        EXPECT_EQ(drawing, QSize(c.width, c.height));
        EXPECT_GE(picture.width(), c.width);
        EXPECT_GE(picture.height(), c.height);
        // Margins and the 返回 button only: at most 40 pixels beside the
        // drawing and 100 above and below it. With room kept for both
        // drawings the straight pair filled a third of a 722-pixel-wide,
        // twice-as-high dialog.
        EXPECT_LE(client.width() - c.width, 40) << client.width();
        EXPECT_LE(client.height() - c.height, 100) << client.height();
        EXPECT_GE(double(c.width) * c.height / (double(client.width()) * client.height()), 0.75);
    }
}

}  // namespace
