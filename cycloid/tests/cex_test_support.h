// Shared by the cycloid tests: the fixtures folder, file helpers, and the
// filled record that tests/fixtures/make_cex_fixtures.py writes.
#pragma once
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cycloid/calc/cex_ranges.h"
#include "cycloid/calc/cex_record.h"
#include "fw/text.h"

namespace cextest {

inline std::filesystem::path fixture(const char* name) {
    return std::filesystem::path(KAVRIN_SOURCE_DIR) / "cycloid/tests/fixtures" / name;
}

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A fresh empty folder under the build's test folder, one per test process
// (ctest runs the tests of one program side by side).
inline std::filesystem::path freshDir(const std::string& name) {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    std::filesystem::path d =
        std::filesystem::path(base ? base : "/tmp") / ("cycloid_" + name + "." + std::to_string(::getpid()));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d;
}

template <std::size_t N>
void setText(std::array<char, N>& f, const char* utf8) {
    fw::copyToField(std::span<char>(f.data(), f.size()), utf8);
}

// The record of make_cex_fixtures.py.
inline cycloid::CexDesignRecord filledRecord() {
    cycloid::CexDesignRecord r;
    auto& b1 = r.b1;
    b1.a = 50.0 / 12;
    b1.bc = 15;
    b1.i = 11;
    b1.K1 = 0.5;
    b1.K2 = 2.5882;
    b1.n0 = 1500;
    b1.eta = 0.9;
    b1.P = 10;
    b1.Rp = 100;
    b1.Rrp = 10;
    b1.Tc = 630.234;
    b1.Zc = 11;
    b1.Zp = 12;
    setText(b1.title, "摆线针轮减速器");
    setText(b1.number, "CX-2026-01");
    setText(b1.date, "2026年12月10日");
    b1.status = 401;
    auto& b2 = r.b2;
    b2.dac = 188.1273;
    b2.dt = 5;
    b2.Dw = 125.7303;
    b2.dfc = 171.4607;
    b2.dDi = 80;
    b2.dp = 200;
    b2.drp = 20;
    b2.drw = 25.3695;
    b2.dsp = 16;
    b2.dsw = 17.7586;
    b2.EI_dw = 0;
    b2.ES_dw = 0.04;
    b2.dj = 0.103;
    b2.dw = 40;
    b2.l = 52.5;
    b2.X1 = 2;
    b2.X2 = 10;
    b2.status = 402;
    b2.Kw = 1.35;
    b2.sigmaFlim = 180;
    b2.Sf = 4.399;
    b2.epsMax = 0.13193;
    b2.Qmax = 2539.34;
    b2.pinsLeftOut = 1;
    b2.Nz = 4;
    auto& b3 = r.b3;
    b3.delta = 0.113414;
    b3.dc = 0.19794;
    b3.dfEs = -0.125;
    b3.dj = 0.145;
    b3.dwl = 0.04;
    b3.dpt = 0.05;
    b3.DW = 125.7303;
    b3.status = 403;
    b3.dR = 0.063;
    b3.grade = 3;
    auto& b4 = r.b4;
    b4.delta = 0.113414;
    b4.dc = 0.19794;
    b4.ds = 0.13717;
    b4.dj = 0.145;
    b4.drp = 0.375;
    b4.drrp = 0.52;
    b4.K1m = 0.49817;
    b4.status = 404;
    auto& b5 = r.b5;
    b5.dac = 188.1273 - 0.145;
    b5.dfc = 171.4607 - 0.145;
    b5.Ka = -2.16521;
    b5.Ln = 257.9353;
    b5.n = 5;
    b5.phiA = 53;
    b5.RL = 108.122;
    b5.rodRadius = 10.9731;
    b5.Xa = 9.2018;
    b5.Ya = 88.1981;
    b5.status = 405;
    auto& b6 = r.b6;
    b6.deltaMax = 0.024566;
    b6.Fmax = 5201.7;
    b6.Zn = 3;
    b6.SH = 1.0102;
    b6.SF = 1.9147;
    b6.status = 406;
    b6.theta = 0.05565;
    b6.sigmaF = 94.008;
    b6.sigmaH = 1187.9;
    b6.sigmaFp = 180;
    b6.sigmaHp = 1200;
    b6.mu = 0.3;
    b6.E = 206000;
    return r;
}

inline bool endsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

inline void putI32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) { std::memcpy(&b[off], &v, 4); }
inline void putF64(std::vector<std::uint8_t>& b, std::size_t off, double v) { std::memcpy(&b[off], &v, 8); }

}  // namespace cextest
