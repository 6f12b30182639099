#pragma once
// The behaviour of one calculation window, without widgets: the decision tree and its questions,
// the pages and their tabs, the input boxes' exit checks and the invalidation of later pages, the
// active-formula panel, the Calculation command, the Results page and the chart's series.
//
// The window (Qt widgets, or a recorder in tests and in the command-line calculator) implements
// WizardView: it holds the texts typed in the boxes, shows messages, and shows what this class
// decides. Its events (a tab clicked, a button pressed, a box entered or left, a text changed)
// call the handlers below.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Driver.h"
#include "FormulaPanel.h"
#include "InputBoxes.h"
#include "PageRows.h"
#include "ResultsRows.h"
#include "untGeneral.h"

namespace taldor {

// The radio groups of the questions.
enum class Question : int { Rg0 = 0, Rg00, Rg01, Rg02, Rg000 };
constexpr int kQuestionCount = 5;
const char* QuestionName(Question q);  // "rg0", ...
// The three "Continue" buttons: btnContAfue01, btnContAfue12, btnContAfue23.
constexpr int kContinueCount = 3;
const char* ContinueName(int index);

struct SeriesPoint {
    double t;  // hours
    double z;  // metres
};

struct SeriesState {
    std::string title;
    std::vector<SeriesPoint> points;
};

extern const char* const kNoRangesMessage;  // "Ranges of calibration/validation not available"

// The validity-range sheet that range button k opens for a code, or nullptr when none exists.
const char* RangeSheetFor(std::int32_t code, int slot);

class WizardView {
public:
    virtual ~WizardView() = default;

    // Input boxes. Setting a text raises the box's change notification, as typing does.
    virtual std::string boxText(Box box) const = 0;
    virtual void setBoxText(Box box, const std::string& text) = 0;
    virtual void focusBox(Box) {}
    // One modal information box with an OK button; returns when it is closed.
    virtual void showMessage(const std::string& text) = 0;

    // What the window shows of the decisions below.
    virtual void showTab(Page, bool /*visible*/) {}
    virtual void showActivePage(Page) {}
    virtual void setPagesEnabled(bool) {}
    virtual void showQuestion(Question, bool /*visible*/) {}
    virtual void focusQuestion(Question) {}
    virtual void showContinue(int /*index*/, bool /*visible*/) {}
    // The rows of an input page: every row control of the page is hidden, then these are shown at
    // their tops.
    virtual void layoutPage(Page, const std::vector<PlacedControl>&) {}
    virtual void setDepthCaption(const std::string&) {}
    virtual void setRoughnessOption(bool /*byHeight*/) {}
    virtual void showPanel(const PanelState&) {}
    virtual void setLabelHighlight(Box, bool /*highlighted*/) {}
    virtual void startHighlightTimer() {}
    virtual void stopHighlightTimer() {}
    // Called once per calculation for each series that changed, and when the series are emptied.
    virtual void showSeries(int /*slot*/, const SeriesState&) {}
    virtual void setProblemTitle(const std::string&) {}
    virtual void showResults(const ResultsPage&) {}
    virtual void openRangeSheet(const std::string& /*sheetClass*/) {}
};

class ProblemWizard {
public:
    // Creates the window's logic: problem code 0, only the Global Data tab, Manning's coefficient
    // chosen, series titled "(a)" .. "(d)". The boxes are expected to hold their default texts.
    explicit ProblemWizard(WizardView& view);
    ProblemWizard(const ProblemWizard&) = delete;
    ProblemWizard& operator=(const ProblemWizard&) = delete;
    ~ProblemWizard();

    // The user clicks a tab: the page becomes active when the page control is enabled and the
    // tab is visible. Returns whether it did.
    bool selectPage(Page page);

    // Questions and page commands.
    void btnN0Click();                   // "Dominant phenomenon"
    void btnN1Click();                   // "Type of obstacle"
    void btnContAfue01Click(int item);   // item selected in rg0, -1 for none
    void btnContAfue12Click(int item);   // in rg00 / rg01 / rg02
    void btnContAfue23Click(int item);   // in rg000
    void btnN2Click();                   // "Continue" on Structure Data
    void btnN3Click();                   // "Calculation"

