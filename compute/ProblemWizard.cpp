#include "ProblemWizard.h"

#include "Classification.h"
#include "NumberReading.h"

namespace taldor {

const char* const kNoRangesMessage = "Ranges of calibration/validation not available";

const char* QuestionName(Question q) {
    switch (q) {
        case Question::Rg0:
            return "rg0";
        case Question::Rg00:
            return "rg00";
        case Question::Rg01:
            return "rg01";
        case Question::Rg02:
            return "rg02";
        case Question::Rg000:
            return "rg000";
    }
    return "";
}

const char* ContinueName(int index) {
    static const char* const names[kContinueCount] = {"btnContAfue01", "btnContAfue12",
                                                      "btnContAfue23"};
    return index >= 0 && index < kContinueCount ? names[index] : "";
}

const char* RangeSheetFor(std::int32_t code, int slot) {
    static const char* const culvert[kSlotCount] = {"TfrmRangPAGRaBe", "TfrmRangPAGRuff",
                                                    "TfrmRangPAGBreu", "TfrmRangPAGHoff"};
    static const char* const wide[kSlotCount] = {"TfrmRangPACQayo", "TfrmRangPACAlBa",
                                                 "TfrmRangPACBreu", "TfrmRangPACHoff"};
    if (slot < 0 || slot >= kSlotCount) return nullptr;
    switch (code) {
        case 31:
            return culvert[slot];
        case 122:
            return wide[slot];
        case 1121:
            return slot == 0 ? "TfrmRangPEnBoJu" : nullptr;
        case 1122:
            if (slot == 0) return "TfrmRangPCZBoJu";
            return slot == 1 ? "TfrmRangPCZFahl" : nullptr;
        default:
            return nullptr;
    }
}

// The window as the driver sees it.
class ProblemWizard::Adapters final : public InputSource,
                                      public SlotLabels,
                                      public ChartSeries,
                                      public PageTabs,
                                      public TitleLabel {
public:
    explicit Adapters(ProblemWizard& w) : m_w(w) {}
    std::string boxText(Box box) const override { return m_w.m_view.boxText(box); }
    bool roughnessByHeight() const override { return m_w.m_byHeight; }
    std::string caption(int slot) const override {
        return m_w.m_panel.slot[static_cast<std::size_t>(slot)].caption;
    }
    bool isBold(int slot) const override {
        return m_w.m_panel.slot[static_cast<std::size_t>(slot)].bold;
    }
    void setTitle(int slot, const std::string& title) override {
        m_w.m_series[static_cast<std::size_t>(slot)].title = title;
        m_w.m_seriesDirty[static_cast<std::size_t>(slot)] = true;
    }
    void addPoint(int slot, double t, double z) override {
        std::vector<SeriesPoint>& points = m_w.m_series[static_cast<std::size_t>(slot)].points;
        // A curve brings up to kMaxCurvePoints points: room for a whole curve at once, rather
        // than a dozen copies of a doubling vector.
        if (points.size() == points.capacity()) points.reserve(points.size() + kMaxCurvePoints);
        points.push_back({t, z});
        m_w.m_seriesDirty[static_cast<std::size_t>(slot)] = true;
    }
    void setTabVisible(Page page, bool visible) override { m_w.setTab(page, visible); }
    void setActivePage(Page page) override { m_w.changePage(page); }
    void setCaption(const std::string& caption) override {
        m_w.m_title = caption;
        m_w.m_view.setProblemTitle(caption);
    }

private:
    ProblemWizard& m_w;
};

ProblemWizard::ProblemWizard(WizardView& view) : m_view(view) {
    static const char* const initialTitles[kSlotCount] = {"(a)", "(b)", "(c)", "(d)"};
    for (int k = 0; k < kSlotCount; ++k) m_series[static_cast<std::size_t>(k)].title = initialTitles[k];
    for (const BoxInfo& info : BoxCatalogue()) m_entry[Index(info.box)] = EntryValue::Of(m_view.boxText(info.box));
    m_tabVisible[Index(Page::Nivel0)] = true;
    for (int p = 0; p < kPageCount; ++p) m_view.showTab(static_cast<Page>(p), p == 0);
    m_view.setRoughnessOption(false);
    m_view.showActivePage(Page::Nivel0);
    pageShown(Page::Nivel0);
}

ProblemWizard::~ProblemWizard() = default;

// ---- Pages and tabs -------------------------------------------------------------------------

void ProblemWizard::setTab(Page page, bool visible) {
    if (m_tabVisible[Index(page)] == visible) return;
    m_tabVisible[Index(page)] = visible;
    m_view.showTab(page, visible);
}

void ProblemWizard::changePage(Page page) {
    if (page == m_active) return;
    const Page old = m_active;
    pageHidden(old);
    m_active = page;
    m_view.showActivePage(page);
    pageShown(page);
}

bool ProblemWizard::selectPage(Page page) {
    if (!m_pagesEnabled || !tabVisible(page)) return false;
    changePage(page);
    return true;
}

void ProblemWizard::composeCode(int level) {
    m_state.ProbCodi = ComposeProblemCode(level, m_state.ClasPlatSufi, m_state.ClasFeno,
                                          m_state.ClasObst, m_state.ClasChor);
}

void ProblemWizard::pageShown(Page page) {
    switch (page) {
        case Page::Nivel0:
            composeCode(kLevelGlobal);
            break;
        case Page::Nivel1:
            composeCode(kLevelLocal);
            m_depthCaption = m_state.ProbCodi == 2 ? "Upstream water depth" : "Downstream water depth";
            m_view.setDepthCaption(m_depthCaption);
            break;
        case Page::Nivel2:
            composeCode(kLevelStructure);
            m_view.layoutPage(Page::Nivel2, PlaceRows(StructureRows(m_state.ProbCodi)));
            break;
        case Page::Nivel3:
            showComplementaryPage();
            break;
        case Page::Problema:
            composeCode(kLevelResults);
            m_results = BuildResultsPage(m_state.ProbCodi, m_state, m_panel.slot);
            m_view.showResults(*m_results);
            break;
        case Page::Grafico:
            break;
    }
}

void ProblemWizard::showComplementaryPage() {
    composeCode(kLevelComplementary);
    m_view.layoutPage(Page::Nivel3, PlaceRows(ComplementaryRows(m_state.ProbCodi)));
    FillPanel(m_panel, m_state.ProbCodi, [this](Box b) { return present(b); });
    m_view.showPanel(m_panel);
}

void ProblemWizard::pageHidden(Page page) {
    switch (page) {
        case Page::Nivel0:
            setQuestion(Question::Rg0, false);
            break;
        case Page::Nivel1:
            setQuestion(Question::Rg00, false);
            setQuestion(Question::Rg01, false);
            setQuestion(Question::Rg02, false);
            break;
        case Page::Nivel2:
        case Page::Nivel3:
            setQuestion(Question::Rg000, false);
            break;
        case Page::Problema:
        case Page::Grafico:
            return;
    }
    for (int i = 0; i < kContinueCount; ++i) setContinue(i, false);
}

void ProblemWizard::setQuestion(Question q, bool visible) {
    m_questionVisible[static_cast<std::size_t>(q)] = visible;
    m_view.showQuestion(q, visible);
}

void ProblemWizard::setContinue(int index, bool visible) {
    m_continueVisible[static_cast<std::size_t>(index)] = visible;
    m_view.showContinue(index, visible);
}

void ProblemWizard::setPagesEnabledState(bool enabled) {
    m_pagesEnabled = enabled;
    m_view.setPagesEnabled(enabled);
}

void ProblemWizard::openQuestion(Question q, int continueIndex) {
    setPagesEnabledState(false);
    setQuestion(q, true);
    m_view.focusQuestion(q);
    setContinue(continueIndex, true);
}

// ---- Questions ------------------------------------------------------------------------------

void ProblemWizard::btnN0Click() { openQuestion(Question::Rg0, 0); }

void ProblemWizard::btnN1Click() {
    switch (m_state.ProbCodi) {
        case 1:
            openQuestion(Question::Rg00, 1);
            break;
        case 2:
            openQuestion(Question::Rg01, 1);
            break;
        case 3:
            openQuestion(Question::Rg02, 1);
            break;
        default:
            break;
    }
}

void ProblemWizard::btnContAfue01Click(int item) {
    const auto answer = PhenomenonAnswer(item);
    if (!answer) return;
    const int old = m_state.ClasFeno;
    m_state.ClasFeno = *answer;
    setTab(Page::Nivel1, true);
    changePage(Page::Nivel1);
    invalidateOnBranchChange(*answer, old);
    setPagesEnabledState(true);
}

void ProblemWizard::btnContAfue12Click(int item) {
    m_lastError = {};
    const ObstacleAnswerResult answer = ObstacleAnswer(m_state.ProbCodi, item);
    if (answer.inactiveBranch) {
        m_lastError = {CommandError::Kind::InactiveBranch, kInactiveBranchMessage, std::nullopt};
        message(kInactiveBranchMessage);
        return;
    }
    if (!answer.value) return;
    const int old = m_state.ClasObst;
    m_state.ClasObst = *answer.value;
    setTab(Page::Nivel2, true);
    changePage(Page::Nivel2);
    invalidateOnBranchChange(*answer.value, old);
    setPagesEnabledState(true);
}

void ProblemWizard::btnContAfue23Click(int item) {
    const auto answer = JetAnswer(item);
    if (!answer) return;
    const int old = m_state.ClasChor;
    m_state.ClasChor = *answer;
    setTab(Page::Nivel3, true);
    changePage(Page::Nivel3);
    invalidateOnBranchChange(*answer, old);
    setPagesEnabledState(true);
}

void ProblemWizard::btnN2Click() {
    m_lastError = {};
    // Reads one box for the protection test; a text that is not a number (which the exit check
    // normally excludes) is refused like a typed one.
    auto read = [this](Box box) -> std::optional<double> {
        const auto v = ReadNumber(m_view.boxText(box));
        if (!v) refuse(box, CheckBoxText(box, m_view.boxText(box)).message);
        return v;
    };
    const auto h = read(Box::FlujTiraRest);
    if (!h) return;
    m_state.FlujTiraRest = *h;
    try {
        switch (m_state.ProbCodi) {
            case 11: {
                const auto s = read(Box::EstrAltuSaltFond);
                if (!s) return;
                m_state.EstrAltuSaltFond = *s;
                const auto L = read(Box::EstrLongPlat);
                if (!L) return;
                m_state.EstrLongPlat = *L;
                const bool sufficient = StepProtectionSufficient(*L, *s);
                if (!sufficient) message(kProtectionTooShortMessage);
                m_state.ClasPlatSufi = sufficient;
                if (sufficient) {
                    setTab(Page::Nivel3, true);
                    changePage(Page::Nivel3);
                } else {
                    openQuestion(Question::Rg000, 2);
                }
                break;
            }
            case 12: {
                const auto a = read(Box::EstrAltuAper);
                if (!a) return;
                m_state.EstrAltuAper = *a;
                const auto L = read(Box::EstrLongPlat);
                if (!L) return;
                m_state.EstrLongPlat = *L;
                const bool sufficient = OpeningProtectionSufficient(*L, *h, *a);
                if (!sufficient) message(kProtectionTooShortMessage);
                m_state.ClasPlatSufi = sufficient;
                setTab(Page::Nivel3, true);
                changePage(Page::Nivel3);
                break;
            }
            case 21: {
                const auto longitudinal = read(Box::EstrLongEstr);
                if (!longitudinal) return;
                m_state.EstrLongEstr = *longitudinal;
                const auto L = read(Box::EstrLongPlat);
                if (!L) return;
                m_state.EstrLongPlat = *L;
                const auto transversal = read(Box::EstrAnchEstr);
                if (!transversal) return;
                m_state.EstrAnchEstr = *transversal;
                const bool sufficient = MarginProtectionSufficient(*L, *h);
                if (!sufficient) message(kProtectionTooShortMessage);
                m_state.ClasPlatSufi = sufficient;
                if (sufficient) {
                    // The protected spur dike has no complementary data: its calculation runs at
                    // once, without the Complementary Data tab.
                    showComplementaryPage();
                    btnN3Click();
                } else {
                    setTab(Page::Nivel3, true);
                    changePage(Page::Nivel3);
                }
                break;
            }
            case 22: {
                const auto b = read(Box::EstrAnchPila);
                if (!b) return;
                m_state.EstrAnchPila = *b;
                const auto lp = read(Box::EstrLongPila);
                if (!lp) return;
                m_state.EstrLongPila = *lp;
                setTab(Page::Nivel3, true);
                changePage(Page::Nivel3);
                break;
            }
            case 31: {
                const auto d = read(Box::EstrDiamAper);
                if (!d) return;
                m_state.EstrDiamAper = *d;
                const auto n = read(Box::EstrCantAper);
                if (!n) return;
                m_state.EstrCantAper = *n;
                setTab(Page::Nivel3, true);
                changePage(Page::Nivel3);
                break;
            }
            default:
                break;
        }
    } catch (const FloatingPointFault& fault) {
        m_lastError = {CommandError::Kind::Fault, fault.what(), std::nullopt};
        message(fault.what());
    }
}

void ProblemWizard::btnN3Click() {
    m_lastError = {};
    Adapters window(*this);
    const CalcOutcome outcome = RunCalculation(m_state, window, window, window, window, window);
    flushSeries();
    switch (outcome.status) {
        case CalcOutcome::Status::Done:
        case CalcOutcome::Status::NoRoutine:
            break;
        case CalcOutcome::Status::Fault:
            m_lastError = {CommandError::Kind::Fault, outcome.message, std::nullopt};
            message(outcome.message);
            break;
        case CalcOutcome::Status::InvalidInput:
            refuse(*outcome.box, CheckBoxText(*outcome.box, m_view.boxText(*outcome.box)).message);
            break;
    }
}

// ---- Input boxes ----------------------------------------------------------------------------

void ProblemWizard::boxEnter(Box box) {
    // The focus given back to a refused box is not a new entry: the value it held when the user
    // first entered it stays the reference.
    if (m_refusedBox == box) return;
    m_entry[Index(box)] = EntryValue::Of(m_view.boxText(box));
}

bool ProblemWizard::boxExit(Box box) {
    const std::string text = m_view.boxText(box);
    const ExitVerdict verdict = CheckBoxText(box, text);
    if (!verdict.accepted) {
        refuse(box, verdict.message);
        return false;
    }
    if (m_refusedBox == box) m_refusedBox.reset();
    const BoxInfo& info = Info(box);
    const EntryValue& entry = m_entry[Index(box)];
    const bool changed = ValueChanged(entry, text);
    if (info.invalidation == Invalidation::KeyValue) {
        invalidateOnKeyValueChange(changed);
    } else {
        invalidateOnInputChange(info.page, changed, entry.asNumber());
    }
    // The inputs of the classification are stored at once.
    const double v = ReadNumber(text).value_or(0.0);
    switch (box) {
        case Box::FlujTiraRest:
            m_state.FlujTiraRest = v;
            break;
        case Box::EstrAltuSaltFond:
            m_state.EstrAltuSaltFond = v;
            break;
        case Box::EstrAltuAper:
            m_state.EstrAltuAper = v;
            break;
        case Box::EstrLongPlat:
            if (m_state.ProbCodi == 11 || m_state.ProbCodi == 12 || m_state.ProbCodi == 21) {
                m_state.EstrLongPlat = v;
            }
            break;
        default:
            break;
    }
    m_entry[Index(box)] = EntryValue::Of(text);
    return true;
}

void ProblemWizard::boxChanged(Box box) {
    if (Info(box).page != Page::Nivel3) return;
    const auto rule = RuleForChangedBox(box, m_state.ProbCodi);
    if (!rule) return;
    if (const auto codes = AvailabilityRule(*rule, [this](Box b) { return present(b); })) {
        ApplyAvailability(m_panel, *codes);
        m_view.showPanel(m_panel);
    }
}

bool ProblemWizard::pickerChosen(Box box, const std::string& text) {
    m_entry[Index(box)] = EntryValue::Of(m_view.boxText(box));
    m_view.setBoxText(box, text);
    return boxExit(box);
}

void ProblemWizard::chooseRoughness(bool byHeight) {
    if (byHeight == m_byHeight) return;
    m_byHeight = byHeight;
    m_view.setRoughnessOption(byHeight);
    // As a changed ordinary input of the Global Data page: no valid width equals -1.
    invalidateOnInputChange(Page::Nivel0, true, -1.0);
}

void ProblemWizard::refuse(Box box, const std::string& text) {
    m_lastError = {CommandError::Kind::Refused, text, box};
    m_refusedBox = box;
    m_view.setBoxText(box, "");
    m_view.focusBox(box);
    message(text);
}

void ProblemWizard::message(const std::string& text) { m_view.showMessage(text); }

bool ProblemWizard::present(Box box) const { return !m_view.boxText(box).empty(); }

// ---- Invalidation ---------------------------------------------------------------------------

void ProblemWizard::hideLaterPagesAndClear() {
    for (int p = static_cast<int>(m_active) + 1; p < kPageCount; ++p) setTab(static_cast<Page>(p), false);
    for (int p = kPageCount - 1; p >= 0; --p) {
        if (m_tabVisible[static_cast<std::size_t>(p)]) {
            changePage(static_cast<Page>(p));
            break;
        }
    }
    clearSeries();
}

void ProblemWizard::invalidateOnBranchChange(int newAnswer, int oldAnswer) {
    if (newAnswer == oldAnswer) return;
    hideLaterPagesAndClear();
}

void ProblemWizard::invalidateOnKeyValueChange(bool changed) {
    if (changed) hideLaterPagesAndClear();
}

void ProblemWizard::invalidateOnInputChange(Page page, bool changed, double remembered) {
    if (!changed && remembered == 0.0) return;
    if (changed) {
        setTab(Page::Problema, false);
        setTab(Page::Grafico, false);
    }
    changePage(page);
    clearSeries();
}

// ---- Formula slots --------------------------------------------------------------------------

void ProblemWizard::slotClick(int slot) {
    for (Box box : HighlightedInputs(m_state.ProbCodi, slot)) {
        m_highlighted[Index(box)] = true;
        m_view.setLabelHighlight(box, true);
    }
    if (!m_timerRunning) {
        m_timerRunning = true;
        m_view.startHighlightTimer();
    }
}

void ProblemWizard::timerTimer() {
    for (Box box : HighlightableInputs()) {
        m_highlighted[Index(box)] = false;
        m_view.setLabelHighlight(box, false);
    }
    m_timerRunning = false;
    m_view.stopHighlightTimer();
}

void ProblemWizard::rangeButtonClick(int slot) {
    if (const char* sheet = RangeSheetFor(m_state.ProbCodi, slot)) {
        m_view.openRangeSheet(sheet);
    } else {
        message(kNoRangesMessage);
    }
}

// ---- Series ---------------------------------------------------------------------------------

void ProblemWizard::clearSeries() {
    for (int k = 0; k < kSlotCount; ++k) {
        SeriesState& s = m_series[static_cast<std::size_t>(k)];
        s.points.clear();
        m_seriesDirty[static_cast<std::size_t>(k)] = false;
        m_view.showSeries(k, s);
    }
}

void ProblemWizard::flushSeries() {
    for (int k = 0; k < kSlotCount; ++k) {
        if (!m_seriesDirty[static_cast<std::size_t>(k)]) continue;
        m_seriesDirty[static_cast<std::size_t>(k)] = false;
        m_view.showSeries(k, m_series[static_cast<std::size_t>(k)]);
    }
}

}  // namespace taldor
