// kavrin_cuttergen <xp_tables.txt> <folder>: writes the six binary cutter
// tables xp1.dat to xp6.dat of the spiral bevel calculator from their text.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bevel/geometry/calc/cutter_tables.h"
#include "fw/file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kavrin_cuttergen <xp_tables.txt> <folder>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    auto tables = bevel::parseCutterText(text.str());
    if (!tables) {
        std::fprintf(stderr, "%s: %s\n", argv[1], tables.error().c_str());
        return 1;
    }
    const std::filesystem::path dir(argv[2]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const bevel::CutterTable* all[] = {&tables->xpd, &tables->xpm, &tables->btMin,
                                       &tables->btMax, &tables->rMin, &tables->rMax};
    for (std::size_t i = 0; i < bevel::kCutterTableFiles.size(); ++i)
        if (!fw::writeFile(dir / bevel::kCutterTableFiles[i], bevel::cutterTableBytes(*all[i]))) return 1;
    return 0;
}