    // Input boxes.
    void boxEnter(Box box);
    // The exit check. Returns false when the text was refused: the box has been emptied and has
    // the focus again, and the action that took the focus away must not happen.
    bool boxExit(Box box);
    void boxChanged(Box box);
    // A picker closed with OK: its value is written into the box and the box's exit check runs,
    // compared with what the box held before.
    bool pickerChosen(Box box, const std::string& text);
    // "Manning Coefficient" (false) or "Roughness Height" (true) chosen.
    void chooseRoughness(bool byHeight);

    // Active-formula panel.
    void slotClick(int slot);     // btn1 .. btn4 or their labels
    void timerTimer();            // end of the highlight
    void rangeButtonClick(int slot);

    // What the window shows.
    const ProblemState& state() const { return m_state; }
    const WizardView& view() const { return m_view; }
    bool tabVisible(Page page) const { return m_tabVisible[Index(page)]; }
    Page activePage() const { return m_active; }
    bool pagesEnabled() const { return m_pagesEnabled; }
    bool questionVisible(Question q) const { return m_questionVisible[static_cast<std::size_t>(q)]; }
    bool continueVisible(int index) const { return m_continueVisible[static_cast<std::size_t>(index)]; }
    const PanelState& panel() const { return m_panel; }
    const SeriesState& series(int slot) const { return m_series[static_cast<std::size_t>(slot)]; }
    const std::string& problemTitle() const { return m_title; }
    const std::string& depthCaption() const { return m_depthCaption; }
    // The Results page as last shown (nothing before it was first shown).
    const std::optional<ResultsPage>& results() const { return m_results; }
    bool roughnessByHeight() const { return m_byHeight; }
    bool labelHighlighted(Box box) const { return m_highlighted[Index(box)]; }
    bool highlightTimerRunning() const { return m_timerRunning; }

    // The outcome of the last command that can fail, for scripted use.
    struct CommandError {
        enum class Kind { None, Refused, InactiveBranch, Fault } kind = Kind::None;
        std::string message;
        std::optional<Box> box;
    };
    const CommandError& lastError() const { return m_lastError; }

private:
    class Adapters;
    static std::size_t Index(Page p) { return static_cast<std::size_t>(p); }
    static std::size_t Index(Box b) { return static_cast<std::size_t>(b); }

    void changePage(Page page);
    void pageShown(Page page);
    void pageHidden(Page page);
    void setTab(Page page, bool visible);
    void openQuestion(Question q, int continueIndex);
    void setQuestion(Question q, bool visible);
    void setContinue(int index, bool visible);
    void setPagesEnabledState(bool enabled);
    void composeCode(int level);
    void showComplementaryPage();
    void refuse(Box box, const std::string& message);
    void message(const std::string& text);
    bool present(Box box) const;
    void clearSeries();
    void flushSeries();

    void invalidateOnBranchChange(int newAnswer, int oldAnswer);
    void hideLaterPagesAndClear();
    void invalidateOnKeyValueChange(bool changed);
    void invalidateOnInputChange(Page page, bool changed, double remembered);

    WizardView& m_view;
    ProblemState m_state;
    std::array<bool, kPageCount> m_tabVisible{};
    Page m_active = Page::Nivel0;
    bool m_pagesEnabled = true;
    std::array<bool, kQuestionCount> m_questionVisible{};
    std::array<bool, kContinueCount> m_continueVisible{};
    PanelState m_panel;
    std::array<SeriesState, kSlotCount> m_series;
    std::array<bool, kSlotCount> m_seriesDirty{};
    std::string m_title;
    std::string m_depthCaption;
    std::optional<ResultsPage> m_results;
    bool m_byHeight = false;
    std::array<EntryValue, kBoxCount> m_entry{};
    std::optional<Box> m_refusedBox;
    std::array<bool, kBoxCount> m_highlighted{};
    bool m_timerRunning = false;
    CommandError m_lastError;
};

}  // namespace taldor
