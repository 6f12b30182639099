#pragma once
// The reference material of the calculation window as data: the published tables behind the
// correction-factor pickers, and the calibration and validation ranges of the formulae.

#include <optional>
#include <string>
#include <vector>

#include "InputBoxes.h"

namespace taldor {

// ---- Correction-factor pickers ---------------------------------------------------------------

// A value cell of a picker: the text the table shows and the text written into the box. They
// differ where the table gives a range: the middle of the range is returned.
struct PickerValue {
    std::string shown;
    std::string returned;
};

struct PickerRow {
    std::vector<std::string> cells;   // description columns; "" where the cell above goes on
    std::vector<PickerValue> values;  // one per value column
};

struct PickerHeading {
    std::string text;
    int span = 1;  // columns the heading covers
};

struct PickerTable {
    const char* className;  // TfrmAhmaCICC, ...
    const char* caption;    // the dialog's caption
    Box box;                // the box it fills
    const char* groupName;  // the radio group (rgAhmaCICC, ...); nullptr when the buttons are the
                            // value cells themselves (TfrmHiGrup: rb1 .. rb18)
    const char* okName;     // bbtnOk, or bbtnOK
    std::vector<PickerHeading> headings;
    std::vector<PickerRow> rows;
    // Each value cell is a captioned radio button; the buttons are numbered down each value
    // column in turn (rb1 .. rb9 front piers, rb10 .. rb18 rear piers).
    bool buttonsAreValues = false;
};

const std::vector<PickerTable>& PickerTables();
// The picker that fills a box, or nullptr.
const PickerTable* PickerFor(Box box);
const PickerTable* PickerByClass(const std::string& className);

// Number of choices of a picker (rows, or value cells when the buttons are the values).
int ChoiceCount(const PickerTable& table);
// The text written into the box for choice `index` (-1 for none: the empty text).
std::string ChosenValue(const PickerTable& table, int index);

// ---- Validity-range sheets ---------------------------------------------------------------------

struct RangeSheetTable {
    const char* className;  // TfrmRangPACQayo, ..., TfrmPdteCritPVC
    const char* caption;    // the formula's name ("Qayoum formula")
    // The heading over the last two columns ("Range", "Rango"); nullptr for a sheet whose
    // columns all have plain headings (the limiting slopes).
    const char* rangeHeading;
    std::vector<std::string> headings;           // column headings, left to right
    std::vector<std::vector<std::string>> rows;  // one text per column; "" for an empty cell
};

const std::vector<RangeSheetTable>& RangeSheetTables();
const RangeSheetTable* RangeSheetByClass(const std::string& className);

}  // namespace taldor
