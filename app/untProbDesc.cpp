#include "untProbDesc.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "Hint.h"
#include "SvgIcon.h"
#include "untPict.h"

namespace {

struct PageText {
    const char* name;
    const char* caption;
    const char* text;
};

const PageText kPages[] = {
    {"tbshMecaGene", "General mechanism",
     "The presence of hydraulic structures in a water current leads to a flow contraction "
     "followed by an expansion (C/E). The consequent generation of coherent turbulent structures, "
     "which are responsible for the process of local scour."},
    {"tbshFenoDomi", "Dominant phenomenon",
     "In general, the C/E can be produced either in the vertical or in the horizontal plane. A "
     "methodology is proposed consisting in establishing if the dominant phenomenon is taking "
     "place in one of the two planes or in both at the same time"},
    {"tbshCEVert", "Vertical C/E",
     "The C/E in the vertical plane can be originated in variations of the bottom level (sills, "
     "steps) or in hydraulic structures which penetrate the flow through the free surface "
     "(gates, wide culverts)"},
    {"tbshCEHori", "Horizontal C/E",
     "The C/E in the horizontal plane can be produced by protuberances at the river margins "
     "(abutments, spur dikes) of by obstructions within the water course (bridge piers)."},
    {"tbshCEVertHori", "Vert./Hor. C/E",
     "The C/E simultaneously in both planes may be caused by orifices (narrow culverts) of by a "
     "combination of structures at the bottom or surface with protuberances or obstructions "
     "(sills and spur dikes, steps and bridge piers)."},
    {"tbshProblTipo", "Model Problem",
     "Once identified the dominant phenomenon, the calculation of the maximum scour depth is "
     "performed by assimilating the analyzed problem to a model problem, for which one or more "
     "formulae are available to estimate that depth."},
};

struct PictureButton {
    const char* name;
    const char* windowClass;
    void (TfrmProbDesc::*click)();
};

struct ModelProblemLine {
    const char* text;
    PictureButton buttons[2];
};

const ModelProblemLine kModelProblems[] = {
    {"Problem of the confined vortex (PCV)",
     {{"bbtnPictPVC1", "TfrmPictPVC1", &TfrmProbDesc::bbtnPictPVC1Click},
      {"bbtnPictPVC2", "TfrmPictPVC2", &TfrmProbDesc::bbtnPictPVC2Click}}},
    {"Problem of the step (PSt)",
     {{"bbtnPictPEn", "TfrmPictPEn", &TfrmProbDesc::bbtnPictPEnClick}, {}}},
    {"Problem of the plunging jet (PPJ)",
     {{"bbtnPictPCZ", "TfrmPictPCZ", &TfrmProbDesc::bbtnPictPCZClick}, {}}},
    {"Problem of the wide culvert (PWC)",
     {{"BitBtn4", "TfrmPictPAC", &TfrmProbDesc::bbtnPictPACClick}, {}}},
    {"Problem of the spur dike/abutment (PDA)",
     {{"bbtnPictPEs1", "TfrmPictPEs1", &TfrmProbDesc::bbtnPictPEs1Click},
      {"bbtnPictPEs2", "TfrmPictPES2", &TfrmProbDesc::bbtnPictPEs2Click}}},
    {"Problem of the protected spur dike/abutment (PPA)",
     {{"bbtnPictPEP", "TfrmPictPEP", &TfrmProbDesc::bbtnPictPEPClick}, {}}},
    {"Problem of the bridge pier (PBP)",
     {{"BitBtn7", "TfrmPictPPi", &TfrmProbDesc::bbtnPictPPiClick}, {}}},
    {"Problem of the narrow culvert (PNC)",
     {{"bbtnPictPAG", "TfrmPictPAG", &TfrmProbDesc::bbtnPictPAGClick}, {}}},
};

// The picture buttons show a thumbnail of the drawing they open.
const QSize kThumbnail(44, 23);

QLabel* Paragraph(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

TfrmProbDesc::TfrmProbDesc(taldor::ui::FrameServices* frame, QWidget* parent)
    : QWidget(parent), m_frame(frame) {
    setObjectName(QStringLiteral("frmProbDesc"));
    setWindowTitle(QStringLiteral("Description of the calculation methodology"));
    createPages();
    createMenus();
}

TfrmProbDesc::~TfrmProbDesc() = default;

QList<QMenu*> TfrmProbDesc::ownMenus() const {
    return m_menus;
}

void TfrmProbDesc::createPages() {
    pgDescripcion = new QTabWidget(this);
    pgDescripcion->setObjectName(QStringLiteral("pgDescripcion"));
    QFont larger = pgDescripcion->font();
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() + 1);
    else
        larger.setPixelSize(larger.pixelSize() + 1);
    pgDescripcion->setFont(larger);

    for (const PageText& page : kPages) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QString::fromLatin1(page.name));
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(14, 12, 14, 12);
        layout->addWidget(Paragraph(page.text, sheet));
        if (&page == &kPages[std::size(kPages) - 1]) {
            layout->addSpacing(6);
            layout->addWidget(
                Paragraph("The eight model problems considered are the following :", sheet));
            auto* grid = new QGridLayout;
            grid->setContentsMargins(12, 2, 0, 0);
            grid->setHorizontalSpacing(8);
            grid->setVerticalSpacing(3);
            int row = 0;
            for (const ModelProblemLine& line : kModelProblems) {
                grid->addWidget(new QLabel(QString::fromUtf8(line.text), sheet), row, 0,
                                Qt::AlignVCenter);
                int column = 1;
                for (const PictureButton& button : line.buttons) {
                    if (!button.name) continue;
                    const taldor::app::PictureSpec* spec =
                        taldor::app::FindPictureSpec(QLatin1String(button.windowClass));
                    auto* tool = new QToolButton(sheet);
                    tool->setObjectName(QString::fromLatin1(button.name));
                    tool->setIcon(QIcon(
                        taldor::app::SvgPixmap(QString::fromLatin1(spec->resource), kThumbnail)));
                    tool->setIconSize(kThumbnail);
                    tool->setToolTip(QString::fromUtf8(spec->caption));
                    connect(tool, &QToolButton::clicked, this, button.click);
                    grid->addWidget(tool, row, column++);
                }
                ++row;
            }
            grid->setColumnStretch(3, 1);
            layout->addLayout(grid);
        }
        layout->addStretch(1);
        pgDescripcion->addTab(sheet, QString::fromUtf8(page.caption));
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(pgDescripcion);
}

