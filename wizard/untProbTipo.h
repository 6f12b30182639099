#pragma once
// The calculation window: the wizard that leads the user from the global data to the results.
//
// The window is the Qt face of one taldor::ProblemWizard, which decides everything (pages and
// tabs, questions, exit checks, invalidations, the formula panel, the calculation). The window
// builds the widgets, forwards the user's events to the wizard's handlers and shows what the
// wizard decides through the WizardView interface.

#include <QList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FrameServices.h"
#include "ProblemWizard.h"

class BoxExitGuard;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace taldor::output {
class ResultsPageView;
class ScourChart;
}  // namespace taldor::output

class TfrmProbTipo : public QWidget, public taldor::ui::MenuOwner, private taldor::WizardView {
    Q_OBJECT
public:
    // `frame` provides the commands that the window's menu and buttons forward to the frame.
    explicit TfrmProbTipo(taldor::ui::FrameServices* frame, QWidget* parent = nullptr);
    ~TfrmProbTipo() override;

    QList<QMenu*> ownMenus() const override;

    // The window's logic and its problem state (the report reads both).
    const taldor::ProblemWizard& wizard() const { return *m_wizard; }

private:
    // Building the window.
    void buildPages();
    QWidget* buildInputPage(taldor::Page page, const char* name, const char* caption);
    void buildHeader(QWidget* page, int pageIndex);
    void buildGlobalPage();
    void buildLocalPage();
    void buildStructurePage();
    void buildComplementaryPage();
    void buildPanel(QWidget* page);
    void buildBoxRow(QWidget* page, taldor::Box box, int top);
    QLabel* buildCategory(QWidget* page, const QString& name, const QString& caption, int top);
    QPushButton* buildCommand(QWidget* page, const char* name, const char* caption);
    void buildQuestions(QWidget* area);
    void buildMenus();
    void registerRowControl(taldor::Page page, QWidget* w);

    // User events.
    void userChangedPage(int index);
    void continueClicked(int index);
    void pickerClicked(taldor::Box box);
    void closeWindow();

    // WizardView.
    std::string boxText(taldor::Box box) const override;
    void setBoxText(taldor::Box box, const std::string& text) override;
    void focusBox(taldor::Box box) override;
    void showMessage(const std::string& text) override;
    void showTab(taldor::Page page, bool visible) override;
    void showActivePage(taldor::Page page) override;
    void setPagesEnabled(bool enabled) override;
    void showQuestion(taldor::Question q, bool visible) override;
    void focusQuestion(taldor::Question q) override;
    void showContinue(int index, bool visible) override;
    void layoutPage(taldor::Page page, const std::vector<taldor::PlacedControl>& placed) override;
    void setDepthCaption(const std::string& caption) override;
    void setRoughnessOption(bool byHeight) override;
    void showPanel(const taldor::PanelState& panel) override;
    void setLabelHighlight(taldor::Box box, bool highlighted) override;
    void startHighlightTimer() override;
    void stopHighlightTimer() override;
    void showSeries(int slot, const taldor::SeriesState& series) override;
    void setProblemTitle(const std::string& caption) override;
    void showResults(const taldor::ResultsPage& page) override;
    void openRangeSheet(const std::string& sheetClass) override;

    static std::size_t Index(taldor::Box b) { return static_cast<std::size_t>(b); }
    static std::size_t Index(taldor::Page p) { return static_cast<std::size_t>(p); }

    taldor::ui::FrameServices* m_frame;

    QTabWidget* m_pages = nullptr;
    std::array<QWidget*, taldor::kPageCount> m_page{};
    std::array<QLineEdit*, taldor::kBoxCount> m_edit{};
    std::array<QLabel*, taldor::kBoxCount> m_label{};  // none for the two roughness options
    std::array<QLabel*, taldor::kBoxCount> m_unit{};
    // Every control of a page that its row layout shows, hides and places.
    std::array<std::vector<QWidget*>, taldor::kPageCount> m_rowControls;
    QRadioButton* m_rbManning = nullptr;
    QRadioButton* m_rbHeight = nullptr;

    std::array<QGroupBox*, taldor::kQuestionCount> m_question{};
    std::array<QButtonGroup*, taldor::kQuestionCount> m_answers{};
    std::array<QPushButton*, taldor::kContinueCount> m_continue{};

    QFrame* m_panel = nullptr;
    std::array<QPushButton*, taldor::kSlotCount> m_slotButton{};
    std::array<QLabel*, taldor::kSlotCount> m_slotLabel{};
    std::array<QPushButton*, taldor::kSlotCount> m_rangeButton{};
    QTimer* m_timer = nullptr;

    taldor::output::ResultsPageView* m_results = nullptr;
    taldor::output::ScourChart* m_chart = nullptr;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_helpMenu = nullptr;

    BoxExitGuard* m_guard = nullptr;
    // Set while the window itself changes the page control, whose notifications are then not
    // the user's.
    bool m_showingPage = false;
    std::unique_ptr<taldor::ProblemWizard> m_wizard;
};
