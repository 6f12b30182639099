#include "untProbTipo.h"

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "BoxExitGuard.h"
#include "Modal.h"
#include "Pickers.h"
#include "RangeSheets.h"
#include "ReportPreview.h"
#include "ResultsPageView.h"
#include "ScourChart.h"


using taldor::Box;
using taldor::Page;
using taldor::Question;

namespace {

// Columns of the input pages, left to right: category, parameter, value box, unit, picker.
constexpr int kCategoryX = 12;
constexpr int kCategoryW = 96;
constexpr int kParameterX = 112;
constexpr int kParameterW = 182;
constexpr int kValueX = 300;
constexpr int kValueW = 122;
constexpr int kBoxH = 21;
constexpr int kUnitX = 430;
constexpr int kUnitW = 80;
// Pickers stand beside the short units of the factor and angle rows.
constexpr int kPickerX = kUnitX + 40;
constexpr int kPickerSize = 22;
constexpr int kLabelH = 16;
constexpr int kHeaderTop = 16;
// Wide enough for the six tabs side by side.
constexpr int kPageW = 780;
constexpr int kPageH = 340;
constexpr int kCommandW = 150;
constexpr int kCommandH = 25;

// The command button of each input page sits below the page's deepest row.
constexpr int kGlobalCommandTop = 300;
constexpr int kLocalCommandTop = 72;
constexpr int kStructureCommandTop = 128;
constexpr int kComplementaryCommandTop = 192;

// The active-formula panel, below the category column of the Complementary Data page.
constexpr int kPanelX = kCategoryX;
constexpr int kPanelTop = kComplementaryCommandTop;
constexpr int kPanelW = 250;
constexpr int kSlotX = 4;
constexpr int kSlotW = 210;
constexpr int kSlotH = 24;

// The question area below the page control.
constexpr int kQuestionAreaH = 108;
constexpr int kQuestionW = 400;
constexpr int kQuestionH = 100;
constexpr int kContinueW = 100;

struct QuestionText {
    const char* caption;
    std::vector<const char*> items;
};

// Captions and items of the radio groups, in the order of their item indices.
const std::array<QuestionText, taldor::kQuestionCount>& QuestionTexts() {
    static const std::array<QuestionText, taldor::kQuestionCount> texts = {{
        {"Dominant phenomenon",
         {"vertical contraction/expansion", "horizontal contraction/expansion",
          "vertical and horizontal contraction/expansion"}},
        {"Obstacle", {"at the bottom", "at the surface"}},
        {"Obstacle", {"on margin", "interior"}},
        {"Obstacle", {"on surface and margin", "on bottom and margin"}},
        {"Jet", {"impacts on free surface", "slides on step"}},
    }};
    return texts;
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

void SetBold(QWidget* w, bool bold) {
    QFont f = w->font();
    if (f.bold() == bold) return;
    f.setBold(bold);
    w->setFont(f);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int x, int top,
                  int width) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(x, top, width, kLabelH);
    return label;
}

// Codes whose Structure Data or Complementary Data rows differ.
constexpr std::int32_t kStructureCodes[] = {11, 12, 21, 22, 31};
constexpr std::int32_t kComplementaryCodes[] = {111, 121, 122, 1121, 1122, 212, 22, 31};

}  // namespace

