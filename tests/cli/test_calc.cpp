// taldor-calc: the case runner in process, and the program's contract on its streams.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "CalcCase.h"

namespace taldor::cli {
namespace {

Json Answer(const std::string& line, bool series = false) {
    return AnswerLine(line, series);
}

std::string ErrorMessage(const Json& out) {
    return out.contains("error") && out["error"].is_object()
               ? out["error"]["message"].get<std::string>()
               : std::string();
}

TEST(CalcCase, MalformedLinesAreAnsweredWithAnError) {
    const std::pair<const char*, const char*> cases[] = {
        {"not json", "not valid JSON"},
        {"[1, 2]", "a line must hold a JSON object"},
        {"42", "a line must hold a JSON object"},
        {"{}", "missing \"phenomenon\""},
        {R"({"phenomenon": 0})", "missing \"obstacle\""},
        {R"({"phenomenon": 3, "obstacle": 0})", "\"phenomenon\" must be the integer 0, 1 or 2"},
        {R"({"phenomenon": "0", "obstacle": 0})", "\"phenomenon\" must be"},
        {R"({"phenomenon": 0.5, "obstacle": 0})", "\"phenomenon\" must be"},
        {R"({"phenomenon": 0, "obstacle": 2})", "\"obstacle\" must be the integer 0 or 1"},
        {R"({"phenomenon": 0, "obstacle": 0, "jet": -1})", "\"jet\" must be"},
        {R"({"phenomenon": 0, "obstacle": 0, "roughness": "chezy"})", "\"roughness\" must be"},
        {R"({"phenomenon": 0, "obstacle": 0, "boxes": []})", "\"boxes\" must be an object"},
        {R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtNothing": "1"}})",
         "unknown box \"edtNothing\""},
        {R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtAguaDens": 1000}})", "must be a string"},
        {R"({"phenomenon": 0, "obstacle": 0, "colour": "red"})", "unknown key \"colour\""},
        {R"({"phenomenon": 1e400, "obstacle": 0})", "not valid JSON"},
    };
    for (const auto& [line, message] : cases) {
        const Json out = Answer(line);
        ASSERT_TRUE(out.contains("error")) << line;
        EXPECT_NE(ErrorMessage(out).find(message), std::string::npos)
            << line << " -> " << ErrorMessage(out);
        EXPECT_EQ(out.size(), 1u) << line;
    }
}

TEST(CalcCase, RefusedBoxEndsTheCase) {
    const Json out = Answer(
        R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtFlujCaud": "3000", "edtSediDiamMedi": "0.05", "edtAguaDens": "x"}})");
    EXPECT_EQ(out["code"], 0);
    EXPECT_EQ(out["error"]["box"], "edtSediDiamMedi");
    EXPECT_EQ(out["error"]["message"], "Solo se considera sedimento no cohesivo (d50 > 62 micr)");
    EXPECT_EQ(out["messages"],
              Json::array({"Solo se considera sedimento no cohesivo (d50 > 62 micr)"}));
    EXPECT_EQ(out["state"]["FlujCaud"], 0.0);  // nothing calculated
    EXPECT_EQ(out["title"], "");
    EXPECT_EQ(out["results"], Json::array());
    EXPECT_EQ(out["graphic"], false);
}

TEST(CalcCase, InactiveBranch) {
    const Json out = Answer(R"({"phenomenon": 2, "obstacle": 1})");
    EXPECT_EQ(out["code"], 0);
    EXPECT_EQ(out["error"], Json({{"message", "Inactive branch"}}));
    EXPECT_EQ(out["messages"], Json::array({"Inactive branch"}));
    EXPECT_EQ(out["state"]["ClasFeno"], 2);
}

TEST(CalcCase, PlungingJetWithItsSeries) {
    const Json out = Answer(
        R"({"phenomenon": 0, "obstacle": 0, "jet": 0, "boxes": {"edtEstrLongPlat": "4.5", "edtSediAnguRepo": "30"}})",
        true);
    EXPECT_EQ(out["code"], 1122);
    EXPECT_EQ(out["error"], nullptr);
    EXPECT_EQ(out["messages"],
              Json::array({"The lenght of the protection is insufficient to be effective"}));
    EXPECT_EQ(out["title"], "Problem of the Plunging Jet");
    EXPECT_EQ(out["graphic"], true);
    EXPECT_EQ(out["state"]["ClasPlatSufi"], 0);
    EXPECT_NEAR(out["state"]["OutpErosMaxi2"].get<double>(), 5.251693823632079, 1e-12);
    EXPECT_EQ(out["slots"][1], Json({{"caption", "Fahlbusch"}, {"active", true}}));
    EXPECT_EQ(out["series"][1]["title"], "Fahlbusch");
    EXPECT_EQ(out["series"][1]["count"], 5000);
    EXPECT_EQ(out["series"][1]["points"].size(), 5000u);
    EXPECT_EQ(out["series"][1]["points"][0], Json::array({0.0, 0.0}));
    EXPECT_EQ(out["series"][2]["count"], 0);
    const Json& rows = out["results"];
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[4],
              Json({{"caption", "Turbulence intensity"}, {"value", "1.500"}, {"unit", ""}}));
    EXPECT_EQ(rows[5]["value"], "3.15");
    EXPECT_EQ(rows[6], Json({{"caption", "Equilibrium max. scour depth (Fahlbusch)"},
                             {"value", "5.25"},
                             {"unit", "[m]"}}));
    // Without --series, only the counts.
    EXPECT_FALSE(
        Answer(
            R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtEstrLongPlat": "4.5"}})")["series"][1]
            .contains("points"));
}

TEST(CalcCase, RoughnessHeightAndStep) {
    const Json out = Answer(
        R"({"phenomenon": 0, "obstacle": 0, "jet": 1, "roughness": "height", "boxes": {"edtEstrLongPlat": "4.5", "edtSediAnguRepo": "30"}})");
    EXPECT_EQ(out["code"], 1121);
    EXPECT_NEAR(out["state"]["CaucCoefMannCauc"].get<double>(), 0.03198972618799169, 1e-15);
    EXPECT_EQ(out["state"]["AltuRugoCauc"], 0.235);
    EXPECT_EQ(out["title"], "Problem of the Step");
}

TEST(CalcCase, FaultIsAnAnswer) {
    const Json out = Answer(
        R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtEstrLongPlat": "4.5", "edtSediAnguRepo": "0", "edtFlujAnguChorSupeLibr": "0"}})");
    EXPECT_EQ(out["code"], 1122);
    EXPECT_EQ(out["error"], Json({{"message", "Invalid floating point operation"}}));
    EXPECT_EQ(out["messages"].back(), "Invalid floating point operation");
    EXPECT_EQ(out["graphic"], false);
    EXPECT_EQ(out["results"], Json::array());
    EXPECT_EQ(out["title"], "");
    EXPECT_NEAR(out["state"]["FlujVeloChor"].get<double>(), 7.372068909064809, 1e-12);
}

TEST(CalcCase, ProtectionOverflowIsAFault) {
    const Json out =
        Answer(R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtEstrAltuSaltFond": "1e308"}})");
    EXPECT_EQ(out["error"], Json({{"message", "Floating point overflow"}}));
    // The Results-level code of the answers given: the jet was never asked.
    EXPECT_EQ(out["code"], 112);
}

TEST(CalcCase, NumbersReadBackToTheSameDouble) {
    const Json out = Answer(
        R"({"phenomenon": 0, "obstacle": 0, "boxes": {"edtEstrLongPlat": "4.5", "edtSediAnguRepo": "30"}})");
    const std::string text = out.dump();
    const Json back = Json::parse(text);
    for (const auto& [name, value] : out["state"].items()) {
        EXPECT_EQ(back["state"][name], value) << name;
    }
    EXPECT_EQ(back["state"]["AguaViscCine"].get<double>(), 4e-5 / 40.0);
}

// ---- The program on its streams --------------------------------------------------------------

struct ProgramRun {
    int status;
    std::string out;
};

ProgramRun RunCalc(const std::string& args, const std::string& input) {
    // One input file per test and process: CTest runs the tests in parallel.
    const std::string inPath = ::testing::TempDir() + "taldor_calc_" +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                               "_" + std::to_string(getpid()) + ".jsonl";
    {
        std::ofstream f(inPath, std::ios::binary);
        f << input;
    }
    const std::string command =
        std::string(TALDOR_CALC_PATH) + " " + args + " < " + inPath + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    const int status = pclose(pipe);
    std::remove(inPath.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::vector<Json> Lines(const std::string& out) {
    std::vector<Json> v;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) v.push_back(Json::parse(line));
    return v;
}

TEST(CalcProgram, OneAnswerPerNonBlankLineInOrder) {
    const ProgramRun r = RunCalc("",
                                 "{\"phenomenon\":1,\"obstacle\":1}\n\n   "
                                 "\nnonsense\r\n{\"phenomenon\":2,\"obstacle\":0}\n");
    EXPECT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["code"], 22);
    EXPECT_TRUE(lines[1]["error"]["message"].get<std::string>().find("not valid JSON") == 0);
    EXPECT_EQ(lines[2]["code"], 31);
}

TEST(CalcProgram, ReadsAFileOrStandardInput) {
    const ProgramRun file = RunCalc(std::string(TALDOR_EXAMPLES_DIR) + "/cases.jsonl", "");
    EXPECT_EQ(file.status, 0);
    EXPECT_GE(Lines(file.out).size(), 5u);
    const ProgramRun dash =
        RunCalc("--series -",
                "{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtEstrLongPlat\":\"4.5\"}}\n");
    EXPECT_EQ(dash.status, 0);
    EXPECT_TRUE(Lines(dash.out).at(0)["series"][1].contains("points"));
}

TEST(CalcProgram, UsageErrorsAndUnreadableFiles) {
    EXPECT_EQ(RunCalc("--frobnicate", "").status, 2);
    EXPECT_EQ(RunCalc("/nonexistent/cases.jsonl", "").status, 2);
    EXPECT_EQ(RunCalc("a.jsonl b.jsonl", "").status, 2);
    EXPECT_EQ(RunCalc("--help", "").status, 0);
}

TEST(CalcProgram, AVeryLongLineIsAnsweredAndTheRunGoesOn) {
    const std::string huge = "{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":\"" +
                             std::string(200000, '9') + "\"}}\n{\"phenomenon\":1,\"obstacle\":1}\n";
    const ProgramRun r = RunCalc("", huge);
    EXPECT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["error"]["box"], "edtAguaDens");  // 10^200000 is beyond every bound
    EXPECT_EQ(lines[1]["code"], 22);
}

