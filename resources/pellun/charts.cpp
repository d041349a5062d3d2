// The chart pictures of the chart reading dialogs. Each is an SVG drawing
// made at build time by the chart generator (tools/chartgen), sized exactly
// to the plot box of its dialog, in the installation folder's charts/.
#include <string>

#include "common/calc/chart_files.h"
#include "resources/pellun/module.h"

#ifndef KAVRIN_CHART_DIR
#define KAVRIN_CHART_DIR "charts"
#endif

namespace pellun {

namespace {

fw::Bitmap chart(int id, int width, int height) {
    return {.id = id, .width = width, .height = height,
            .file = kavrin::chartFile("pellun_" + std::to_string(id) + ".svg", KAVRIN_CHART_DIR)};
}

}  // namespace

void addCharts(fw::Module& m) {
    m.addBitmap(chart(3009, 430, 357));                                   // χ1, ENIMS straight
    m.addBitmap(chart(3012, 435, 356));                                   // χ1, ENIMS curved
    m.addBitmap(chart(3016, 435, 358));                                   // χτ1, ENIMS straight
    for (int id = 3021; id <= 3032; ++id) m.addBitmap(chart(id, 435, 358));  // χτ1, ENIMS curved, by Z1
    m.addBitmap(chart(3014, 438, 357));                                   // χτ1, Gleason straight and zerol
    m.addBitmap(chart(3018, 437, 358));                                   // χτ1, Gleason spiral
    for (int id = 3033; id <= 3038; ++id) m.addBitmap(chart(id, 433, 354));  // Yf0 by βm
    m.addBitmap(chart(3053, 150, 110));  // the bevel pair beside the preliminary design
}

}  // namespace pellun
