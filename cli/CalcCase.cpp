#include "CalcCase.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Classification.h"
#include "InputBoxes.h"
#include "RecordingView.h"

namespace taldor::cli {

namespace {

struct CaseInput {
    int phenomenon = 0;
    int obstacle = 0;
    int jet = 0;
    bool byHeight = false;
    std::vector<std::pair<Box, std::string>> boxes;  // in the order given
};

Json ShapeError(const std::string& message) {
    Json out;
    out["error"] = {{"message", message}};
    return out;
}

// A double as JSON: finite values as numbers (written so that they read back to the same
// double), the others as "inf", "-inf", "nan".
Json Number(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    return v;
}

std::optional<int> SmallInteger(const Json& value, int min, int max) {
    if (!value.is_number_integer()) return std::nullopt;
    const auto v = value.get<long long>();
    if (v < min || v > max) return std::nullopt;
    return static_cast<int>(v);
}

// Reads the input object; returns an error text when its shape is wrong.
std::optional<std::string> ReadCase(const Json& in, CaseInput& c) {
    if (!in.is_object()) return "a line must hold a JSON object";
    for (auto it = in.begin(); it != in.end(); ++it) {
        const std::string& key = it.key();
        if (key != "phenomenon" && key != "obstacle" && key != "jet" && key != "roughness" &&
            key != "boxes") {
            return "unknown key \"" + key +
                   "\" (expected phenomenon, obstacle, jet, roughness, boxes)";
        }
    }
    if (!in.contains("phenomenon")) return "missing \"phenomenon\" (0, 1 or 2)";
    const auto phenomenon = SmallInteger(in["phenomenon"], 0, 2);
    if (!phenomenon) return "\"phenomenon\" must be the integer 0, 1 or 2";
    c.phenomenon = *phenomenon;
    if (!in.contains("obstacle")) return "missing \"obstacle\" (0 or 1)";
    const auto obstacle = SmallInteger(in["obstacle"], 0, 1);
    if (!obstacle) return "\"obstacle\" must be the integer 0 or 1";
    c.obstacle = *obstacle;
    if (in.contains("jet")) {
        const auto jet = SmallInteger(in["jet"], 0, 1);
        if (!jet) return "\"jet\" must be the integer 0 or 1";
        c.jet = *jet;
    }
    if (in.contains("roughness")) {
        const Json& r = in["roughness"];
        if (!r.is_string() || (r != "manning" && r != "height")) {
            return "\"roughness\" must be \"manning\" or \"height\"";
        }
        c.byHeight = r == "height";
    }
    if (in.contains("boxes")) {
        const Json& boxes = in["boxes"];
        if (!boxes.is_object()) return "\"boxes\" must be an object from box name to text";
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            const auto box = BoxFromEditName(it.key());
            if (!box) return "unknown box \"" + it.key() + "\"";
            if (!it.value().is_string()) {
                return "the text of box \"" + it.key() + "\" must be a string";
            }
            c.boxes.emplace_back(*box, it.value().get<std::string>());
        }
    }
    return std::nullopt;
}

Json StateJson(const ProblemState& s) {
    Json st;
    st["ProbCodi"] = s.ProbCodi;
    st["ClasFeno"] = s.ClasFeno;
    st["ClasObst"] = s.ClasObst;
    st["ClasChor"] = s.ClasChor;
    st["ClasPlatSufi"] = s.ClasPlatSufi ? 1 : 0;
    for (const RealField& f : RealFields()) st[f.name] = Number(s.*(f.member));
    return st;
}

Json Answer(const CaseInput& c, bool withSeries) {
    RecordedWindow window;
    ProblemWizard& w = window.wizard;
    Json error = nullptr;

    bool refused = false;
    for (const auto& [box, text] : c.boxes) {
        const ExitVerdict verdict = CheckBoxText(box, text);
        if (!verdict.accepted) {
            window.view.showMessage(verdict.message);
            error = {{"box", EditName(box)}, {"message", verdict.message}};
            refused = true;
            break;
        }
        window.view.setBoxText(box, text);
    }

    if (!refused) {
        if (c.byHeight) w.chooseRoughness(true);
        w.btnN0Click();
        w.btnContAfue01Click(c.phenomenon);
        w.btnN1Click();
        w.btnContAfue12Click(c.obstacle);
        auto failed = [&w, &error] {
            const auto& e = w.lastError();
            if (e.kind == ProblemWizard::CommandError::Kind::None) return false;
            if (e.kind == ProblemWizard::CommandError::Kind::Refused && e.box) {
                error = {{"box", EditName(*e.box)}, {"message", e.message}};
            } else {
                error = {{"message", e.message}};
            }
            return true;
        };
        if (!failed()) {
            w.btnN2Click();
            if (!failed()) {
                if (w.questionVisible(Question::Rg000)) w.btnContAfue23Click(c.jet);
                if (w.activePage() == Page::Nivel3) {
                    w.btnN3Click();
                    failed();
                }
            }
        }
    }

    const ProblemState& s = w.state();
    Json out;
    out["code"] = s.ClasObst == 0 ? 0
                                  : ComposeProblemCode(kLevelResults, s.ClasPlatSufi, s.ClasFeno,
                                                       s.ClasObst, s.ClasChor);
    out["messages"] = window.view.messages();
    out["error"] = error;
    out["state"] = StateJson(s);
    Json slots = Json::array();
    for (const FormulaSlot& slot : w.panel().slot) {
        slots.push_back({{"caption", slot.caption}, {"active", slot.bold}});
    }
    out["slots"] = slots;
    Json series = Json::array();
    for (int k = 0; k < kSlotCount; ++k) {
        const SeriesState& sr = w.series(k);
        Json one = {{"title", sr.title}, {"count", sr.points.size()}};
        if (withSeries) {
            Json points = Json::array();
            for (const SeriesPoint& p : sr.points) points.push_back({Number(p.t), Number(p.z)});
            one["points"] = std::move(points);
        }
        series.push_back(std::move(one));
    }
    out["series"] = series;
    out["graphic"] = w.tabVisible(Page::Grafico);
    Json rows = Json::array();
    std::string title;
    if (w.results()) {
        title = w.problemTitle();
        for (const ResultRow& r : w.results()->rows) {
            rows.push_back({{"caption", r.caption}, {"value", r.value}, {"unit", r.unit}});
        }
    }
    out["title"] = title;
    out["results"] = rows;
    return out;
}

}  // namespace

