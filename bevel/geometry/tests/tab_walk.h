// Tabbing through a running dialog as a user looking it over does.
#pragma once
#include <string>
#include <vector>

#include "fwtest/script.h"

namespace bevel::test {

// Tab from the focused control round every control `laps` times (a Tab a
// check answers with a box is dropped, so it is tried again).
inline void tabRound(fwtest::Running& d, int laps = 3) {
    const int start = d.focused();
    bool away = false;
    for (int tabs = 0; laps > 0 && tabs < 2000; ++tabs) {
        d.leave();
        if (d.focused() != start)
            away = true;
        else if (away) {
            --laps;
            away = false;
        }
    }
}

// The texts of the messages from `from` on.
inline std::vector<std::string> textsFrom(const fwtest::Session& s, std::size_t from) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < s.messages().size(); ++i) out.push_back(s.messages()[i].text);
    return out;
}

// Each text begins with its expected start, in order, and no more come.
inline bool startsAsExpected(const std::vector<std::string>& texts, const std::vector<std::string>& starts) {
    if (texts.size() != starts.size()) return false;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].rfind(starts[i], 0) != 0) return false;
    return true;
}

}  // namespace bevel::test
