// kavrin_cuttertables <source.txt> <folder>: writes the six cutter tables
// xp1.dat ... xp6.dat into the installation folder from their text source.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "bevel/geometry/calc/spiral_cutters.h"
#include "fw/file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kavrin_cuttertables <source.txt> <folder>\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    auto tables = bevel::parseCutterTableSource(text.str());
    if (!tables) {
        std::fprintf(stderr, "%s: %s\n", argv[1], tables.error().c_str());
        return 1;
    }
    const std::filesystem::path folder = argv[2];
    for (std::size_t i = 0; i < bevel::kCutterTableFiles.size(); ++i) {
        auto bytes = bevel::cutterTableBytes(tables->t[i]);
        if (!fw::writeFile(folder / bevel::kCutterTableFiles[i], bytes)) {
            std::fprintf(stderr, "cannot write %s\n", (folder / bevel::kCutterTableFiles[i]).string().c_str());
            return 1;
        }
    }
    return 0;
}