TfrmProbTipo::TfrmProbTipo(taldor::ui::FrameServices* frame, QWidget* parent)
    : QWidget(parent), m_frame(frame) {
    setObjectName("frmProbTipo");
    setWindowTitle("Calculation for a specific problem");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    buildPages();
    layout->addWidget(m_pages);
    auto* questionArea = new QWidget(this);
    questionArea->setObjectName("pnlPreguntas");
    questionArea->setFixedHeight(kQuestionAreaH);
    buildQuestions(questionArea);
    layout->addWidget(questionArea);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer");
    m_timer->setInterval(1000);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_wizard) m_wizard->timerTimer();
    });

    buildMenus();

    BoxExitGuard::Hooks hooks;
    hooks.boxOf = [this](const QWidget* w) -> std::optional<Box> {
        for (const taldor::BoxInfo& info : taldor::BoxCatalogue()) {
            if (m_edit[Index(info.box)] == w) return info.box;
        }
        return std::nullopt;
    };
    hooks.editOf = [this](Box box) { return m_edit[Index(box)]; };
    hooks.enter = [this](Box box) {
        if (m_wizard) m_wizard->boxEnter(box);
    };
    hooks.exit = [this](Box box) { return !m_wizard || m_wizard->boxExit(box); };
    hooks.tabClicked = [this](int index) {
        if (m_wizard) m_wizard->selectPage(static_cast<Page>(index));
    };
    m_guard = new BoxExitGuard(this, m_pages->tabBar(), std::move(hooks));

    taldor::WizardView& view = *this;
    m_wizard = std::make_unique<taldor::ProblemWizard>(view);
    // The user starts typing in the first box of the Global Data page.
    m_edit[Index(Box::AguaDens)]->setFocus(Qt::OtherFocusReason);
}

TfrmProbTipo::~TfrmProbTipo() {
    // The children outlive this destructor's body; none of their last notifications may reach
    // the logic that is about to go.
    delete m_guard;
    m_guard = nullptr;
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    m_wizard.reset();
}

QList<QMenu*> TfrmProbTipo::ownMenus() const {
    return {m_fileMenu, m_windowMenu, m_helpMenu};
}

// ---- Building ---------------------------------------------------------------------------------

void TfrmProbTipo::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("pgReplanteo");
    m_pages->tabBar()->setFocusPolicy(Qt::StrongFocus);
    buildGlobalPage();
    buildLocalPage();
    buildStructurePage();
    buildComplementaryPage();

    auto* results = new QWidget;
    results->setObjectName("tbshProblema");
    results->setFixedSize(kPageW, kPageH);
    auto* resultsLayout = new QVBoxLayout(results);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    m_results = new taldor::output::ResultsPageView(results);
    resultsLayout->addWidget(m_results);
    m_pages->addTab(results, "Results");
    m_page[Index(Page::Problema)] = results;
    connect(m_results, &taldor::output::ResultsPageView::reportClicked, this, [this] {
        if (m_wizard) taldor::output::ShowReport(this, *m_wizard);
    });
    connect(m_results, &taldor::output::ResultsPageView::pictureClicked, this,
            [this](const QString& windowClass) {
                if (m_frame) m_frame->openPicture(windowClass, nullptr);
            });
    connect(m_results, &taldor::output::ResultsPageView::slopesClicked, this,
            [this] { taldor::reference::ShowRangeSheet(this, "TfrmPdteCritPVC"); });

    auto* graphic = new QWidget;
    graphic->setObjectName("tbshGrafico");
    graphic->setFixedSize(kPageW, kPageH);
    auto* graphicLayout = new QVBoxLayout(graphic);
    graphicLayout->setContentsMargins(0, 0, 0, 0);
    m_chart = new taldor::output::ScourChart(graphic);
    graphicLayout->addWidget(m_chart);
    m_pages->addTab(graphic, "Graphic");
    m_page[Index(Page::Grafico)] = graphic;

    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmProbTipo::userChangedPage);
}

QWidget* TfrmProbTipo::buildInputPage(Page page, const char* name, const char* caption) {
    auto* w = new QWidget;
    w->setObjectName(name);
    w->setFixedSize(kPageW, kPageH);
    m_page[Index(page)] = w;
    buildHeader(w, static_cast<int>(page));
    m_pages->addTab(w, caption);
    return w;
}

