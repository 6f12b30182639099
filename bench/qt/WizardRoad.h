#pragma once
// Drives a calculation window as a user would, with real mouse clicks and key presses: the
// answers of the questions, the texts typed into the boxes, the page commands.

#include <QString>
#include <utility>
#include <vector>

class QWidget;
class TfrmProbTipo;

namespace wizardroad {

// A child widget of the window by object name; aborts when there is none.
QWidget* Find(QWidget* window, const QString& name);
void Click(QWidget* window, const QString& name);
// Clicks into a box, replaces its text by typing, and leaves the focus in it.
void Type(QWidget* window, const QString& box, const QString& text);
// Chooses an item of a question's radio group and presses the Continue button shown with it.
void Answer(QWidget* window, const QString& group, int item);

// The answers and structure data of one case, up to the Complementary Data page (or the
// Results page for a protected spur dike).
struct Road {
    int phenomenon;  // item of rg0
    int obstacle;    // item of the obstacle group
    int jet = -1;    // item of rg000 when the jet question is asked
    std::vector<std::pair<QString, QString>> structure;  // box, text, typed before Continue
};
void Follow(QWidget* window, const Road& road);

}  // namespace wizardroad
