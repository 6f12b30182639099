#include "ReportLayout.h"

#include "PageRows.h"
#include "ProblemWizard.h"

namespace taldor {

namespace {

// The sections of the report, in printing order; each is named after the page it transcribes.
struct Section {
    const char* heading;  // the page's caption
    const char* prefix;   // of its cell names: qrl + prefix + P<n> + R/V/U
    std::size_t capacity;
};
constexpr Section kGlobal{"Global Data", "N0", 8};
constexpr Section kLocal{"Local Data", "N1", 1};
constexpr Section kStructure{"Structure Data", "N2", 3};
constexpr Section kComplementary{"Complementary Data", "N3", 6};
constexpr Section kResults{"Results", "NP", 10};
constexpr const char* kObservationsHeading = "Observations";

// One printed line: parameter name, value and unit.
struct Line {
    std::string parameter;
    std::string value;
    std::string unit;
};

// The Structure Data page of a Results-level code is the one of its first two digits: 1121 and
// 111 were classified through 11, 212 through 21.
std::int32_t StructureCode(std::int32_t code) {
    while (code > 99) code /= 10;
    return code;
}

class LayoutBuilder {
public:
    explicit LayoutBuilder(ReportLayout& layout) : m_layout(layout) {}

    // A section's heading 20 pixels above its first line, then its lines.
    void section(int index, const Section& sec, const std::vector<Line>& lines) {
        heading(index, sec.heading);
        for (std::size_t i = 0; i < lines.size() && i < sec.capacity; ++i) {
            const std::string stem = std::string("qrl") + sec.prefix + "P" + std::to_string(i + 1);
            const int top = ReportLineTop(index, m_nextLine);
            add(stem + "R", lines[i].parameter, ReportFont::Text, ReportAnchor::Left,
                kReportParameterLeft, top);
            add(stem + "V", lines[i].value, ReportFont::Text, ReportAnchor::Right,
                kReportValueRight, top);
            add(stem + "U", lines[i].unit, ReportFont::Text, ReportAnchor::Left, kReportUnitLeft,
                top);
            ++m_nextLine;
        }
    }

    void observations(int index, const std::vector<std::string>& lines) {
        heading(index, kObservationsHeading);
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) text += '\n';
            text += lines[i];
        }
        ReportItem& box = add("qrmObservaciones", text, ReportFont::Text, ReportAnchor::Left,
                              kReportHeadingLeft, ReportLineTop(index, m_nextLine));
        box.width = kReportObservationsWidth;
        box.height = kReportObservationsHeight;
    }

    ReportItem& add(std::string name, std::string text, ReportFont font, ReportAnchor anchor, int x,
                    int top) {
        ReportItem item;
        item.name = std::move(name);
        item.text = std::move(text);
        item.font = font;
        item.anchor = anchor;
        item.x = x;
        item.top = top;
        m_layout.items.push_back(std::move(item));
        return m_layout.items.back();
    }

private:
    void heading(int index, const char* text) {
        add("qrlTitulo" + std::to_string(index), text, ReportFont::Heading, ReportAnchor::Left,
            kReportHeadingLeft, ReportLineTop(index, m_nextLine) - 20);
    }

    ReportLayout& m_layout;
    int m_nextLine = 1;
};

Line BoxLine(const ReportSource& source, Box box) {
    const BoxInfo& info = Info(box);
    return {info.caption, source.boxTexts[static_cast<std::size_t>(box)], info.unit};
}

std::vector<Line> BoxLines(const ReportSource& source, const PageRows& rows) {
    std::vector<Line> lines;
    for (const InputRow& r : rows.inputs) lines.push_back(BoxLine(source, r.box));
    return lines;
}

}  // namespace

const ReportItem* ReportLayout::find(const std::string& name) const {
    for (const ReportItem& item : items) {
        if (item.name == name) return &item;
    }
    return nullptr;
}

int ReportLineTop(int section, int line) {
    return 130 + 40 * section + 20 * line;
}

ReportSource ReportSourceOf(const ProblemWizard& wizard) {
    ReportSource source;
    const auto& results = wizard.results();
    source.code = results ? results->code : wizard.state().ProbCodi;
    source.title = wizard.problemTitle();
    for (const BoxInfo& info : BoxCatalogue()) {
        source.boxTexts[static_cast<std::size_t>(info.box)] = wizard.view().boxText(info.box);
    }
    source.depthCaption = wizard.depthCaption();
    source.roughnessByHeight = wizard.roughnessByHeight();
    if (results) source.results = results->rows;
    return source;
}

ReportLayout BuildReportLayout(const ReportSource& source) {
    ReportLayout layout;
    LayoutBuilder b(layout);
    b.add("qrlProbTipo", source.title, ReportFont::Title, ReportAnchor::Left, kReportTitleLeft,
          kReportTitleTop);

    // The two "Density" lines are the water's and the sediment's; the report, like the page,
    // leaves the category to the order. Line 8 is the roughness as chosen, captioned by its
    // option.
    std::vector<Line> global;
    for (Box box : {Box::AguaDens, Box::AguaTemp, Box::SediDensMate, Box::SediDiamMedi,
                    Box::ForzAcelGrav, Box::FlujCaud, Box::CaucAnchCauc}) {
        global.push_back(BoxLine(source, box));
    }
    global.push_back(
        BoxLine(source, source.roughnessByHeight ? Box::AltuRugoCauc : Box::CaucCoefMannCauc));
    b.section(0, kGlobal, global);

    Line depth = BoxLine(source, Box::FlujTiraRest);
    if (!source.depthCaption.empty()) depth.parameter = source.depthCaption;
    b.section(1, kLocal, {depth});

    b.section(2, kStructure, BoxLines(source, StructureRows(StructureCode(source.code))));
    b.section(3, kComplementary, BoxLines(source, ComplementaryRows(source.code)));

    std::vector<Line> results;
    for (const ResultRow& row : source.results)
        results.push_back({row.caption, row.value, row.unit});
    b.section(4, kResults, results);

    if (source.observations) b.observations(5, *source.observations);
    return layout;
}

}  // namespace taldor