void TfrmProbTipo::buildHeader(QWidget* page, int pageIndex) {
    const QString prefix = QString("lblN%1").arg(pageIndex);
    const struct {
        const char* suffix;
        const char* caption;
        int x;
        int width;
    } columns[] = {{"Cate", "Category", kCategoryX, kCategoryW},
                   {"Para", "Parameter", kParameterX, kParameterW},
                   {"Valo", "Value", kValueX, kValueW},
                   {"Unid", "Units", kUnitX, kUnitW}};
    for (const auto& c : columns) {
        QLabel* label = MakeLabel(page, prefix + c.suffix, c.caption, c.x, kHeaderTop, c.width);
        SetBold(label, true);
    }
}

QLabel* TfrmProbTipo::buildCategory(QWidget* page, const QString& name, const QString& caption,
                                    int top) {
    return MakeLabel(page, name, caption, kCategoryX, top, kCategoryW);
}

QPushButton* TfrmProbTipo::buildCommand(QWidget* page, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, page);
    button->setObjectName(name);
    button->resize(kCommandW, kCommandH);
    return button;
}

void TfrmProbTipo::buildBoxRow(QWidget* page, Box box, int top) {
    const taldor::BoxInfo& info = taldor::Info(box);
    const QString stem = info.stem;
    const int labelTop = top + (taldor::LabelTop(1, 1) - taldor::ControlTop(1, 1));
    if (box != Box::CaucCoefMannCauc && box != Box::AltuRugoCauc) {
        m_label[Index(box)] =
            MakeLabel(page, "lbl" + stem, Text(info.caption), kParameterX, labelTop, kParameterW);
    }
    auto* edit = new QLineEdit(Text(info.defaultText), page);
    edit->setObjectName("edt" + stem);
    edit->setGeometry(kValueX, top, kValueW, kBoxH);
    m_edit[Index(box)] = edit;
    connect(edit, &QLineEdit::textChanged, this, [this, box] {
        if (m_wizard) m_wizard->boxChanged(box);
    });
    const int unitW = info.picker ? kPickerX - kUnitX - 4 : kUnitW;
    m_unit[Index(box)] =
        MakeLabel(page, "lbl" + stem + "Unid", Text(info.unit), kUnitX, labelTop, unitW);
    if (info.picker) {
        auto* picker = new QPushButton(page);
        picker->setObjectName(info.picker);
        picker->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        picker->setGeometry(kPickerX, top, kPickerSize, kPickerSize);
        connect(picker, &QPushButton::clicked, this, [this, box] { pickerClicked(box); });
    }
}

void TfrmProbTipo::registerRowControl(Page page, QWidget* w) {
    m_rowControls[Index(page)].push_back(w);
}

void TfrmProbTipo::buildGlobalPage() {
    QWidget* page = buildInputPage(Page::Nivel0, "tbshNivel0", "Global Data");
    // Row and group of each box; a group opens with its category heading.
    const struct {
        Box box;
        int row;
        int group;
        const char* category;  // object name of the heading opening the group, or nullptr
    } rows[] = {
        {Box::AguaDens, 1, 1, "lblCateN0Agua"},     {Box::AguaTemp, 2, 1, nullptr},
        {Box::SediDensMate, 3, 2, "lblCateN0Sedi"}, {Box::SediDiamMedi, 4, 2, nullptr},
        {Box::ForzAcelGrav, 5, 3, "lblCateN0Forz"}, {Box::FlujCaud, 6, 4, "lblCateN0Fluj"},
        {Box::CaucAnchCauc, 7, 5, "lblCateN0Cauc"}, {Box::CaucCoefMannCauc, 8, 5, nullptr},
        {Box::AltuRugoCauc, 9, 5, nullptr},
    };
    for (const auto& r : rows) {
        if (r.category) {
            buildCategory(page, r.category, Text(taldor::Info(r.box).category),
                          taldor::LabelTop(r.row, r.group));
        }
        buildBoxRow(page, r.box, taldor::ControlTop(r.row, r.group));
    }
    // The two ways of giving the bed roughness; the chosen one's box is the enabled one.
    const auto makeOption = [&](Box box, const char* name) {
        auto* option = new QRadioButton(Text(taldor::Info(box).caption), page);
        option->setObjectName(name);
        option->setGeometry(kParameterX, m_edit[Index(box)]->y(), kParameterW, kBoxH);
        return option;
    };
    m_rbManning = makeOption(Box::CaucCoefMannCauc, "rbCaucCoefMannCauc");
    m_rbHeight = makeOption(Box::AltuRugoCauc, "rbAltuRugoCauc");
    // The options come after their boxes in the focus order, as they stand on the page.
    QWidget::setTabOrder(m_edit[Index(Box::CaucAnchCauc)], m_rbManning);
    QWidget::setTabOrder(m_rbManning, m_edit[Index(Box::CaucCoefMannCauc)]);
    QWidget::setTabOrder(m_edit[Index(Box::CaucCoefMannCauc)], m_rbHeight);
    QWidget::setTabOrder(m_rbHeight, m_edit[Index(Box::AltuRugoCauc)]);
    connect(m_rbManning, &QRadioButton::clicked, this, [this] {
        if (m_wizard) m_wizard->chooseRoughness(false);
    });
    connect(m_rbHeight, &QRadioButton::clicked, this, [this] {
        if (m_wizard) m_wizard->chooseRoughness(true);
    });

    QPushButton* command = buildCommand(page, "btnN0", "Dominant phenomenon");
    command->move(kValueX, kGlobalCommandTop);
    QWidget::setTabOrder(m_edit[Index(Box::AltuRugoCauc)], command);
    connect(command, &QPushButton::clicked, this, [this] {
        if (m_wizard) m_wizard->btnN0Click();
    });
}

