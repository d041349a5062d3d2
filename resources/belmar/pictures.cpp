// The symbols pictures of the bevel pair and the picture button's image,
// drawn at build time by the chart generator (tools/chartgen).
#include <string>

#include "resources/belmar/module.h"

#ifndef KAVRIN_CHART_DIR
#define KAVRIN_CHART_DIR "charts"
#endif

namespace belmar {

namespace {

fw::Bitmap drawing(int id, int width, int height) {
    return {.id = id, .width = width, .height = height,
            .file = std::filesystem::path(KAVRIN_CHART_DIR) / ("belmar_" + std::to_string(id) + ".svg")};
}

}  // namespace

void addPictures(fw::Module& m) {
    m.addBitmap(drawing(4004, 560, 420));  // straight pair
    m.addBitmap(drawing(4010, 700, 420));  // spiral pair
    m.addBitmap(drawing(4018, 64, 48));    // the picture button
}

}  // namespace belmar
