#include "ResultsPageView.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "PageRows.h"
#include "ResultsRows.h"

namespace taldor::output {

namespace {

// Columns of the page, left to right; rows follow the input pages' row rule in group 1.
constexpr int kParameterLeft = 16;
constexpr int kParameterWidth = 330;
constexpr int kSlopesLeft = kParameterLeft + kParameterWidth + 4;
constexpr int kSlopesSize = 22;
constexpr int kValueLeft = kSlopesLeft + kSlopesSize + 6;
constexpr int kValueWidth = 122;
constexpr int kUnitLeft = kValueLeft + kValueWidth + 8;
constexpr int kUnitWidth = 70;
constexpr int kButtonsLeft = kUnitLeft + kUnitWidth + 16;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 28;
constexpr int kTitleLeft = 16;
constexpr int kTitleTop = 10;
constexpr int kGroup = 1;
constexpr int kLastRow = 11;

// Every row a problem code may show, with its fixed captions; the captions a calculation sets
// (the depth rows, the pier's failure lengths) are written when the page is shown.
struct RowCaptions {
    const char* stem;
    const char* caption;
    const char* unit;
};
constexpr RowCaptions kRowCaptions[] = {
    {"OutpParaMoviCrit", "Critical mobility factor (Shields)", ""},
    {"OutpParaMovi", "Mobility factor (Shields)", ""},
    {"CondTran", "Transport condition", ""},
    {"OutpVeloCritEros", "Critical erosion velocity", "[m/s]"},
    {"OutpInteRelaTurb", "Turbulence intensity", ""},
    {"OutpCaudSoliTota", "Effective total solid discharge", "[m^2/s]"},
    {"OutpErosMaxi1", "", "[m]"},
    {"OutpErosMaxi2", "", "[m]"},
    {"OutpErosMaxi3", "", "[m]"},
    {"OutpErosMaxi4", "", "[m]"},
    {"OutpLongFall1", "Critical failure length", "[m]"},
    {"OutpLongFall2", "Critical failure length", "[m]"},
    {"OutpLongFall3", "Critical failure length", "[m]"},
    {"OutpPendTalu", "Upstream scour slope", "[º]"},
};

QLabel* BoldLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

ResultsPageView::ResultsPageView(QWidget* parent) : QWidget(parent) {
    // The frame first, so that the title is drawn over it.
    m_frame = new QFrame(this);
    m_frame->setObjectName("bvlProblema");
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setFrameShadow(QFrame::Sunken);
    m_title = BoldLabel(this, "lblProbTipo", QString());
    m_title->move(kTitleLeft, kTitleTop);
    fitFrame();

    const int headTop = LabelTop(1, kGroup);
    m_headParameter = BoldLabel(this, "lblProbPara", "Parameter");
    m_headParameter->move(kParameterLeft, headTop);
    m_headValue = BoldLabel(this, "lblProbValo", "Value");
    m_headValue->move(kValueLeft, headTop);
    m_headUnit = BoldLabel(this, "lblProbUnid", "Units");
    m_headUnit->move(kUnitLeft, headTop);

    for (const RowCaptions& r : kRowCaptions) {
        Row& widgets = row(r.stem);
        widgets.label->setText(r.caption);
        widgets.unit->setText(r.unit);
    }

    m_report = new QPushButton("Report", this);
    m_report->setObjectName("bbtnReporte");
    m_report->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_report->setGeometry(kButtonsLeft, ControlTop(8, kGroup), kButtonWidth, kButtonHeight);
    // The second "Image" button stands beside the first, so that each can be clicked.
    m_image1 = new QPushButton("Image", this);
    m_image1->setObjectName("bbtnShowPUno");
    m_image1->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_image1->setGeometry(kButtonsLeft, ControlTop(10, kGroup), kButtonWidth, kButtonHeight);
    m_image2 = new QPushButton("Image", this);
    m_image2->setObjectName("bbtnShowPDos");
    m_image2->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_image2->setGeometry(kButtonsLeft + kButtonWidth + 6, ControlTop(10, kGroup), kButtonWidth,
                          kButtonHeight);
    m_slopes = new QToolButton(this);
    m_slopes->setObjectName("bbtnPdteCrit");
    m_slopes->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    m_slopes->setToolTip("Limiting slopes for mechanical stability");
    m_slopes->setGeometry(kSlopesLeft, ControlTop(10, kGroup), kSlopesSize, kSlopesSize);

    connect(m_report, &QPushButton::clicked, this, &ResultsPageView::reportClicked);
    connect(m_slopes, &QToolButton::clicked, this, &ResultsPageView::slopesClicked);
    connect(m_image1, &QPushButton::clicked, this, [this] {
        if (!m_picture1.isEmpty()) Q_EMIT pictureClicked(m_picture1);
    });
    connect(m_image2, &QPushButton::clicked, this, [this] {
        if (!m_picture2.isEmpty()) Q_EMIT pictureClicked(m_picture2);
    });

    // Nothing but the fixed items until the first calculation fills the page.
    for (auto& [stem, r] : m_rows) {
        r.label->hide();
        r.value->hide();
        r.unit->hide();
    }
    m_image2->hide();
    m_slopes->hide();
}

QSize ResultsPageView::sizeHint() const {
    return {kButtonsLeft + 2 * kButtonWidth + 6 + 16, LabelTop(kLastRow + 1, kGroup) + 8};
}

ResultsPageView::Row& ResultsPageView::row(const std::string& stem) {
    auto it = m_rows.find(stem);
    if (it != m_rows.end()) return it->second;
    const QString x = QString::fromStdString(stem);
    Row r;
    r.label = new QLabel(this);
    r.label->setObjectName("lbl" + x);
    r.label->setGeometry(kParameterLeft, 0, kParameterWidth, 16);
    r.value = new QLineEdit(this);
    r.value->setObjectName("edt" + x);
    r.value->setReadOnly(true);
    r.value->setGeometry(kValueLeft, 0, kValueWidth, 22);
    r.unit = new QLabel(this);
    r.unit->setObjectName("lbl" + x + "Unid");
    r.unit->setGeometry(kUnitLeft, 0, kUnitWidth, 16);
    return m_rows.emplace(stem, r).first->second;
}

void ResultsPageView::showResults(const taldor::ResultsPage& page) {
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) w->hide();