void TfrmProbTipo::buildLocalPage() {
    QWidget* page = buildInputPage(Page::Nivel1, "tbshNivel1", "Local Data");
    buildCategory(page, "lblCateN1Fluj", Text(taldor::Info(Box::FlujTiraRest).category),
                  taldor::LabelTop(1, 1));
    buildBoxRow(page, Box::FlujTiraRest, taldor::ControlTop(1, 1));
    QPushButton* command = buildCommand(page, "btnN1", "Type of obstacle");
    command->move(kValueX, kLocalCommandTop);
    connect(command, &QPushButton::clicked, this, [this] {
        if (m_wizard) m_wizard->btnN1Click();
    });
}

void TfrmProbTipo::buildStructurePage() {
    QWidget* page = buildInputPage(Page::Nivel2, "tbshNivel2", "Structure Data");
    // One row of widgets per box of the page, in catalogue order (which is the focus order);
    // the layout of the problem code shows and places the rows it needs.
    for (const taldor::BoxInfo& info : taldor::BoxCatalogue()) {
        if (info.page != Page::Nivel2) continue;
        buildBoxRow(page, info.box, 0);
    }
    std::vector<QString> categories;
    for (std::int32_t code : kStructureCodes) {
        for (const taldor::CategoryRow& c : taldor::StructureRows(code).categories) {
            if (std::find(categories.begin(), categories.end(), QString(c.name)) !=
                categories.end())
                continue;
            categories.push_back(c.name);
            buildCategory(page, c.name, Text(c.caption), 0);
        }
    }
    QPushButton* command = buildCommand(page, "btnN2", "Continue");
    command->move(kValueX, kStructureCommandTop);
    connect(command, &QPushButton::clicked, this, [this] {
        if (m_wizard) m_wizard->btnN2Click();
    });
    for (QWidget* w : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->objectName().startsWith("lblN2") || w == command) continue;
        registerRowControl(Page::Nivel2, w);
        w->hide();
    }
}

