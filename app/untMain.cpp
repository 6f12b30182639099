#include "untMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "Hint.h"
#include "Modal.h"
#include "SvgIcon.h"
#include "untAbrir.h"
#include "untIntro.h"
#include "untPict.h"
#include "untProbDesc.h"
#include "untProbTipo.h"

namespace {

// The calculation window has a system menu and a minimise button but no maximise button.
constexpr Qt::WindowFlags kCalculationFlags =
    Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
// A picture window is as large as its drawing and no larger.
constexpr Qt::WindowFlags kPictureFlags = kCalculationFlags;

// Child windows that are being closed are still listed until their deletion; they do not count.
QList<QMdiSubWindow*> OpenSubWindows(const QMdiArea* area) {
    QList<QMdiSubWindow*> open;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
        if (!sub->isHidden() && sub->widget()) open << sub;
    return open;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("OSKA - TALDOR - PALUX S.A."));

    m_workspace = new QMdiArea(this);
    m_workspace->setObjectName(QStringLiteral("mdiArea"));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_workspace);
    connect(m_workspace, &QMdiArea::subWindowActivated, this, &TMainForm::updateMenus);

    createActions();
    createMenus();
    createToolBar();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    updateMenus();
    setWindowState(Qt::WindowMaximized);

    FormCreate();
}

TMainForm::~TMainForm() {
    // The children go first, while the workspace that lists them is whole (including those that
    // closeEvent left for the event loop, if it has not run since).
    disconnect(m_workspace, nullptr, this, nullptr);
    destroyChildren();
}

void TMainForm::FormCreate() {
    TfrmIntro intro(this);
    taldor::ui::ExecDialog(&intro);
}

QAction* TMainForm::makeAction(const char* name, const QString& caption, const QString& hint,
                               const QString& icon, void (TMainForm::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    taldor::app::ApplyHint(action, hint);
    if (!icon.isEmpty()) action->setIcon(taldor::app::SvgIcon(icon));
    connect(action, &QAction::triggered, this, handler);
    // Held by the frame itself too, so that the shortcuts do not hang on the frame's menus,
    // which leave the menu bar while a child window's menu stands in their place.
    addAction(action);
    return action;
}

void TMainForm::createActions() {
    FileNew1 =
        makeAction("FileNew1", QStringLiteral("&New"), QStringLiteral("New|Create a new file"),
                   QStringLiteral(":/icons/new.svg"), &TMainForm::mmiFileNewClick);
    FileNew1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpen1 = makeAction("FileOpen1", QStringLiteral("&Open"), QStringLiteral("Open|Open a file"),
                           QStringLiteral(":/icons/open.svg"), &TMainForm::FileOpen1Execute);
    FileOpen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    FileExit1 =
        makeAction("FileExit1", QStringLiteral("E&xit"), QStringLiteral("Exit|Exit application"),
                   QStringLiteral(":/icons/exit.svg"), &TMainForm::FileExit1Execute);
    HelpAbout1 = makeAction("HelpAbout1", QStringLiteral("&About..."),
                            QStringLiteral("About|Program name, version and maker"),
                            QStringLiteral(":/icons/about.svg"), &TMainForm::mmiHelpAboutClick);
    WindowCascade1 =
        makeAction("WindowCascade1", QStringLiteral("&Cascade"), QStringLiteral("Cascade"),
                   QStringLiteral(":/icons/cascade.svg"), &TMainForm::WindowCascade1Execute);
    WindowTileHorizontal1 = makeAction(
        "WindowTileHorizontal1", QStringLiteral("Tile &Horizontally"),
        QStringLiteral("Tile Horizontally"), QStringLiteral(":/icons/tilehorizontal.svg"),
        &TMainForm::WindowTileHorizontal1Execute);
    WindowTileVertical1 =
        makeAction("WindowTileVertical1", QStringLiteral("Tile &Vertically"),
                   QStringLiteral("Tile Vertically"), QStringLiteral(":/icons/tilevertical.svg"),
                   &TMainForm::WindowTileVertical1Execute);
    mmiHelpDesc =
        makeAction("mmiHelpDesc", QStringLiteral("&Description"),
                   QStringLiteral("Description|Description of the calculation methodology"),
                   QString(), &TMainForm::mmiHelpDescClick);
}

void TMainForm::createMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    auto* file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mmiFile"));
    taldor::app::ApplyHint(file->menuAction(), QStringLiteral("File related commands"));
    file->addAction(FileNew1);
    file->addAction(FileOpen1);
    file->addSeparator();
    file->addAction(FileExit1);

    auto* help = new QMenu(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("mmiHelp"));
    taldor::app::ApplyHint(help->menuAction(), QStringLiteral("Help topics"));
    help->addAction(HelpAbout1);
    help->addAction(mmiHelpDesc);

    m_menus = {file, help};
}

void TMainForm::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("ToolBar1"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->addAction(FileNew1);
    m_toolBar->addSeparator();
    m_toolBar->addAction(WindowCascade1);
    m_toolBar->addAction(WindowTileHorizontal1);
    m_toolBar->addAction(WindowTileVertical1);
}

