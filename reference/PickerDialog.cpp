#include "PickerDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

namespace taldor::reference {

namespace {

const taldor::PickerTable& TableOf(const char* className) {
    const taldor::PickerTable* table = taldor::PickerByClass(className);
    Q_ASSERT(table);
    return *table;
}

QLabel* Cell(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

// Two piles seen from above, side by side across the flow, on a diagonal, or one behind the
// other in the direction of the flow.
class PilePair : public QWidget {
public:
    enum class Arrangement { SideBySide, Diagonal, InLine };
    PilePair(Arrangement arrangement, QWidget* parent)
        : QWidget(parent), m_arrangement(arrangement) {
        setFixedSize(56, 56);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
        p.setBrush(palette().color(QPalette::Mid));
        const double r = 7;
        const QPointF c = rect().center();
        QPointF a, b;
        switch (m_arrangement) {
            case Arrangement::SideBySide:
                a = c + QPointF(-14, 0);
                b = c + QPointF(14, 0);
                break;
            case Arrangement::Diagonal:
                a = c + QPointF(-12, -12);
                b = c + QPointF(12, 12);
                break;
            case Arrangement::InLine:
                a = c + QPointF(0, -14);
                b = c + QPointF(0, 14);
                break;
        }
        p.drawEllipse(a, r, r);
        p.drawEllipse(b, r, r);
    }

private:
    Arrangement m_arrangement;
};

PilePair::Arrangement ArrangementOf(const std::string& text) {
    if (text == "diagonal") return PilePair::Arrangement::Diagonal;
    if (text == "one above the other") return PilePair::Arrangement::InLine;
    return PilePair::Arrangement::SideBySide;
}

}  // namespace

PickerDialog::PickerDialog(const taldor::PickerTable& table, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_table(table) {
    setObjectName(QString(table.className).mid(1));  // frmAhmaCICC, ...
    setWindowTitle(table.caption);

    auto* frame = new QFrame(this);
    frame->setObjectName("pnlTabla");
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);

    int column = 0;
    for (const taldor::PickerHeading& h : table.headings) {
        grid->addWidget(Cell(QString::fromStdString(h.text), frame, true), 0, column, 1, h.span);
        column += h.span;
    }
    auto* line = new QFrame(frame);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 1, 0, 1, column + (table.buttonsAreValues ? 0 : 1));

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    if (table.groupName) m_group->setObjectName(table.groupName);

