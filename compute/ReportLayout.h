#pragma once
// The printed report of a calculation window as data: every text item of the one A4 page, with
// its name, text, font and position, built from what the window shows (never from numbers
// reformatted out of the problem state). A painter on the Qt side draws it.
//
// Positions are report pixels (96 per inch) from the top-left corner of the printable area,
// that is, inside the 10 mm margins.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "InputBoxes.h"
#include "ResultsRows.h"

namespace taldor {

class ProblemWizard;

// What the report transcribes, as the calculation window shows it at the moment "Report" is
// pressed.
struct ReportSource {
    std::int32_t code = 0;                        // Results-level problem code
    std::string title;                            // caption of lblProbTipo
    std::array<std::string, kBoxCount> boxTexts;  // texts of the input boxes as typed
    std::string depthCaption;                     // caption of lblFlujTiraRest
    bool roughnessByHeight = false;  // "Roughness Height" chosen instead of Manning's n
    std::vector<ResultRow> results;  // the Results page's rows (row 2 on) as last shown
    // The observations, line for line, when the user gave them.
    std::optional<std::vector<std::string>> observations;
};

// The source of a calculation window, without observations.
ReportSource ReportSourceOf(const ProblemWizard& wizard);

enum class ReportFont {
    Title,    // Arial Black 16 pt
    Heading,  // Arial 10 pt bold
    Text,     // Arial 10 pt
};

// Which edge of a text item its x gives.
enum class ReportAnchor { Left, Right };

struct ReportItem {
    std::string name;  // qrlProbTipo, qrlTitulo0, qrlN2P3V, qrmObservaciones, ...
    std::string text;  // for the observations box its lines joined by '\n'
    ReportFont font = ReportFont::Text;
    ReportAnchor anchor = ReportAnchor::Left;
    int x = 0;  // left edge, or right edge for ReportAnchor::Right
    int top = 0;
    // The observations box has a fixed size and wraps and clips its text; the other items size
    // themselves to their text (0 here).
    int width = 0;
    int height = 0;
};

struct ReportLayout {
    std::vector<ReportItem> items;
    // The item of that name, or nullptr.
    const ReportItem* find(const std::string& name) const;
};

// Placement of the report's columns and sections.
constexpr int kReportTitleLeft = 60;
constexpr int kReportTitleTop = 50;
constexpr int kReportHeadingLeft = 60;
constexpr int kReportParameterLeft = 150;
constexpr int kReportValueRight = 550;
constexpr int kReportUnitLeft = 600;
constexpr int kReportObservationsWidth = 490;
constexpr int kReportObservationsHeight = 85;
// Top of row line n (counted through all sections from 1) in section s.
int ReportLineTop(int section, int line);

ReportLayout BuildReportLayout(const ReportSource& source);

}  // namespace taldor
