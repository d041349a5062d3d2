// The recipe in cylindrical/README.md names real things: every path it
// writes in backticks lies in the tree (from the top, from cylindrical/ or
// as an include path; "*", "{h,cpp}" and a module without its extension
// allowed), and every name of code (a class, function, constant or target)
// stands in some source or build file. A newcomer following it never looks
// for a file or a function that is not there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = KAVRIN_SOURCE_DIR;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> backticked(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t at = text.find('`'); at != std::string::npos;) {
        const std::size_t end = text.find('`', at + 1);
        if (end == std::string::npos) break;
        out.push_back(text.substr(at + 1, end - at - 1));
        at = text.find('`', end + 1);
    }
    return out;
}

// "calc/cy_pre_record.{h,cpp}" -> both; "x.*" and "CyProof*Dlg.htm" stay patterns.
std::vector<std::string> alternatives(const std::string& token) {
    const std::size_t open = token.find('{'), close = token.find('}');
    if (open == std::string::npos || close == std::string::npos || close < open) return {token};
    std::vector<std::string> out;
    std::stringstream parts(token.substr(open + 1, close - open - 1));
    for (std::string part; std::getline(parts, part, ',');)
        out.push_back(token.substr(0, open) + part + token.substr(close + 1));
    return out;
}

// A file name against a pattern whose "*" stands for any text.
bool matches(std::string_view name, std::string_view pattern) {
    const std::size_t star = pattern.find('*');
    if (star == std::string_view::npos) return name == pattern;
    if (name.substr(0, star) != pattern.substr(0, star)) return false;
    for (std::size_t from = star; from <= name.size(); ++from)
        if (matches(name.substr(from), pattern.substr(star + 1))) return true;
    return false;
}

bool existsUnder(const fs::path& base, const std::string& path) {
    const fs::path p = base / path;
    std::error_code ec;
    if (fs::exists(p, ec)) return true;
    const std::string leaf = p.filename().string();
    if (leaf.find('*') != std::string::npos) {
        for (const auto& e : fs::directory_iterator(p.parent_path(), ec))
            if (matches(e.path().filename().string(), leaf)) return true;
        return false;
    }
    // A module named without its extension ("calc/preliminary").
    return !p.has_extension() && (fs::exists(fs::path(p) += ".h", ec) || fs::exists(fs::path(p) += ".cpp", ec));
}

bool inTree(const std::string& path) {
    for (const char* base : {"", "cylindrical", "framework/include", "framework/base/include", "framework/testing/include"})
        if (existsUnder(kRoot / base, path)) return true;
    return false;
}

// Every source and build file of the tree, one text.
const std::string& sources() {
    static const std::string all = [] {
        std::string text;
        for (auto it = fs::recursive_directory_iterator(kRoot); it != fs::recursive_directory_iterator(); ++it) {
            const std::string name = it->path().filename().string();
            if (it->is_directory() && (name == "build" || name.front() == '.')) {
                it.disable_recursion_pending();
                continue;
            }
            const std::string ext = it->path().extension().string();
            if (ext == ".h" || ext == ".cpp" || ext == ".cmake" || name == "CMakeLists.txt") text += readAll(it->path());
        }
        return text;
    }();
    return all;
}

bool wordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The word stands whole somewhere in the sources.
bool inSources(const std::string& word) {
    const std::string& all = sources();
    for (std::size_t at = all.find(word); at != std::string::npos; at = all.find(word, at + 1))
        if ((at == 0 || !wordChar(all[at - 1])) && (at + word.size() == all.size() || !wordChar(all[at + word.size()])))
            return true;
    return false;
}

}  // namespace

TEST(Recipe, EveryPathAndNameItGivesExists) {
    const std::string readme = readAll(kRoot / "cylindrical/README.md");
    ASSERT_FALSE(readme.empty());
    const std::regex pathLike(R"([A-Za-z0-9_./*{},-]+)");
    const std::regex codeLike(R"([A-Za-z_][A-Za-z0-9_]*(::[A-Za-z_][A-Za-z0-9_]*)*)");
    const std::regex identifier(R"([A-Za-z_][A-Za-z0-9_]*)");
    const std::regex idValue(R"((IDD|IDC_[A-Z0-9_]+) = (\d+))");
    const std::regex quotedText(R"("[^"]*")");
    std::set<std::string> missing;
    int paths = 0, names = 0;
    for (const std::string& token : backticked(readme)) {
        const bool isPath = std::regex_match(token, pathLike) && token.front() != '.' &&
                            (token.find('/') != std::string::npos || std::regex_search(token, std::regex(R"(\.(h|cpp|md|htm|txt|py|cmake|\*)$)")));
        if (isPath) {
            ++paths;
            for (const auto& p : alternatives(token))
                if (!inTree(p)) missing.insert(p);
        } else if (std::regex_match(token, codeLike)) {
            ++names;
            const std::string word = token.substr(token.rfind(':') == std::string::npos ? 0 : token.rfind(':') + 1);
            if (word.size() > 3 && !inSources(word)) missing.insert(token);
        } else if (token.find('<') == std::string::npos) {   // "<name>": a placeholder
            // A piece of code: its names that are code's own (not plain
            // words), and every "IDC_X = 1010" it gives, outside its strings.
            const std::string code = std::regex_replace(token, quotedText, "\"\"");
            for (std::sregex_iterator it(code.begin(), code.end(), identifier), end; it != end; ++it) {
                const std::string word = it->str();
                const bool own = std::any_of(word.begin() + 1, word.end(), [](char c) { return std::isupper(static_cast<unsigned char>(c)) || c == '_'; });
                if (word.size() > 3 && own && !inSources(word)) missing.insert(word + " (in `" + token + "`)");
            }
            for (std::sregex_iterator it(code.begin(), code.end(), idValue), end; it != end; ++it) {
                ++names;
                if (sources().find(it->str()) == std::string::npos) missing.insert(it->str() + " (in `" + token + "`)");
            }
        }
    }
    EXPECT_GT(paths, 40) << "the recipe's paths were not read";
    EXPECT_GT(names, 20) << "the recipe's names were not read";
    for (const auto& m : missing) ADD_FAILURE() << "cylindrical/README.md names " << m << ", which is not in the tree";
}
