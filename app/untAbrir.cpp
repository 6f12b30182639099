#include "untAbrir.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfrmAbrir::TfrmAbrir(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbrir"));
    setWindowTitle(QStringLiteral("frmAbrir"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // No data source behind the grid: it shows no rows.
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));

    // "Abrir" and "Cancelar" have no action; the window's close button closes the dialog.
    btnAbrir = new QPushButton(QStringLiteral("Abrir"), this);
    btnAbrir->setObjectName(QStringLiteral("btnAbrir"));
    btnAbrir->setAutoDefault(false);
    btnCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(btnAbrir);
    side->addWidget(btnCancelar);
    side->addSpacing(12);
    const struct {
        const char* name;
        const char* caption;
    } problems[] = {{"cbPVC", "PCV"}, {"cbPEs", "PDA"}, {"cbPPi", "PBP"}, {"cbPEn", "PSt"},
                    {"cbPCZ", "PPJ"}, {"cbPAC", "PWC"}, {"cbPAG", "PNC"}};
    for (const auto& problem : problems) {
        auto* box = new QCheckBox(QString::fromLatin1(problem.caption), this);
        box->setObjectName(QString::fromLatin1(problem.name));
        side->addWidget(box);
        m_problems << box;
    }
    cbTodos = new QCheckBox(QStringLiteral("All"), this);
    cbTodos->setObjectName(QStringLiteral("cbTodos"));
    connect(cbTodos, &QCheckBox::toggled, this, &TfrmAbrir::cbTodosClick);
    side->addWidget(cbTodos);
    side->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(side);
    setFixedSize(520, 320);
}

void TfrmAbrir::cbTodosClick() {
    for (QCheckBox* box : m_problems) box->setEnabled(!box->isEnabled());
}