void TfrmProbTipo::buildComplementaryPage() {
    QWidget* page = buildInputPage(Page::Nivel3, "tbshNivel3", "Complementary Data");
    for (const taldor::BoxInfo& info : taldor::BoxCatalogue()) {
        if (info.page != Page::Nivel3) continue;
        buildBoxRow(page, info.box, 0);
    }
    std::vector<QString> categories;
    for (std::int32_t code : kComplementaryCodes) {
        for (const taldor::CategoryRow& c : taldor::ComplementaryRows(code).categories) {
            if (std::find(categories.begin(), categories.end(), QString(c.name)) !=
                categories.end())
                continue;
            categories.push_back(c.name);
            buildCategory(page, c.name, Text(c.caption), 0);
        }
    }
    QPushButton* command = buildCommand(page, "btnN3", "Calculation");
    command->move(kValueX, kComplementaryCommandTop);
    connect(command, &QPushButton::clicked, this, [this] {
        if (m_wizard) m_wizard->btnN3Click();
    });
    for (QWidget* w : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->objectName().startsWith("lblN3") || w == command) continue;
        registerRowControl(Page::Nivel3, w);
        w->hide();
    }
    buildPanel(page);
}

void TfrmProbTipo::buildPanel(QWidget* page) {
    m_panel = new QFrame(page);
    m_panel->setObjectName("pnlFormActi");
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setGeometry(kPanelX, kPanelTop, kPanelW,
                         taldor::SlotButtonTop(taldor::kSlotCount - 1) + 32);
    MakeLabel(m_panel, "lbl0", "Active formulae", kSlotX + 4, 4, kSlotW);
    for (int k = 0; k < taldor::kSlotCount; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        const int top = taldor::SlotButtonTop(k);
        auto* button = new QPushButton(m_panel);
        button->setObjectName(QString("btn%1").arg(k + 1));
        button->setGeometry(kSlotX, top, kSlotW, kSlotH);
        // The formula's name is a label drawn inside its button; a click on it is a click on
        // the button.
        auto* label = new QLabel(taldor::kInactive, button);
        label->setObjectName(QString("lbl%1").arg(k + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, 0, kSlotW, kSlotH);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* range = new QPushButton(m_panel);
        range->setObjectName(QString("bbtnRango%1").arg(k + 1));
        range->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
        range->setGeometry(kSlotX + kSlotW + 4, top + 1, kPickerSize, kPickerSize);
        m_slotButton[i] = button;
        m_slotLabel[i] = label;
        m_rangeButton[i] = range;
        connect(button, &QPushButton::clicked, this, [this, k] {
            if (m_wizard) m_wizard->slotClick(k);
        });
        connect(range, &QPushButton::clicked, this, [this, k] {
            if (m_wizard) m_wizard->rangeButtonClick(k);
        });
    }
    m_panel->hide();
}

void TfrmProbTipo::buildQuestions(QWidget* area) {
    const auto& texts = QuestionTexts();
    for (int q = 0; q < taldor::kQuestionCount; ++q) {
        const std::size_t i = static_cast<std::size_t>(q);
        auto* group = new QGroupBox(Text(texts[i].caption), area);
        const QString name = taldor::QuestionName(static_cast<Question>(q));
        group->setObjectName(name);
        group->setGeometry(kCategoryX, 4, kQuestionW, kQuestionH);
        auto* items = new QVBoxLayout(group);
        items->setSpacing(2);
        auto* answers = new QButtonGroup(group);
        answers->setExclusive(true);
        int id = 0;
        for (const char* item : texts[i].items) {
            auto* option = new QRadioButton(Text(item), group);
            option->setObjectName(QString("%1Item%2").arg(name).arg(id));
            answers->addButton(option, id++);
            items->addWidget(option);
        }
        items->addStretch();
        group->hide();
        m_question[i] = group;
        m_answers[i] = answers;
    }
    for (int c = 0; c < taldor::kContinueCount; ++c) {
        auto* button = new QPushButton("Continue", area);
        button->setObjectName(taldor::ContinueName(c));
        button->setGeometry(kPageW - kContinueW, 40, kContinueW, kCommandH);
        button->hide();
        m_continue[static_cast<std::size_t>(c)] = button;
        connect(button, &QPushButton::clicked, this, [this, c] { continueClicked(c); });
    }
}

void TfrmProbTipo::buildMenus() {
    m_fileMenu = new QMenu("&File", this);
    m_fileMenu->setObjectName("mnuFile");
    m_fileMenu->menuAction()->setStatusTip("File related commands");
    const auto add = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    connect(add(m_fileMenu, "mmiFileNew", "&New"), &QAction::triggered, this, [this] {
        if (m_frame) m_frame->fileNew();
    });
    connect(add(m_fileMenu, "mmiFileOpen", "&Open"), &QAction::triggered, this, [this] {
        if (m_frame) m_frame->fileOpen();
    });
    connect(add(m_fileMenu, "mmiFileClose", "&Close"), &QAction::triggered, this,
            &TfrmProbTipo::closeWindow);
    m_fileMenu->addSeparator();
    connect(add(m_fileMenu, "mmiFileExit", "&Exit"), &QAction::triggered, this, [this] {
        if (m_frame) m_frame->fileExit();
    });

    m_windowMenu = new QMenu("&Window", this);
    m_windowMenu->setObjectName("mnuWindow");
    m_windowMenu->menuAction()->setStatusTip("Window related commands");

    m_helpMenu = new QMenu("&Help", this);
    m_helpMenu->setObjectName("mnuHelp");
    m_helpMenu->menuAction()->setStatusTip("Help topics");
    connect(add(m_helpMenu, "mmiHelpAbout", "About..."), &QAction::triggered, this, [this] {
        if (m_frame) m_frame->helpAbout();
    });
    connect(add(m_helpMenu, "mnuHelpDesc", "&Description"), &QAction::triggered, this, [this] {
        if (m_frame) m_frame->helpDescription();
    });
}

// ---- User events ------------------------------------------------------------------------------

void TfrmProbTipo::userChangedPage(int index) {
    // Keyboard page changes (Ctrl+Tab, the arrows on the tab bar) ask the logic too; mouse
    // clicks on the tabs never get here, the exit guard hands them over directly.
    if (m_showingPage || !m_wizard || index < 0) return;
    if (!m_wizard->selectPage(static_cast<Page>(index))) showActivePage(m_wizard->activePage());
}

void TfrmProbTipo::continueClicked(int index) {
    if (!m_wizard) return;
    const auto item = [this](Question q) {
        return m_answers[static_cast<std::size_t>(q)]->checkedId();
    };
    switch (index) {
        case 0:
            m_wizard->btnContAfue01Click(item(Question::Rg0));
            break;
        case 1:
            // The obstacle question that is open is the one of the Local Data code.
            for (Question q : {Question::Rg00, Question::Rg01, Question::Rg02}) {
                if (m_wizard->questionVisible(q)) {
                    m_wizard->btnContAfue12Click(item(q));
                    break;
                }
            }
            break;
        case 2:
            m_wizard->btnContAfue23Click(item(Question::Rg000));
            break;
        default:
            break;
    }
}

void TfrmProbTipo::pickerClicked(Box box) {
    const std::optional<QString> value = taldor::reference::RunPicker(this, box);
    if (value && m_wizard) m_wizard->pickerChosen(box, value->toStdString());
}

void TfrmProbTipo::closeWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
    }
}

