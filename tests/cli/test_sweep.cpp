// A sweep of generated cases over every problem code through taldor-calc, with inputs from
// realistic to extreme: every answer completes or carries one of the program's own messages,
// and nothing it shows is "nan", "inf" or in exponent notation.
//
// The number of cases is 100,000, or TALDOR_SWEEP_CASES when set.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "CalcCase.h"
#include "InputBoxes.h"

namespace taldor::cli {
namespace {

// Values a user could type into each box, from realistic to the edges of what it accepts.
struct Typical {
    double low;
    double high;
};

Typical TypicalRange(Box box) {
    switch (box) {
        case Box::AguaDens: return {990, 1030};
        case Box::AguaTemp: return {0, 35};
        case Box::SediDensMate: return {2000, 2900};
        case Box::SediDiamMedi: return {0.062, 300};
        case Box::ForzAcelGrav: return {9.7, 9.9};
        case Box::FlujCaud: return {1, 20000};
        case Box::CaucAnchCauc: return {5, 2000};
        case Box::CaucCoefMannCauc: return {0.01, 0.08};
        case Box::AltuRugoCauc: return {1, 2000};
        case Box::FlujTiraRest: return {0.2, 20};
        case Box::EstrAltuSaltFond: return {0.1, 5};
        case Box::EstrLongPlat: return {0, 40};
        case Box::EstrAltuAper: return {0.05, 1};
        case Box::EstrLongEstr: return {1, 100};
        case Box::EstrAnchEstr: return {1, 2500};
        case Box::EstrAnchPila: return {0.3, 20};
        case Box::EstrLongPila: return {0.3, 60};
        case Box::EstrDiamAper: return {0.2, 5};
        case Box::EstrCantAper: return {1, 500};
        case Box::CaucPoro: return {0.2, 0.6};
        case Box::EstrCoefMannPlat: return {0.01, 0.06};
        case Box::SediDiam90N3: return {0.1, 600};
        case Box::SediDiam84N3: return {0.1, 500};
        case Box::SediAnguRepo: return {10, 45};
        case Box::FlujDifeCargRest: return {0.05, 30};
        case Box::FlujAnguChorSupeLibr: return {5, 85};
        case Box::EstrAnguAtaq: return {0, 45};
        default: return {0.5, 2.5};  // correction factors
    }
}

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    std::string next() {
        // Roads to every code, the inactive branch included.
        static const int roads[][3] = {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0},
                                       {1, 1, 0}, {2, 0, 0}, {2, 1, 0}};
        const auto& road = roads[pick(0, 6)];
        std::ostringstream line;
        line << "{\"phenomenon\":" << road[0] << ",\"obstacle\":" << road[1]
             << ",\"jet\":" << road[2];
        if (chance(0.2)) line << ",\"roughness\":\"height\"";
        line << ",\"boxes\":{";
        // Most cases hold only accepted texts, so that they reach the calculation; the others
        // may hold a text that its box refuses.
        const bool mayRefuse = chance(0.15);
        bool first = true;
        for (const BoxInfo& info : BoxCatalogue()) {
            if (chance(0.45)) continue;  // keeps its default text
            std::string text = textFor(info);
            for (int tries = 0; !mayRefuse && !CheckBoxText(info.box, text).accepted; ++tries) {
                if (tries == 20) text = info.defaultText;
                else text = textFor(info);
            }
            if (!first) line << ',';
            first = false;
            line << '"' << EditName(info.box) << "\":\"" << text << '"';
        }
        line << "}}";
        return line.str();
    }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    static std::string Num(double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*g", 1 + static_cast<int>(std::abs(v) < 1 ? 6 : 8), v);
        return buf;
    }

    std::string textFor(const BoxInfo& info) {
        const Typical t = TypicalRange(info.box);
        const double r = std::uniform_real_distribution<double>(0, 1)(m_rng);
        if (r < 0.55) return Num(std::uniform_real_distribution<double>(t.low, t.high)(m_rng));
        if (r < 0.75) {
            // At and beside the bounds of the box.
            const Bounds& b = info.bounds;
            const double candidates[] = {b.min, std::nextafter(b.min, 2 * b.max), b.max,
                                         std::nextafter(b.max, b.min), 1.6e308, 1e-300};
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.17g", candidates[pick(0, 5)]);
            return buf;
        }
        if (r < 0.88) {
            static const char* const extreme[] = {"1e-300", "1.6e308", "1e308", "1e-9", "1e9",
                                                  "1e150", "0", "90", "1", "5"};
            return extreme[pick(0, 9)];
        }
        if (r < 0.94) return "";
        static const char* const bad[] = {"abc", "1,5", " 1", "1 ", "-", ".", "1e400", "--1"};
        return bad[pick(0, 7)];
    }