Json AnswerLine(const std::string& line, bool withSeries) {
    // A case is at most two objects deep (the line and its boxes). Deeper input is refused while
    // it is read, so that a line of a million brackets costs neither a million nested values in
    // memory nor deep recursion when they are destroyed.
    constexpr int kMaxDepth = 64;
    bool tooDeep = false;
    const Json::parser_callback_t limitDepth = [&tooDeep](int depth, Json::parse_event_t event,
                                                          Json&) {
        if (depth >= kMaxDepth && (event == Json::parse_event_t::object_start ||
                                   event == Json::parse_event_t::array_start)) {
            tooDeep = true;
            throw std::length_error("nesting");
        }
        return true;
    };
    Json in;
    try {
        in = Json::parse(line, limitDepth);
    } catch (const Json::exception& e) {
        // Syntax errors, and numbers beyond the double range (1e400).
        return ShapeError(std::string("not valid JSON: ") + e.what());
    } catch (const std::length_error&) {
        if (!tooDeep) throw;
        return ShapeError("not valid JSON here: objects and arrays nested more than " +
                          std::to_string(kMaxDepth) + " deep");
    }
    CaseInput c;
    try {
        if (const auto problem = ReadCase(in, c)) return ShapeError(*problem);
        return Answer(c, withSeries);
    } catch (const std::exception& e) {
        return ShapeError(std::string("could not answer the line: ") + e.what());
    }
}

}  // namespace taldor::cli