    m_title->show();
    m_frame->show();
    m_headParameter->show();
    m_headValue->show();
    m_headUnit->show();
    m_report->show();
    m_image1->show();
    m_image2->setVisible(page.secondImage);
    m_slopes->setVisible(page.slopesButton);
    m_picture1 = page.picture1 ? QString(page.picture1) : QString();
    m_picture2 = page.picture2 ? QString(page.picture2) : QString();

    for (const ResultRow& r : page.rows) {
        Row& w = row(r.stem);
        w.label->setText(QString::fromStdString(r.caption));
        w.value->setText(QString::fromStdString(r.value));
        w.value->setCursorPosition(0);
        w.unit->setText(QString::fromStdString(r.unit));
        w.label->move(kParameterLeft, LabelTop(r.row, kGroup));
        w.value->move(kValueLeft, ControlTop(r.row, kGroup));
        w.unit->move(kUnitLeft, LabelTop(r.row, kGroup));
        w.label->show();
        w.value->show();
        w.unit->show();
    }
}

void ResultsPageView::setProblemTitle(const QString& caption) {
    m_title->setText(caption);
    m_title->adjustSize();
    fitFrame();
}

void ResultsPageView::fitFrame() {
    const QRect t = m_title->geometry();
    m_frame->setGeometry(t.left() - 4, t.top() - 4, t.width() + 8, t.height() + 8);
}

}  // namespace taldor::output