    std::mt19937_64 m_rng;
};

bool IsOwnMessage(const std::string& m) {
    static const std::set<std::string> messages = {
        "El valor ingresado no es válido.",
        "Solo se considera sedimento no cohesivo (d50 > 62 micr)",
        "Inactive branch",
        "The lenght of the protection is insufficient to be effective",
        "Invalid floating point operation",
        "Floating point division by zero",
        "Floating point overflow",
    };
    return messages.count(m) > 0;
}

bool IsFault(const std::string& m) {
    return m == "Invalid floating point operation" || m == "Floating point division by zero" ||
           m == "Floating point overflow";
}

TEST(Sweep, EveryGeneratedCaseIsAnsweredWithTheProgramsOwnWords) {
    long cases = 100000;
    if (const char* env = std::getenv("TALDOR_SWEEP_CASES")) cases = std::atol(env);
    const std::string dir = ::testing::TempDir();
    const std::string inPath = dir + "taldor_sweep_" + std::to_string(getpid()) + ".jsonl";
    const std::string outPath = inPath + ".out";
    {
        std::ofstream in(inPath);
        Generator gen(20261210);
        for (long i = 0; i < cases; ++i) in << gen.next() << '\n';
    }
    const std::string command = std::string(TALDOR_CALC_PATH) + " " + inPath + " > " + outPath;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "taldor-calc status " << status;

    const std::regex fixedNumber(R"(^-?[0-9]+\.[0-9]+$)");
    const std::set<std::string> words = {"inactive", "null", "Live bed", "Clear water"};
    std::map<std::string, long> faults, refusals;
    std::map<int, long> codes;
    long answered = 0, completed = 0, inactiveBranch = 0;
    std::ifstream out(outPath);
    std::string line;
    while (std::getline(out, line)) {
        ++answered;
        const Json a = Json::parse(line);
        ASSERT_TRUE(a.contains("code")) << "not a case answer: " << line.substr(0, 300);
        for (const Json& m : a["messages"]) {
            ASSERT_TRUE(IsOwnMessage(m.get<std::string>())) << m;
        }
        const Json& error = a["error"];
        bool fault = false;
        if (error.is_null()) {
            ++completed;
            ++codes[a["code"].get<int>()];
        } else {
            const std::string m = error["message"].get<std::string>();
            ASSERT_TRUE(IsOwnMessage(m)) << m;
            if (error.contains("box")) {
                ++refusals[m];
            } else if (m == "Inactive branch") {
                ++inactiveBranch;
            } else {
                ASSERT_TRUE(IsFault(m)) << m;
                fault = true;
                ++faults[m];
            }
        }
        for (const auto& [name, v] : a["state"].items()) {
            ASSERT_TRUE(v.is_number()) << name << " = " << v << " in " << line.substr(0, 400)
                                       << (fault ? " (after a fault)" : "");
        }
        for (const Json& row : a["results"]) {
            const std::string v = row["value"].get<std::string>();
            ASSERT_TRUE(words.count(v) || std::regex_match(v, fixedNumber))
                << row["caption"] << " shows \"" << v << '"';
        }
        if (!error.is_null()) {
            ASSERT_TRUE(a["results"].empty());
        }
    }
    EXPECT_EQ(answered, cases);

    std::cout << "cases " << cases << ", completed " << completed << ", inactive branch "
              << inactiveBranch << "\n";
    for (const auto& [code, n] : codes) std::cout << "  completed code " << code << ": " << n << "\n";
    for (const auto& [m, n] : faults) std::cout << "  fault \"" << m << "\": " << n << "\n";
    for (const auto& [m, n] : refusals) std::cout << "  refusal \"" << m << "\": " << n << "\n";
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
}

}  // namespace
}  // namespace taldor::cli
