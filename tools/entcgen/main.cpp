// kavrin_entcgen <source.txt> <entc.ndt>: writes the cutter-head table of the
// cycloidal bevel gears from its text source.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "bevel/geometry/calc/cutter_head_record.h"
#include "fw/file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kavrin_entcgen <source.txt> <entc.ndt>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "kavrin_entcgen: cannot read %s\n", argv[1]);
        return 1;
    }
    auto heads = bevel::parseCutterTable(text.str());
    if (!heads) {
        std::fprintf(stderr, "kavrin_entcgen: %s\n", heads.error().c_str());
        return 1;
    }
    if (static_cast<int>(heads->size()) < bevel::kCutterHeadCount) {
        std::fprintf(stderr, "kavrin_entcgen: %zu heads, %d needed\n", heads->size(), bevel::kCutterHeadCount);
        return 1;
    }
    const auto bytes = bevel::cutterTableBytes(*heads);
    if (auto w = fw::writeFile(argv[2], bytes); !w) {
        std::fprintf(stderr, "kavrin_entcgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
