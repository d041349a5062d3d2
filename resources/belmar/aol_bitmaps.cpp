// The pictures of the cycloidal bevel sub-dialogs: charts C85 to C89 and the
// symbols of a cycloidal pair, SVG drawings made at build time by the chart
// generator (tools/chartgen), each sized exactly to its box, in the
// installation folder's charts/.
#include <string>

#include "common/calc/chart_files.h"
#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "resources/belmar/module.h"

#ifndef KAVRIN_CHART_DIR
#define KAVRIN_CHART_DIR "charts"
#endif

namespace belmar {

namespace {

fw::Bitmap chart(int id, int width, int height) {
    return {.id = id, .width = width, .height = height,
            .file = kavrin::chartFile("belmar_" + std::to_string(id) + ".svg", KAVRIN_CHART_DIR)};
}

}  // namespace

void addAolBitmaps(fw::Module& m) {
    m.addBitmap(chart(CBelmarAolentcDlg::IDB_C85, 229, 294));
    m.addBitmap(chart(CBelmarAolentcDlg::IDB_C86, 228, 246));
    m.addBitmap(chart(CBelmarAolC87Dlg::IDB_CHART, 318 - 66, 388 - 17));
    m.addBitmap(chart(CBelmarAolC88Dlg::IDB_CHART, 318 - 68, 388 - 17));
    m.addBitmap(chart(CBelmarAolC89Dlg::IDB_CHART, 320 - 68, 388 - 17));
    m.addBitmap(chart(CBelmarAolimgDlg::IDB_PICTURE, 420, 300));
    m.addBitmap(chart(kAolButtonBitmap, 96, 72));
}

}  // namespace belmar
