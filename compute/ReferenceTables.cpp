#include "ReferenceTables.h"

namespace taldor {

namespace {

// A value cell whose shown and returned texts are the same.
PickerValue V(const char* text) {
    return {text, text};
}
// A value cell shown as a range and returned as its middle.
PickerValue V(const char* shown, const char* returned) {
    return {shown, returned};
}

std::vector<PickerTable> MakePickerTables() {
    std::vector<PickerTable> t;

    // Amplification of the scour at a spur dike by its position in a river bend, Kp.
    t.push_back({"TfrmAhmaCICC",
                 "Correction for curvature",
                 Box::EstrFactCurv,
                 "rgAhmaCICC",
                 "bbtnOk",
                 {{"Position of structure in bend", 2}, {"Kp"}},
                 {{{"Straight channel", ""}, {V("1.00")}},
                  {{"Concave side of bend", ""}, {V("1.10")}},
                  {{"Convex side of bend", ""}, {V("0.85")}},
                  {{"Downstream part of concave side", "Sharp bend"}, {V("1.40")}},
                  {{"", "Moderate bend"}, {V("1.10")}}}});

    // Reduction for a permeable spur dike, Knu, by its porosity and side slope.
    t.push_back({"TfrmAhmaCIPO",
                 "Correction for porosity",
                 Box::EstrFactPoro,
                 "rgAhmaCIPO",
                 "bbtnOk",
                 {{"Porosity"}, {"Knu"}},
                 {{{"20%"}, {V("1.0", "1")}},
                  {{"50% (IV:2H)"}, {V("0.9")}},
                  {{"50% (IV:3.5H)"}, {V("0.6")}}}});

    // Angle between the spur dike and the flow, Ka (90 degrees: perpendicular).
    t.push_back({"TfrmAhmaCIAA",
                 "Correction for attack",
                 Box::EstrFactAngu,
                 "rgAhmaCIAA",
                 "bbtnOk",
                 {{"Angle of attack (°)"}, {"Ka"}},
                 {{{"30"}, {V("0.80", "0.8")}},
                  {{"45"}, {V("0.90", "0.9")}},
                  {{"60"}, {V("0.95")}},
                  {{"90"}, {V("1.00", "1")}},
                  {{"120"}, {V("1.05")}},
                  {{"150"}, {V("1.10", "1.1")}}}});

    // Angle of repose of the bed material by grading and compaction, in degrees.
    t.push_back({"TfrmAnguRepo",
                 "Angle of repose",
                 Box::SediAnguRepo,
                 "rgAnguRepo",
                 "bbtnOk",
                 {{"Material"}, {"Compactation"}, {"Angle (°)"}},
                 {{{"Coarse sand or sand and gravel", "Compact"}, {V("45")}},
                  {{"", "Firm"}, {V("38")}},
                  {{"", "Loose"}, {V("32")}},
                  {{"Medium sand", "Compact"}, {V("40")}},
                  {{"", "Firm"}, {V("34")}},
                  {{"", "Loose"}, {V("30")}},
                  {{"Fine sand, silty sand, sandy silt", "Compact"}, {V("30/34", "32")}},
                  {{"", "Firm"}, {V("28/30", "29")}},
                  {{"", "Loose"}, {V("26/28", "27")}},
                  {{"Clay (saturated)", "Medium"}, {V("10/20", "15")}},
                  {{"", "Soft"}, {V("0/20", "10")}}}});

    // Group factor Kgr of two vertical piles by their arrangement and spacing (b: pile width),
    // for the front and the rear pile.
    PickerTable group{"TfrmHiGrup",
                      "Correction for group of two vertical piles",
                      Box::EstrFactGrup,
                      nullptr,
                      "bbtnOk",
                      {{"Distribution"}, {"Pier spacing"}, {"Front pier Kgr"}, {"Rear pier Kgr"}},
                      {{{"side by side", "1b"}, {V("1.00"), V("0.90")}},
                       {{"", "2 a 3b"}, {V("1.15"), V("0.90")}},
                       {{"", "> 15b"}, {V("1.00"), V("0.80")}},
                       {{"diagonal", "1b"}, {V("1.90"), V("1.90")}},
                       {{"", "5b"}, {V("1.15"), V("1.20")}},
                       {{"", "> 8b"}, {V("1.00"), V("1.00")}},
                       {{"one above the other", "1b"}, {V("1.90"), V("1.90")}},
                       {{"", "2 a 3b"}, {V("1.20"), V("1.20")}},
                       {{"", "> 8b"}, {V("1.00"), V("1.00")}}}};
    group.buttonsAreValues = true;
    t.push_back(group);

    // Shape factor Ks of a pier's cross-section.
    t.push_back({"TfrmCIFOks",
                 "Correction for cross-section form",
                 Box::EstrFactFormKs,
                 "rgCIFOks",
                 "bbtnOk",
                 {{"Direction"}, {"Cross-section form"}, {"Ks"}},
                 {{{"Horizontal", "Lenticular"}, {V("0.7 / 0.8", "0.75")}},
                  {{"", "Elliptic"}, {V("06 / 0.8", "0.7")}},
                  {{"", "Circular"}, {V("1.0")}},
                  {{"", "Rectangular"}, {V("1.0 / 1.2", "1.1")}},
                  {{"", "Rectangular with semi-circular nose"}, {V("0.9")}},
                  {{"", "Rectangular with chamfered corners"}, {V("1.00", "1.0")}},
                  {{"", "Rectangular nose with wedge-shaped tail"}, {V("0.86")}},
                  {{"", "Rectangular with sharp nose 1:2 to 1:4"}, {V("0.65 / 0.76", "0.7")}},
                  {{"Vertical", "Pyramid-lime (narrowing upwards)"}, {V("0.76")}},
                  {{"", "Inverted pyramid (broadening upwards)"}, {V("1.2")}}}});

    // Shape factor Kb of an abutment or pier by its type, aspect ratio b/l and wing angle.
    t.push_back({"TfrmCIFOkb",
                 "Correction for structure form",
                 Box::EstrFactFormKb,
                 "rgCIFOkb",
                 "bbtnOK",
                 {{"Type of structure"}, {"Code"}, {"b/l"}, {"Angle"}, {"Kb"}},
                 {{{"Circular pier", "CP", "", ""}, {V("1.50", "1.5")}},
                  {{"Semicircular pier", "SCP", "", ""}, {V("1.50", "1.5")}},
                  {{"Semi-circular end", "SCE1", "< 3", ""}, {V("1.50", "1.5")}},
                  {{"", "SCE2", "3-5", ""}, {V("2.25")}},
                  {{"", "SCE3", "> 5", ""}, {V("3.00", "3")}},
                  {{"Estribo de pared vertical", "VWA", "", ""}, {V("3.00", "3")}},
                  {{"Wing-wall abutment (streamlined)", "VWS1", "0.2", "45º"}, {V("0.75")}},
                  {{"", "VWS2", "0.3", "35-45º"}, {V("1.25")}},
                  {{"Wing-wall abutment (blunt)", "VWB1", "0.5-1.5", "30º"}, {V("1.50", "1.5")}},
                  {{"", "VWB2", "1.5-2.5", "30º"}, {V("2.00", "2")}},
                  {{"Spill-through abutment", "ST1", "0.2", "1.5H:1V"}, {V("0.75")}},
                  {{"", "ST2", "0.2", "1H:1V"}, {V("1.00", "1")}},
                  {{"", "ST3", "0.5-1.5", ""}, {V("1.50", "1.5")}},
                  {{"Triangular-shaped", "TS", "", "45º"}, {V("1.00", "1")}}}});

    // Form factor Kl of a spur dike's head.
    t.push_back({"TfrmCIFOkl",
                 "Form correction",
                 Box::EstrFactFormKl,
                 "rgCIFOkl",
                 "bbtnOK",
                 {{"Structure form"}, {"Kl"}},
                 {{{"Aerodynamic"}, {V("1.10")}}, {{"Blunt"}, {V("2.15")}}}});
    return t;
}

using Rows = std::vector<std::vector<std::string>>;

RangeSheetTable Sheet(const char* cls, const char* caption, const char* range, Rows rows) {
    return {
        cls, caption, range, {"Parameter", "Units", "Calibration", "Validation"}, std::move(rows)};
}

std::vector<RangeSheetTable> MakeRangeSheets() {
    std::vector<RangeSheetTable> t;
    // Narrow culvert (pipe outlets).
    t.push_back(Sheet("TfrmRangPAGRaBe", "Rajaratnam & Berry formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "1.40/2.80", "0.82/2.80"},
                       {"Downstream depth", "[m]", "0.61", "0.16/0.61"},
                       {"Jet velocity", "[m/s]", "1.28/1.81", "1.28/12.0"},
                       {"Discharge", "[l/s]", "1.28/1.81", "1.28/12"},
                       {"Opening diameter", "[m]", "0.31", "0.31/1.13"},
                       {"Type of jet", "[-]", "Submerged", "Submerged"}}));
    t.push_back(Sheet("TfrmRangPAGRuff", "Ruff formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "0.15/35", "0.15/35"},
                       {"Downstream depth", "[m]", "0.05/0.20", "0.01/0.61"},
                       {"Jet velocity", "[m/s]", "0.95/5.86", "0.32/5.86"},
                       {"Discharge", "[l/s]", "0.95/5.86", "0.32/5.86"},
                       {"Opening diameter", "[m]", "3.11/830", "0.31/6.10"},
                       {"Type of jet", "[-]", "Non submerged", "Submerged and non submerged"}}));
    t.push_back(Sheet("TfrmRangPAGBreu", "Breusers formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "0.82/2.8", ""},
                       {"Downstream depth", "[m]", "0.16/0.61", ""},
                       {"Jet velocity", "[m/s]", "1.28/12", ""},
                       {"Discharge", "[l/s]", "1.28/12.0", ""},
                       {"Opening diameter", "[m]", "0.31/1.13", ""},
                       {"Type of jet", "[-]", "Non submerged", ""}}));
    t.push_back(Sheet("TfrmRangPAGHoff", "Hoffmans formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "0.82/2.80", "0.15/35"},
                       {"Downstream depth", "[m]", "0.16/0.61", "0.01/0.20"},
                       {"Jet velocity", "[m/s]", "1.28/12.0", "0.32/12.0"},
                       {"Discharge", "[l/s]", "0.01/0.92", "0.16/830"},
                       {"Opening diameter", "[m]", "0.31/1.13", "1.22/6.10"},
                       {"Type of jet", "[-]", "Submerged", "Non submerged"}}));
    // Wide culvert (gates and culvert heads).
    t.push_back(Sheet("TfrmRangPACQayo", "Qayoum formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "2.5/9.7", "0.43/9.7"},
                       {"Downstream depth", "[m]", "0.06/0.13", "0.01/0.33"},
                       {"Diff. head in/level out", "[m]", "0.02/0.11", "0.02/0.14"},
                       {"Jet velocity", "[m/s]", "-", "-"},
                       {"Specific discharge", "[l/s]", "0.008/0.024", "0.31/2.76"},
                       {"Type of jet", "[-]", "Submerged", "Submerged and non submerged"}}));
    t.push_back(Sheet("TfrmRangPACAlBa", "Altinbilek & Basmaci formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "1.3/6.5", "0.43/9.7"},
                       {"Downstream depth", "[m]", "0.16/0.25", "0.01/0.33"},
                       {"Diff. head in/level out", "[m]", "-", "0.02/0.14"},
                       {"Jet velocity", "[m/s]", "0.55/2.76", "0.31/2.76"},
                       {"Specific discharge", "[l/s]", "0.003/0.021", "0.002/0.065"},
                       {"Type of jet", "[-]", "Submerged", "Submerged and non submerged"}}));
    t.push_back(Sheet("TfrmRangPACBreu", "Breusers formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "", "0.43/9.7"},
                       {"Downstream depth", "[m]", "", "0.01/0.33"},
                       {"Diff. head in/level out", "[m]", "", "0.02/0.14"},
                       {"Jet velocity", "[m/s]", "", "0.31/2.76"},
                       {"Specific discharge", "[l/s]", "", "0.002/0.065"},
                       {"Type of jet", "[-]", "", "Submerged"}}));
    t.push_back(Sheet("TfrmRangPACHoff", "Hoffmans formula", "Rango",
                      {{"Mean diameter (d50)", "[mm]", "0.43/9.7", ""},
                       {"Downstream depth", "[m]", "0.01/0.33", ""},
                       {"Diff. head in/level out", "[m]", "0.02/0.14", ""},
                       {"Jet velocity", "[m/s]", "0.31/2.76", ""},
                       {"Specific discharge", "[l/s]", "0.002/0.065", ""},
                       {"Type of jet", "[-]", "Submerged and non submerged", ""}}));
    // Step.
    t.push_back(Sheet("TfrmRangPEnBoJu", "Bornmann & Julien formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "0.82/2.8", ""},
                       {"Downstream depth", "[m]", "0.16/0.61", ""},
                       {"Diff. head in/level out", "[m]", "-", ""},
                       {"Jet velocity", "[m/s]", "0.9/4.7", ""},
                       {"Specific discharge", "[l/s]", "1.28/12.0", ""},
                       {"Angle jet/free surface", "[º]", "0.1/1.0", ""},
                       {"Type of jet", "[-]", "Slides on step", ""}}));
    // Plunging jet.
    t.push_back(Sheet("TfrmRangPCZBoJu", "Bornmann & Julien formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "0.3/1.7", "0.1/25"},
                       {"Downstream depth", "[m]", "0.24/1.65", "0.01/42"},
                       {"Diff. head in/level out", "[m]", "-", "0.01/225"},
                       {"Jet velocity", "[m/s]", "0.9/4.7", "0.7/5.2"},
                       {"Specific discharge", "[l/s]", "0.29/2.47", "0.002/220"},
                       {"Angle jet/free surface", "[º]", "0.1/1.0", "0.1/1.6"},
                       {"Type of jet", "[-]", "Slides on step", "Impacts on surface"}}));
    t.push_back(Sheet("TfrmRangPCZFahl", "Fahlbusch formula", "Range",
                      {{"Mean diameter (d50)", "[mm]", "0.1/25", ""},
                       {"Downstreadm depth", "[m]", "0.01/42", ""},
                       {"Diff. head in/level out", "[m]", "0.01/225", ""},
                       {"Jet velocity", "[m/s]", "0.7/5.2", ""},
                       {"Specific dishcarge", "[l/s]", "0.002/220", ""},
                       {"Angle jet/free surface", "[º]", "0.1/1.6", ""},
                       {"Type of jet", "[-]", "Impacts on the surface", ""}}));
    // Slopes of the upstream face of a confined-vortex scour hole beyond which the bed fails.
    t.push_back({"TfrmPdteCritPVC",
                 "Limiting slopes for mechanical stability",
                 nullptr,
                 {"Density", "Angle of internal friction", "Angle of critical slope", "Phenomenon"},
                 {{"Very loose", "30° (1V:1,7H)", "24° (1V:2,25H)", "Flow slide"},
                  {"Loose", "33° (1V:1,5H)", "27° (1V:2,00H)", "Flow slide"},
                  {"Dense", "37° (1V:1,3H)", "30° (1V:1,75H)", "Shear failure"},
                  {"Very dense", "40° (1V:1,2H)", "34° (1V:1,50H)", "Shear failure"}}});
    return t;
}

}  // namespace