// Lines a careless script or a hostile file may hold. Each gets its own answer, with the error
// that says what is wrong, and the good case after them is still answered.
TEST(CalcProgram, HostileLinesAreAnsweredOneByOneAndTheRunGoesOn) {
    const std::string deepArray = std::string(1000000, '[') + std::string(1000000, ']');
    std::string deepObject;
    for (int i = 0; i < 100000; ++i) deepObject += "{\"boxes\":";
    deepObject += "1" + std::string(100000, '}');
    const std::string nul("{\"phenomenon\":0,\0\"obstacle\":0}", 29);
    const struct {
        std::string line;
        const char* error;  // part of the error's message; "" when a box refusal is expected
    } cases[] = {
        {deepArray, "nested more than 64 deep"},
        {deepObject, "nested more than 64 deep"},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edt\xff\xfe\":\"1\"}}", "ill-formed UTF-8"},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":\"\xc3\"}}",
         "ill-formed UTF-8"},
        {nul, "not valid JSON"},
        {std::string("\x01\x02\x7f\x80\xfe", 5), "not valid JSON"},
        {"{\"phenomenon\":1}{\"obstacle\":2}", "not valid JSON"},
        {"{\"phenomenon\":1,\"obstacle\":1} trailing", "not valid JSON"},
        {"{\"phenomenon\":18446744073709551616,\"obstacle\":0}", "\"phenomenon\" must be"},
        {"{\"phenomenon\":null,\"obstacle\":0}", "\"phenomenon\" must be"},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":null}}", "must be a string"},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtNoSuchBox\":\"1\"}}", "unknown box"},
        {"{\"phenomenon\":0,\"obstacle\":0,\"b\u00f6xes\":{}}", "unknown key"},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":\"1e99999999999999999999\"}}",
         ""},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":\"\u00e9\"}}", ""},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":\"1\\u0000\"}}", ""},
        {"{\"phenomenon\":0,\"obstacle\":0,\"boxes\":{\"edtAguaDens\":\"0x3e8\"}}", ""},
    };
    std::string input;
    for (const auto& c : cases) input += c.line + "\n";
    input += "{\"phenomenon\":1,\"obstacle\":1}\n";

    const ProgramRun r = RunCalc("", input);
    EXPECT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), std::size(cases) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Json& out = lines[i];
        ASSERT_TRUE(out["error"].is_object()) << i << ": " << out.dump().substr(0, 200);
        const std::string message = out["error"]["message"].get<std::string>();
        if (*cases[i].error) {
            EXPECT_NE(message.find(cases[i].error), std::string::npos) << i << ": " << message;
            EXPECT_EQ(out.size(), 1u) << i;
        } else {
            EXPECT_EQ(out["error"]["box"], "edtAguaDens") << i;
            EXPECT_EQ(message, "El valor ingresado no es válido.") << i;
        }
    }
    EXPECT_EQ(lines.back()["code"], 22);
    EXPECT_TRUE(lines.back()["error"].is_null());
}

}  // namespace
}  // namespace taldor::cli