// ---- WizardView ------------------------------------------------------------------------------

std::string TfrmProbTipo::boxText(Box box) const {
    return m_edit[Index(box)]->text().toStdString();
}

void TfrmProbTipo::setBoxText(Box box, const std::string& text) {
    // QLineEdit notifies textChanged for texts set by program as for typed ones.
    m_edit[Index(box)]->setText(Text(text));
}

void TfrmProbTipo::focusBox(Box box) {
    m_edit[Index(box)]->setFocus(Qt::OtherFocusReason);
}

void TfrmProbTipo::showMessage(const std::string& text) {
    taldor::ui::Information(this, Text(text));
}

void TfrmProbTipo::showTab(Page page, bool visible) {
    const bool was = m_showingPage;
    m_showingPage = true;
    m_pages->setTabVisible(static_cast<int>(page), visible);
    // Hiding the current tab makes the page control pick another page by itself; the page in
    // use is the one the logic says.
    if (m_wizard && m_pages->currentIndex() != static_cast<int>(m_wizard->activePage())) {
        m_pages->setCurrentIndex(static_cast<int>(m_wizard->activePage()));
    }
    m_showingPage = was;
}

void TfrmProbTipo::showActivePage(Page page) {
    const bool was = m_showingPage;
    m_showingPage = true;
    m_pages->setCurrentIndex(static_cast<int>(page));
    m_showingPage = was;
}