    const int rows = static_cast<int>(table.rows.size());
    const int columns = column + (table.buttonsAreValues ? 0 : 1);
    int gridRow = 1;
    for (int r = 0; r < rows; ++r) {
        const taldor::PickerRow& row = table.rows[static_cast<std::size_t>(r)];
        // A thin line between groups of rows that share their first cell.
        if (r > 0 && !row.cells.empty() && !row.cells.front().empty()) {
            auto* rule = new QFrame(frame);
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Plain);
            rule->setForegroundRole(QPalette::Mid);
            grid->addWidget(rule, ++gridRow, 0, 1, columns);
        }
        ++gridRow;
        int c = 0;
        for (const std::string& text : row.cells) {
            if (table.buttonsAreValues && c == 0) {
                // The arrangement of the piles, drawn once over its group of rows.
                if (!text.empty()) {
                    int span = 1;
                    while (r + span < rows &&
                           table.rows[static_cast<std::size_t>(r + span)].cells[0].empty()) {
                        ++span;
                    }
                    auto* pair = new PilePair(ArrangementOf(text), frame);
                    pair->setToolTip(QString::fromStdString(text));
                    grid->addWidget(pair, gridRow, 0, span, 1, Qt::AlignCenter);
                }
            } else if (!text.empty()) {
                grid->addWidget(Cell(QString::fromStdString(text), frame), gridRow, c);
            }
            ++c;
        }
        if (table.buttonsAreValues) {
            // The value cells are the buttons, numbered down each column: rb1 .. rb9, rb10 ...
            for (std::size_t v = 0; v < row.values.size(); ++v) {
                const int id = static_cast<int>(v) * rows + r;
                auto* button = new QRadioButton(QString::fromStdString(row.values[v].shown), frame);
                button->setObjectName(QString("rb%1").arg(id + 1));
                m_group->addButton(button, id);
                grid->addWidget(button, gridRow, c + static_cast<int>(v));
            }
        } else {
            grid->addWidget(Cell(QString::fromStdString(row.values.front().shown), frame), gridRow,
                            c, Qt::AlignRight);
            auto* button = new QRadioButton(frame);
            button->setObjectName(QString("%1Item%2").arg(table.groupName).arg(r));
            m_group->addButton(button, r);
            grid->addWidget(button, gridRow, c + 1);
        }
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName(table.okName);
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("bbtnCanc");
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int PickerDialog::itemIndex() const {
    return m_group->checkedId();
}

QString PickerDialog::ValorElegido() const {
    return QString::fromStdString(taldor::ChosenValue(m_table, itemIndex()));
}

TfrmAhmaCICC::TfrmAhmaCICC(QWidget* parent) : PickerDialog(TableOf("TfrmAhmaCICC"), parent) {}
TfrmAhmaCIPO::TfrmAhmaCIPO(QWidget* parent) : PickerDialog(TableOf("TfrmAhmaCIPO"), parent) {}
TfrmAhmaCIAA::TfrmAhmaCIAA(QWidget* parent) : PickerDialog(TableOf("TfrmAhmaCIAA"), parent) {}
TfrmAnguRepo::TfrmAnguRepo(QWidget* parent) : PickerDialog(TableOf("TfrmAnguRepo"), parent) {}
TfrmHiGrup::TfrmHiGrup(QWidget* parent) : PickerDialog(TableOf("TfrmHiGrup"), parent) {}
TfrmCIFOks::TfrmCIFOks(QWidget* parent) : PickerDialog(TableOf("TfrmCIFOks"), parent) {}
TfrmCIFOkb::TfrmCIFOkb(QWidget* parent) : PickerDialog(TableOf("TfrmCIFOkb"), parent) {}
TfrmCIFOkl::TfrmCIFOkl(QWidget* parent) : PickerDialog(TableOf("TfrmCIFOkl"), parent) {}

std::unique_ptr<PickerDialog> CreatePicker(taldor::Box box, QWidget* parent) {
    using Factory = std::function<PickerDialog*(QWidget*)>;
    struct Entry {
        const char* className;
        Factory make;
    };
    static const Entry entries[] = {
        {"TfrmAhmaCICC", [](QWidget* p) -> PickerDialog* { return new TfrmAhmaCICC(p); }},
        {"TfrmAhmaCIPO", [](QWidget* p) -> PickerDialog* { return new TfrmAhmaCIPO(p); }},
        {"TfrmAhmaCIAA", [](QWidget* p) -> PickerDialog* { return new TfrmAhmaCIAA(p); }},
        {"TfrmAnguRepo", [](QWidget* p) -> PickerDialog* { return new TfrmAnguRepo(p); }},
        {"TfrmHiGrup", [](QWidget* p) -> PickerDialog* { return new TfrmHiGrup(p); }},
        {"TfrmCIFOks", [](QWidget* p) -> PickerDialog* { return new TfrmCIFOks(p); }},
        {"TfrmCIFOkb", [](QWidget* p) -> PickerDialog* { return new TfrmCIFOkb(p); }},
        {"TfrmCIFOkl", [](QWidget* p) -> PickerDialog* { return new TfrmCIFOkl(p); }},
    };
    const taldor::PickerTable* table = taldor::PickerFor(box);
    if (!table) return nullptr;
    for (const Entry& e : entries) {
        if (std::string(e.className) == table->className) {
            return std::unique_ptr<PickerDialog>(e.make(parent));
        }
    }
    return nullptr;
}

}  // namespace taldor::reference
