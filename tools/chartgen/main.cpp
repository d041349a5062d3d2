// kavrin_chartgen <folder>: writes the chart pictures of the bevel charts as
// SVG documents, <deliverable>_<id>.svg, sized to their plot boxes.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "chart_svg.h"

namespace {

bool write(const std::filesystem::path& p, const std::string& s) {
    std::ofstream out(p, std::ios::binary);
    out << s;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kavrin_chartgen <folder>\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = true;
    for (const auto& [id, pic] : chartgen::pellunPictures())
        ok &= write(dir / ("pellun_" + std::to_string(id) + ".svg"), chartgen::svg(pic));
    for (const auto& [id, pic] : chartgen::sirrowPictures())
        ok &= write(dir / ("sirrow_" + std::to_string(id) + ".svg"), chartgen::svg(pic));
    for (const auto& [id, text] : chartgen::belmarSvgs())
        ok &= write(dir / ("belmar_" + std::to_string(id) + ".svg"), text);
    ok &= write(dir / "pellun_3053.svg", chartgen::bevelPairFigure(150, 110));
    ok &= write(dir / "belmar_4004.svg", chartgen::bevelSymbolsFigure(560, 420, false, true));
    ok &= write(dir / "belmar_4010.svg", chartgen::bevelSymbolsFigure(700, 420, true, true));
    ok &= write(dir / "belmar_4018.svg", chartgen::bevelSymbolsFigure(64, 48, false, false));
    ok &= write(dir / "stamp", "");
    return ok ? 0 : 1;
}