void TfrmProbTipo::setPagesEnabled(bool enabled) {
    m_pages->setEnabled(enabled);
}

void TfrmProbTipo::showQuestion(Question q, bool visible) {
    m_question[static_cast<std::size_t>(q)]->setVisible(visible);
}

void TfrmProbTipo::focusQuestion(Question q) {
    QButtonGroup* answers = m_answers[static_cast<std::size_t>(q)];
    QAbstractButton* button =
        answers->checkedButton() ? answers->checkedButton() : answers->buttons().first();
    button->setFocus(Qt::OtherFocusReason);
}

void TfrmProbTipo::showContinue(int index, bool visible) {
    m_continue[static_cast<std::size_t>(index)]->setVisible(visible);
}

void TfrmProbTipo::layoutPage(Page page, const std::vector<taldor::PlacedControl>& placed) {
    const std::vector<QWidget*>& controls = m_rowControls[Index(page)];
    for (QWidget* w : controls) w->hide();
    for (const taldor::PlacedControl& p : placed) {
        const QString name = Text(p.name);
        for (QWidget* w : controls) {
            if (w->objectName() != name) continue;
            w->move(w->x(), p.top);
            w->show();
            break;
        }
    }
}

void TfrmProbTipo::setDepthCaption(const std::string& caption) {
    m_label[Index(Box::FlujTiraRest)]->setText(Text(caption));
}

void TfrmProbTipo::setRoughnessOption(bool byHeight) {
    (byHeight ? m_rbHeight : m_rbManning)->setChecked(true);
    m_edit[Index(Box::AltuRugoCauc)]->setEnabled(byHeight);
    m_unit[Index(Box::AltuRugoCauc)]->setEnabled(byHeight);
    m_edit[Index(Box::CaucCoefMannCauc)]->setEnabled(!byHeight);
    m_unit[Index(Box::CaucCoefMannCauc)]->setEnabled(!byHeight);
}

void TfrmProbTipo::showPanel(const taldor::PanelState& panel) {
    m_panel->setVisible(panel.visible);
    if (!panel.visible) return;
    m_panel->resize(m_panel->width(), panel.height);
    for (int k = 0; k < taldor::kSlotCount; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        const taldor::FormulaSlot& slot = panel.slot[i];
        m_slotButton[i]->setVisible(slot.shown);
        m_rangeButton[i]->setVisible(slot.shown);
        m_slotLabel[i]->setText(Text(slot.caption));
        SetBold(m_slotLabel[i], slot.bold);
        m_slotLabel[i]->setVisible(slot.labelVisible);
    }
}

void TfrmProbTipo::setLabelHighlight(Box box, bool highlighted) {
    QLabel* label = m_label[Index(box)];
    if (!label) return;
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText,
                 highlighted ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
    label->setPalette(pal);
}

void TfrmProbTipo::startHighlightTimer() {
    m_timer->start();
}

void TfrmProbTipo::stopHighlightTimer() {
    m_timer->stop();
}

void TfrmProbTipo::showSeries(int slot, const taldor::SeriesState& series) {
    m_chart->showSeries(slot, series);
}

void TfrmProbTipo::setProblemTitle(const std::string& caption) {
    m_results->setProblemTitle(Text(caption));
}

void TfrmProbTipo::showResults(const taldor::ResultsPage& page) {
    m_results->showResults(page);
}

void TfrmProbTipo::openRangeSheet(const std::string& sheetClass) {
    taldor::reference::ShowRangeSheet(this, Text(sheetClass));
}
