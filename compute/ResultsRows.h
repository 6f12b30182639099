#pragma once
// The rows of the Results page for each problem code, as texts ready to show.

#include <cstdint>
#include <string>
#include <vector>

#include "FormulaPanel.h"
#include "untGeneral.h"

namespace taldor {

struct ResultRow {
    std::string stem;  // X of lblX / edtX / lblXUnid
    int row;           // table row; row 1 holds the column headings
    std::string caption;
    std::string value;
    std::string unit;
};

struct ResultsPage {
    std::int32_t code = 0;
    std::vector<ResultRow> rows;  // from row 2 on
    bool secondImage = false;     // a second "Image" button (spur dike/abutment)
    bool slopesButton = false;    // limiting-slopes button on row 10 (confined vortex)
    const char* picture1 = nullptr;  // picture window of the first "Image" button
    const char* picture2 = nullptr;  // of the second
};

extern const char* const kLiveBed;     // "Live bed"
extern const char* const kClearWater;  // "Clear water"

// Live bed when the mobility factor is strictly above its critical value.
bool IsLiveBed(const ProblemState& s);

// The page for a Results-level code, from the state and the formula slots (caption and bold).
ResultsPage BuildResultsPage(std::int32_t code, const ProblemState& s,
                             const std::array<FormulaSlot, kSlotCount>& formulaSlots);

}  // namespace taldor