const std::vector<PickerTable>& PickerTables() {
    static const std::vector<PickerTable> tables = MakePickerTables();
    return tables;
}

const PickerTable* PickerFor(Box box) {
    for (const PickerTable& t : PickerTables()) {
        if (t.box == box) return &t;
    }
    return nullptr;
}

const PickerTable* PickerByClass(const std::string& className) {
    for (const PickerTable& t : PickerTables()) {
        if (className == t.className) return &t;
    }
    return nullptr;
}

int ChoiceCount(const PickerTable& table) {
    const int rows = static_cast<int>(table.rows.size());
    if (!table.buttonsAreValues || rows == 0) return rows;
    return rows * static_cast<int>(table.rows.front().values.size());
}

std::string ChosenValue(const PickerTable& table, int index) {
    if (index < 0 || index >= ChoiceCount(table)) return {};
    const auto rows = static_cast<int>(table.rows.size());
    if (!table.buttonsAreValues)
        return table.rows[static_cast<std::size_t>(index)].values.front().returned;
    const auto row = static_cast<std::size_t>(index % rows);
    const auto column = static_cast<std::size_t>(index / rows);
    return table.rows[row].values[column].returned;
}

const std::vector<RangeSheetTable>& RangeSheetTables() {
    static const std::vector<RangeSheetTable> tables = MakeRangeSheets();
    return tables;
}

const RangeSheetTable* RangeSheetByClass(const std::string& className) {
    for (const RangeSheetTable& t : RangeSheetTables()) {
        if (className == t.className) return &t;
    }
    return nullptr;
}

}  // namespace taldor
