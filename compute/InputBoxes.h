#pragma once
// The catalogue of input boxes of the calculation window and their exit check.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace taldor {

// Wizard pages, in the order of the page control.
enum class Page : int { Nivel0 = 0, Nivel1, Nivel2, Nivel3, Problema, Grafico };
constexpr int kPageCount = 6;

// Every input box, named after the problem-state field it supplies.
enum class Box : int {
    // Global Data
    AguaDens,
    AguaTemp,
    SediDensMate,
    SediDiamMedi,
    ForzAcelGrav,
    FlujCaud,
    CaucAnchCauc,
    CaucCoefMannCauc,
    AltuRugoCauc,
    // Local Data
    FlujTiraRest,
    // Structure Data
    EstrAltuSaltFond,
    EstrLongPlat,
    EstrAltuAper,
    EstrLongEstr,
    EstrAnchEstr,
    EstrAnchPila,
    EstrLongPila,
    EstrDiamAper,
    EstrCantAper,
    // Complementary Data
    CaucPoro,
    EstrCoefMannPlat,
    SediDiam90N3,
    SediAnguRepo,
    FlujDifeCargRest,
    FlujAnguChorSupeLibr,
    SediDiam84N3,
    EstrFactFormKs,
    EstrFactGrup,
    EstrAnguAtaq,
    EstrFactCurv,
    EstrFactAngu,
    EstrFactPoro,
    EstrFactFormKb,
    EstrFactFormKl,
};
constexpr int kBoxCount = 34;

// Range test bounds: accepted when v >= min, v != excl1, v <= max and v != excl2.
struct Bounds {
    double min;
    double max;
    double excl1;
    double excl2;
};

enum class EmptyRule { Refused, Accepted };
enum class RefusalText { Standard, SedimentDiameter };
// Which page invalidation a box calls when left with an accepted value.
enum class Invalidation { KeyValue, InputChange };

struct BoxInfo {
    Box box;
    const char* stem;      // problem-state field name; the box is "edt" + stem
    Page page;             // page that holds the box
    const char* category;  // category heading of its row on the page
    const char* caption;   // parameter caption ("lbl" + stem), or the radio option's caption
    const char* unit;      // unit caption ("lbl" + stem + "Unid")
    const char* defaultText;
    Bounds bounds;
    EmptyRule empty;
    RefusalText refusal;
    Invalidation invalidation;
    const char* picker;  // picker button beside the box, or nullptr
};

// The texts of the refusals.
extern const char* const kInvalidValueMessage;   // "El valor ingresado no es válido."
extern const char* const kNonCohesiveMessage;    // the d50 refusal

const std::array<BoxInfo, kBoxCount>& BoxCatalogue();
const BoxInfo& Info(Box box);
std::string EditName(Box box);       // "edt" + stem
std::string LabelName(Box box);      // "lbl" + stem
std::string UnitLabelName(Box box);  // "lbl" + stem + "Unid"
std::optional<Box> BoxFromEditName(std::string_view name);

// ValidarRango: false when the text is not a number (the empty text included), else the bounds.
bool ValidarRango(std::string_view text, const Bounds& bounds);

// Outcome of a box's exit check: accepted, or refused with the message to show (the window then
// empties the box and keeps the focus in it).
struct ExitVerdict {
    bool accepted = true;
    std::string message;
};
ExitVerdict CheckBoxText(Box box, std::string_view text);

// What a box held when it received the focus, to tell whether leaving it changed its value.
// An empty box is remembered as empty, distinct from 0.
struct EntryValue {
    enum class Kind { Empty, Number, NotANumber } kind = Kind::Empty;
    double value = 0.0;
    static EntryValue Of(std::string_view text);
    double asNumber() const { return kind == Kind::Number ? value : 0.0; }
};
// True when the accepted text differs in value from the one held on entry: empty to a value and
// a value to empty count as changes, "0" and "0.0" do not.
bool ValueChanged(const EntryValue& onEntry, std::string_view nowText);

}  // namespace taldor
