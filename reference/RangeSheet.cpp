#include "RangeSheet.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace taldor::reference {

namespace {

const taldor::RangeSheetTable& TableOf(const char* className) {
    const taldor::RangeSheetTable* table = taldor::RangeSheetByClass(className);
    Q_ASSERT(table);
    return *table;
}

QLabel* Cell(const QString& text, const QString& name, QWidget* parent, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

}  // namespace

RangeSheet::RangeSheet(const taldor::RangeSheetTable& table, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_table(table) {
    setObjectName(QString(table.className).mid(1));  // frmRangPACQayo, ...
    setWindowTitle(table.caption);

    auto* frame = new QFrame(this);
    frame->setObjectName("pnlRangos");
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);

    const int columns = static_cast<int>(table.headings.size());
    int firstRow = 1;
    if (table.rangeHeading) {
        // Parameter and Units head their columns over two lines; the range heading stands
        // over Calibration and Validation.
        for (int c = 0; c < 2; ++c) {
            grid->addWidget(
                Cell(QString::fromStdString(table.headings[static_cast<std::size_t>(c)]),
                     QString("lblHead%1").arg(c), frame, true),
                0, c, 3, 1, Qt::AlignLeft | Qt::AlignBottom);
        }
        grid->addWidget(Cell(table.rangeHeading, "lblRango", frame, true), 0, 2, 1, columns - 2,
                        Qt::AlignHCenter);
        auto* under = new QFrame(frame);
        under->setFrameShape(QFrame::HLine);
        under->setFrameShadow(QFrame::Plain);
        under->setForegroundRole(QPalette::Mid);
        grid->addWidget(under, 1, 2, 1, columns - 2);
        for (int c = 2; c < columns; ++c) {
            grid->addWidget(
                Cell(QString::fromStdString(table.headings[static_cast<std::size_t>(c)]),
                     QString("lblHead%1").arg(c), frame, true),
                2, c);
        }
        firstRow = 3;
    } else {
        for (int c = 0; c < columns; ++c) {
            grid->addWidget(
                Cell(QString::fromStdString(table.headings[static_cast<std::size_t>(c)]),
                     QString("lblHead%1").arg(c), frame, true),
                0, c);
        }
    }
    auto* line = new QFrame(frame);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, firstRow, 0, 1, columns);
    ++firstRow;

    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            grid->addWidget(Cell(QString::fromStdString(row[c]),
                                 QString("lblCell%1_%2").arg(r).arg(c), frame, false),
                            firstRow + static_cast<int>(r), static_cast<int>(c));
        }
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BitBtn1");
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmRangPAGRaBe::TfrmRangPAGRaBe(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPAGRaBe"), parent) {}
TfrmRangPAGRuff::TfrmRangPAGRuff(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPAGRuff"), parent) {}
TfrmRangPAGBreu::TfrmRangPAGBreu(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPAGBreu"), parent) {}
TfrmRangPAGHoff::TfrmRangPAGHoff(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPAGHoff"), parent) {}
TfrmRangPACQayo::TfrmRangPACQayo(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPACQayo"), parent) {}
TfrmRangPACAlBa::TfrmRangPACAlBa(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPACAlBa"), parent) {}
TfrmRangPACBreu::TfrmRangPACBreu(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPACBreu"), parent) {}
TfrmRangPACHoff::TfrmRangPACHoff(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPACHoff"), parent) {}
TfrmRangPEnBoJu::TfrmRangPEnBoJu(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPEnBoJu"), parent) {}
TfrmRangPCZBoJu::TfrmRangPCZBoJu(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPCZBoJu"), parent) {}
TfrmRangPCZFahl::TfrmRangPCZFahl(QWidget* parent)
    : RangeSheet(TableOf("TfrmRangPCZFahl"), parent) {}
TfrmPdteCritPVC::TfrmPdteCritPVC(QWidget* parent)
    : RangeSheet(TableOf("TfrmPdteCritPVC"), parent) {}

std::unique_ptr<RangeSheet> CreateRangeSheet(const QString& sheetClass, QWidget* parent) {
    using Factory = std::function<RangeSheet*(QWidget*)>;
    struct Entry {
        const char* className;
        Factory make;
    };
    static const Entry entries[] = {
        {"TfrmRangPAGRaBe", [](QWidget* p) -> RangeSheet* { return new TfrmRangPAGRaBe(p); }},
        {"TfrmRangPAGRuff", [](QWidget* p) -> RangeSheet* { return new TfrmRangPAGRuff(p); }},
        {"TfrmRangPAGBreu", [](QWidget* p) -> RangeSheet* { return new TfrmRangPAGBreu(p); }},
        {"TfrmRangPAGHoff", [](QWidget* p) -> RangeSheet* { return new TfrmRangPAGHoff(p); }},
        {"TfrmRangPACQayo", [](QWidget* p) -> RangeSheet* { return new TfrmRangPACQayo(p); }},
        {"TfrmRangPACAlBa", [](QWidget* p) -> RangeSheet* { return new TfrmRangPACAlBa(p); }},
        {"TfrmRangPACBreu", [](QWidget* p) -> RangeSheet* { return new TfrmRangPACBreu(p); }},
        {"TfrmRangPACHoff", [](QWidget* p) -> RangeSheet* { return new TfrmRangPACHoff(p); }},
        {"TfrmRangPEnBoJu", [](QWidget* p) -> RangeSheet* { return new TfrmRangPEnBoJu(p); }},
        {"TfrmRangPCZBoJu", [](QWidget* p) -> RangeSheet* { return new TfrmRangPCZBoJu(p); }},
        {"TfrmRangPCZFahl", [](QWidget* p) -> RangeSheet* { return new TfrmRangPCZFahl(p); }},
        {"TfrmPdteCritPVC", [](QWidget* p) -> RangeSheet* { return new TfrmPdteCritPVC(p); }},
    };
    for (const Entry& e : entries) {
        if (sheetClass == e.className) return std::unique_ptr<RangeSheet>(e.make(parent));
    }
    return nullptr;
}

}  // namespace taldor::reference
