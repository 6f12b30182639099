#include "InputBoxes.h"

#include "NumberReading.h"

namespace taldor {

const char* const kInvalidValueMessage = "El valor ingresado no es válido.";
const char* const kNonCohesiveMessage = "Solo se considera sedimento no cohesivo (d50 > 62 micr)";

namespace {

constexpr double kHuge = 1.7e308;
// The seven sets of bounds of the boxes.
constexpr Bounds kPositive{0, kHuge, 0, kHuge};              // 0 < v < 1.7e308
constexpr Bounds kTemperature{-273, kHuge, -kHuge, kHuge};   // -273 <= v < 1.7e308
constexpr Bounds kSediment{0.062, kHuge, 0, kHuge};          // 0.062 <= v < 1.7e308
constexpr Bounds kNonNegative{0, kHuge, -kHuge, kHuge};      // 0 <= v < 1.7e308
constexpr Bounds kUnitInterval{0, 1, 0, kHuge};              // 0 < v <= 1
constexpr Bounds kAngle{0, 90, -kHuge, kHuge};               // 0 <= v <= 90
constexpr Bounds kFactor{0, 5, 0, kHuge};                    // 0 < v <= 5

constexpr EmptyRule R = EmptyRule::Refused;
constexpr EmptyRule A = EmptyRule::Accepted;
constexpr RefusalText Std = RefusalText::Standard;
constexpr Invalidation Key = Invalidation::KeyValue;
constexpr Invalidation Inp = Invalidation::InputChange;

const std::array<BoxInfo, kBoxCount> kCatalogue = {{
    {Box::AguaDens, "AguaDens", Page::Nivel0, "WATER", "Density", "[kg/m^3]", "1000", kPositive, R, Std, Inp, nullptr},
    {Box::AguaTemp, "AguaTemp", Page::Nivel0, "WATER", "Ambient Temperature", "[°C]", "20", kTemperature, R, Std, Inp, nullptr},
    {Box::SediDensMate, "SediDensMate", Page::Nivel0, "SEDIMENT", "Density", "[kg/m^3]", "2650", kPositive, R, Std, Inp, nullptr},
    {Box::SediDiamMedi, "SediDiamMedi", Page::Nivel0, "SEDIMENT", "Mean Diameter (d50)", "[mm]", "85", kSediment, R, RefusalText::SedimentDiameter, Inp, nullptr},
    {Box::ForzAcelGrav, "ForzAcelGrav", Page::Nivel0, "FORCINGS", "Acceleration of Gravity", "[m/s^2]", "9.81", kPositive, R, Std, Inp, nullptr},
    {Box::FlujCaud, "FlujCaud", Page::Nivel0, "FLOW", "Discharge", "[m^3/s]", "3000", kPositive, R, Std, Inp, nullptr},
    {Box::CaucAnchCauc, "CaucAnchCauc", Page::Nivel0, "RIVER BED", "Width", "[m]", "500", kPositive, R, Std, Inp, nullptr},
    {Box::CaucCoefMannCauc, "CaucCoefMannCauc", Page::Nivel0, "RIVER BED", "Manning Coefficient", "[m^(1/3)/s]", "0.032", kPositive, R, Std, Inp, nullptr},
    {Box::AltuRugoCauc, "AltuRugoCauc", Page::Nivel0, "RIVER BED", "Roughness Height", "[mm]", "235", kPositive, R, Std, Inp, nullptr},
    {Box::FlujTiraRest, "FlujTiraRest", Page::Nivel1, "FLOW", "Downstream water depth", "[m]", "1.2", kPositive, R, Std, Key, nullptr},
    {Box::EstrAltuSaltFond, "EstrAltuSaltFond", Page::Nivel2, "STRUCTURE", "Bottom jump", "[m]", "0.75", kPositive, R, Std, Key, nullptr},
    {Box::EstrLongPlat, "EstrLongPlat", Page::Nivel2, "STRUCTURE", "Length of bed protection", "[m]", "8.75", kNonNegative, R, Std, Key, nullptr},
    {Box::EstrAltuAper, "EstrAltuAper", Page::Nivel2, "STRUCTURE", "Opening height", "[m]", "0.45", kUnitInterval, R, Std, Key, nullptr},
    {Box::EstrLongEstr, "EstrLongEstr", Page::Nivel2, "STRUCTURE", "Longitudinal extension", "[m]", "8.75", kPositive, R, Std, Inp, nullptr},
    {Box::EstrAnchEstr, "EstrAnchEstr", Page::Nivel2, "STRUCTURE", "Transversal extension", "[m]", "250", kPositive, R, Std, Inp, nullptr},
    {Box::EstrAnchPila, "EstrAnchPila", Page::Nivel2, "STRUCTURE", "Pier width", "[m]", "5", kPositive, R, Std, Inp, nullptr},
    {Box::EstrLongPila, "EstrLongPila", Page::Nivel2, "STRUCTURE", "Pier length", "[m]", "5", kPositive, R, Std, Inp, nullptr},
    {Box::EstrDiamAper, "EstrDiamAper", Page::Nivel2, "STRUCTURE", "Opening diameter", "[m]", "1", kPositive, R, Std, Inp, nullptr},
    {Box::EstrCantAper, "EstrCantAper", Page::Nivel2, "STRUCTURE", "Number of openings", "[-]", "250", kPositive, R, Std, Inp, nullptr},
    {Box::CaucPoro, "CaucPoro", Page::Nivel3, "RIVER BED", "Porosity", "[m]", "0.4", kUnitInterval, A, Std, Inp, nullptr},
    {Box::EstrCoefMannPlat, "EstrCoefMannPlat", Page::Nivel3, "STRUCTURE", "Manning coef. of protection", "[m^(1/3)/s]", "0.032", kUnitInterval, R, Std, Inp, nullptr},
    // d90 gets a check of its own: a text that is not a positive number would otherwise count
    // as present for the formulae that need it and then be read as garbage.
    {Box::SediDiam90N3, "SediDiam90N3", Page::Nivel3, "SEDIMENT", "Diameter 90% (d90)", "[mm]", "250", kPositive, A, Std, Inp, nullptr},
    {Box::SediAnguRepo, "SediAnguRepo", Page::Nivel3, "SEDIMENT", "Angle of repose", "[º]", "", kAngle, A, Std, Inp, "bbtnSediAnguRepo"},
    {Box::FlujDifeCargRest, "FlujDifeCargRest", Page::Nivel3, "FLOW", "Diff. head in/ level out", "[m]", "2.77", kPositive, R, Std, Inp, nullptr},
    {Box::FlujAnguChorSupeLibr, "FlujAnguChorSupeLibr", Page::Nivel3, "FLOW", "Angle jet/free surface", "[º]", "45", kAngle, R, Std, Inp, nullptr},
    {Box::SediDiam84N3, "SediDiam84N3", Page::Nivel3, "SEDIMENT", "Diameter 84% (d84)", "[mm]", "200", kPositive, R, Std, Inp, nullptr},
    {Box::EstrFactFormKs, "EstrFactFormKs", Page::Nivel3, "STRUCTURE", "Shape factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactFormKs"},
    {Box::EstrFactGrup, "EstrFactGrup", Page::Nivel3, "STRUCTURE", "Group factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactGrup"},
    {Box::EstrAnguAtaq, "EstrAnguAtaq", Page::Nivel3, "STRUCTURE", "Angle of attack", "[º]", "0", kAngle, R, Std, Inp, nullptr},
    {Box::EstrFactCurv, "EstrFactCurv", Page::Nivel3, "STRUCTURE", "Curvature factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactCurv"},
    {Box::EstrFactAngu, "EstrFactAngu", Page::Nivel3, "STRUCTURE", "Angle factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactAngu"},
    {Box::EstrFactPoro, "EstrFactPoro", Page::Nivel3, "STRUCTURE", "Porosity factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactPoro"},
    {Box::EstrFactFormKb, "EstrFactFormKb", Page::Nivel3, "STRUCTURE", "Shape factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactFormKb"},
    {Box::EstrFactFormKl, "EstrFactFormKl", Page::Nivel3, "STRUCTURE", "Shape factor", "[-]", "", kFactor, A, Std, Inp, "bbtnEstrFactFormKl"},
}};

}  // namespace

const std::array<BoxInfo, kBoxCount>& BoxCatalogue() { return kCatalogue; }

const BoxInfo& Info(Box box) { return kCatalogue[static_cast<std::size_t>(box)]; }

std::string EditName(Box box) { return std::string("edt") + Info(box).stem; }
std::string LabelName(Box box) { return std::string("lbl") + Info(box).stem; }
std::string UnitLabelName(Box box) { return std::string("lbl") + Info(box).stem + "Unid"; }

std::optional<Box> BoxFromEditName(std::string_view name) {
    for (const BoxInfo& info : kCatalogue) {
        if (name.size() == 3 + std::string_view(info.stem).size() && name.substr(0, 3) == "edt" &&
            name.substr(3) == info.stem) {
            return info.box;
        }
    }
    return std::nullopt;
}

bool ValidarRango(std::string_view text, const Bounds& bounds) {
    const ParsedText p = ParseBoxText(text);
    if (p.kind != TextKind::Number) return false;
    const double v = p.value;
    return v >= bounds.min && v != bounds.excl1 && v <= bounds.max && v != bounds.excl2;
}

ExitVerdict CheckBoxText(Box box, std::string_view text) {
    const BoxInfo& info = Info(box);
    if (ValidarRango(text, info.bounds)) return {};
    if (info.empty == EmptyRule::Accepted && text.empty()) return {};
    return {false, info.refusal == RefusalText::SedimentDiameter ? kNonCohesiveMessage
                                                                  : kInvalidValueMessage};
}

EntryValue EntryValue::Of(std::string_view text) {
    const ParsedText p = ParseBoxText(text);
    switch (p.kind) {
        case TextKind::Empty:
            return {Kind::Empty, 0.0};
        case TextKind::Number:
            return {Kind::Number, p.value};
        case TextKind::NotANumber:
            break;
    }
    return {Kind::NotANumber, 0.0};
}

bool ValueChanged(const EntryValue& onEntry, std::string_view nowText) {
    const EntryValue now = EntryValue::Of(nowText);
    if (now.kind != onEntry.kind) return true;
    return now.kind == EntryValue::Kind::Number && now.value != onEntry.value;
}

}  // namespace taldor