QSize TfrmProbDesc::sizeHint() const {
    const QSize content = QWidget::sizeHint();
    const int tabs = pgDescripcion->tabBar()->sizeHint().width() + 24;
    return QSize(std::max({content.width(), tabs, 640}), std::max(content.height(), 470));
}

void TfrmProbDesc::createMenus() {
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          void (TfrmProbDesc::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    auto* file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    taldor::app::ApplyHint(file->menuAction(), QStringLiteral("File related commands"));
    taldor::app::ApplyHint(
        addItem(file, "mmiFileNew", QStringLiteral("&New"), &TfrmProbDesc::mmiFileNewClick),
        QStringLiteral("New|Create a new file"));
    taldor::app::ApplyHint(
        addItem(file, "mmiFileOpen", QStringLiteral("&Open"), &TfrmProbDesc::mmiFileOpenClick),
        QStringLiteral("Open|Open a file"));
    taldor::app::ApplyHint(
        addItem(file, "mmiFileClose", QStringLiteral("&Close"), &TfrmProbDesc::mmiFileCloseClick),
        QStringLiteral("Close|Close this window"));
    file->addSeparator();
    taldor::app::ApplyHint(
        addItem(file, "mmiFileExit", QStringLiteral("&Exit"), &TfrmProbDesc::mmiFileExitClick),
        QStringLiteral("Exit|Exit application"));

    auto* window = new QMenu(QStringLiteral("&Window"), this);
    window->setObjectName(QStringLiteral("mnuWindow"));
    taldor::app::ApplyHint(window->menuAction(), QStringLiteral("Window related commands"));

    auto* help = new QMenu(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("mnuHelp"));
    taldor::app::ApplyHint(help->menuAction(), QStringLiteral("Help topics"));
    addItem(help, "mmiHelpAbout", QStringLiteral("About..."), &TfrmProbDesc::mmiHelpAboutClick);
    addItem(help, "mmiHelpDesc", QStringLiteral("&Descripción"), &TfrmProbDesc::mmiHelpDescClick);

    m_menus = {file, window, help};
}

void TfrmProbDesc::mmiFileNewClick() {
    m_frame->fileNew();
}
void TfrmProbDesc::mmiFileOpenClick() {
    m_frame->fileOpen();
}
void TfrmProbDesc::mmiFileCloseClick() {
    close();
}
void TfrmProbDesc::mmiFileExitClick() {
    m_frame->fileExit();
}
void TfrmProbDesc::mmiHelpAboutClick() {
    m_frame->helpAbout();
}
void TfrmProbDesc::mmiHelpDescClick() {
    m_frame->helpDescription();
}

void TfrmProbDesc::bbtnPictPVC1Click() {
    m_frame->openPicture(QStringLiteral("TfrmPictPVC1"), this);
}
void TfrmProbDesc::bbtnPictPVC2Click() {
    m_frame->openPicture(QStringLiteral("TfrmPictPVC2"), this);
}
void TfrmProbDesc::bbtnPictPEnClick() {
    m_frame->openPicture(QStringLiteral("TfrmPictPEn"), this);
}
void TfrmProbDesc::bbtnPictPCZClick() {
    m_frame->openPicture(QStringLiteral("TfrmPictPCZ"), this);
}
void TfrmProbDesc::bbtnPictPACClick() {
    m_frame->openPicture(QStringLiteral("TfrmPictPAC"), this);
}
void TfrmProbDesc::bbtnPictPEs1Click() {
    m_frame->openPicture(QStringLiteral("TfrmPictPEs1"), this);
}
void TfrmProbDesc::bbtnPictPEs2Click() {
    m_frame->openPicture(QStringLiteral("TfrmPictPES2"), this);
}
void TfrmProbDesc::bbtnPictPEPClick() {
    m_frame->openPicture(QStringLiteral("TfrmPictPEP"), this);
}
void TfrmProbDesc::bbtnPictPPiClick() {
    m_frame->openPicture(QStringLiteral("TfrmPictPPi"), this);
}
void TfrmProbDesc::bbtnPictPAGClick() {
    m_frame->openPicture(QStringLiteral("TfrmPictPAG"), this);
}