// The menu bar shows the menus of the active child window when it has its own, in place of the
// frame's; otherwise the frame's. The window that was active stays current while a modal dialog
// holds the focus, so that the menus do not flicker.
void TMainForm::updateMenus() {
    QList<QMenu*> menus = m_menus;
    if (QMdiSubWindow* sub = m_workspace->currentSubWindow()) {
        if (auto* owner = dynamic_cast<taldor::ui::MenuOwner*>(sub->widget())) {
            const QList<QMenu*> own = owner->ownMenus();
            if (!own.isEmpty()) menus = own;
        }
    }
    QList<QAction*> wanted;
    for (QMenu* menu : menus) wanted << menu->menuAction();
    QMenuBar* bar = menuBar();
    if (bar->actions() == wanted) return;
    for (QAction* action : bar->actions()) bar->removeAction(action);
    bar->addActions(wanted);
}

QMdiSubWindow* TMainForm::addChild(QWidget* child, Qt::WindowFlags flags) {
    QMdiSubWindow* sub = m_workspace->addSubWindow(child, flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    child->installEventFilter(this);
    // A child destroyed on its own (its window closes itself) takes its frame with it.
    connect(child, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    child->show();
    sub->show();
    return sub;
}

// A child that closes itself (the "&Close" of its own menu) would leave its empty frame in the
// workspace; once its close has gone through, the frame closes too.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched->isWidgetType()) {
        auto* child = static_cast<QWidget*>(watched);
        QPointer<QWidget> guard(child);
        QPointer<QMdiSubWindow> sub(qobject_cast<QMdiSubWindow*>(child->parentWidget()));
        const bool wasHidden = child->isHidden();
        QTimer::singleShot(0, this, [guard, sub, wasHidden] {
            if (!sub || sub->isHidden()) return;
            if (!guard || (guard->isHidden() && !wasHidden)) sub->close();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

QMdiSubWindow* TMainForm::findChildOfClass(const QString& className) const {
    for (QMdiSubWindow* sub : OpenSubWindows(m_workspace))
        if (className == QLatin1String(sub->widget()->metaObject()->className())) return sub;
    return nullptr;
}

void TMainForm::fileNew() {
    mmiFileNewClick();
}
void TMainForm::fileOpen() {
    FileOpen1Execute();
}
void TMainForm::fileExit() {
    FileExit1Execute();
}
void TMainForm::helpAbout() {
    mmiHelpAboutClick();
}
void TMainForm::helpDescription() {
    mmiHelpDescClick();
}

void TMainForm::mmiFileNewClick() {
    addChild(new TfrmProbTipo(this), kCalculationFlags);
}

void TMainForm::FileOpen1Execute() {
    TfrmAbrir dialog(this);
    taldor::ui::ExecDialog(&dialog);
}

void TMainForm::FileExit1Execute() {
    close();
}

void TMainForm::mmiHelpAboutClick() {
    TfrmIntro intro(this);
    taldor::ui::ExecDialog(&intro);
}

// At most one description window; when one is open nothing happens, and it is not brought
// forward either.
void TMainForm::mmiHelpDescClick() {
    if (findChildOfClass(QString::fromLatin1(TfrmProbDesc::staticMetaObject.className()))) return;
    addChild(new TfrmProbDesc(this), Qt::WindowFlags());
}

void TMainForm::openPicture(const QString& windowClass, QWidget* owner) {
    if (findChildOfClass(windowClass)) return;
    TfrmPict* picture = taldor::app::CreatePictureWindow(windowClass);
    if (!picture) return;
    QMdiSubWindow* sub = addChild(picture, kPictureFlags);
    if (owner) connect(owner, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
}

void TMainForm::WindowCascade1Execute() {
    m_workspace->cascadeSubWindows();
}

// One above the other, each as wide as the workspace.
void TMainForm::WindowTileHorizontal1Execute() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : OpenSubWindows(m_workspace))
        if (!sub->isMinimized()) windows << sub;
    if (windows.isEmpty()) return;
    const QRect area = m_workspace->viewport()->rect();
    const int height = std::max(1, area.height() / static_cast<int>(windows.size()));
    int top = 0;
    for (QMdiSubWindow* sub : windows) {
        if (sub->isMaximized()) sub->showNormal();
        sub->setGeometry(0, top, area.width(), height);
        top += height;
    }
}

// Side by side, each as high as the workspace.
void TMainForm::WindowTileVertical1Execute() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : OpenSubWindows(m_workspace))
        if (!sub->isMinimized()) windows << sub;
    if (windows.isEmpty()) return;
    const QRect area = m_workspace->viewport()->rect();
    const int width = std::max(1, area.width() / static_cast<int>(windows.size()));
    int left = 0;
    for (QMdiSubWindow* sub : windows) {
        if (sub->isMaximized()) sub->showNormal();
        sub->setGeometry(left, 0, width, area.height());
        left += width;
    }
}

void TMainForm::destroyChildren() {
    QList<QPointer<QMdiSubWindow>> subs;
    for (QMdiSubWindow* sub : m_workspace->subWindowList(QMdiArea::CreationOrder)) subs << sub;
    for (auto it = subs.crbegin(); it != subs.crend(); ++it) delete it->data();
}

// The command may come from a child's own menu ("&Exit"), whose handler is still running when
// the frame closes: the children are hidden at once and destroyed, the last opened first, as
// soon as control is back in the event loop. None of them is asked anything.
void TMainForm::closeEvent(QCloseEvent* event) {
    const QList<QMdiSubWindow*> subs = m_workspace->subWindowList(QMdiArea::CreationOrder);
    for (auto it = subs.crbegin(); it != subs.crend(); ++it) {
        (*it)->hide();
        (*it)->deleteLater();
    }
    event->accept();
}
