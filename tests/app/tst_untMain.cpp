// The frame window: start-up through the intro window, its actions, menus, tool bar and status
// bar, the child windows it opens and keeps (calculation, description, pictures), the menu bar
// that follows the active child, the shortcuts, and closing without a question.

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "Modal.h"
#include "ShellTestSupport.h"
#include "untMain.h"
#include "untPict.h"
#include "untProbDesc.h"
#include "untProbTipo.h"

namespace {

// A child window with a menu of its own, as the calculation window has.
class MenuOwningChild : public QWidget, public taldor::ui::MenuOwner {
public:
    MenuOwningChild() {
        m_menus << new QMenu(QStringLiteral("&File"), this)
                << new QMenu(QStringLiteral("&Window"), this)
                << new QMenu(QStringLiteral("&Help"), this);
    }
    QList<QMenu*> ownMenus() const override { return m_menus; }

private:
    QList<QMenu*> m_menus;
};

QList<QAction*> MenuActions(const QList<QMenu*>& menus) {
    QList<QAction*> actions;
    for (QMenu* menu : menus) actions << menu->menuAction();
    return actions;
}

// Lets queued calls and deferred deletions run, as the event loop does between two user actions.
void Settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void init() {
        taldor::test::FailOnWarnings();
        m_dialogs.clear();
        m_modal = std::make_unique<taldor::ui::RecordingModalHandler>();
        m_modal->onDialog = [this](QDialog* dialog) {
            m_dialogs << QString::fromLatin1(dialog->metaObject()->className());
            m_parentShown << (dialog->parentWidget() && dialog->parentWidget()->isVisible());
            return int(QDialog::Accepted);
        };
        m_frame = std::make_unique<TMainForm>();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }
    void cleanup() {
        m_frame.reset();
        m_modal.reset();
        TALDOR_VERIFY_NO_LEAK();
    }

    void startsWithTheIntroWindowBeforeTheFrameShows() {
        QCOMPARE(m_dialogs, QStringList{"TfrmIntro"});
        QCOMPARE(m_parentShown, QList<bool>{false});
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("OSKA - TALDOR - PALUX S.A."));
        QVERIFY(m_frame->windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(subWindows().isEmpty());
        QVERIFY(m_modal->messages.isEmpty());
    }

    void actions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");     // short part of the hint
        QTest::addColumn<QString>("status");  // long part
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("New") << "FileNew1"
                             << "&New"
                             << "New"
                             << "Create a new file" << QKeySequence(QStringLiteral("Ctrl+N"));
        QTest::newRow("Open") << "FileOpen1"
                              << "&Open"
                              << "Open"
                              << "Open a file" << QKeySequence(QStringLiteral("Ctrl+O"));
        QTest::newRow("Exit") << "FileExit1"
                              << "E&xit"
                              << "Exit"
                              << "Exit application" << QKeySequence();
        QTest::newRow("Cascade") << "WindowCascade1"
                                 << "&Cascade"
                                 << "Cascade"
                                 << "Cascade" << QKeySequence();
        QTest::newRow("TileH") << "WindowTileHorizontal1"
                               << "Tile &Horizontally"
                               << "Tile Horizontally"
                               << "Tile Horizontally" << QKeySequence();
        QTest::newRow("TileV") << "WindowTileVertical1"
                               << "Tile &Vertically"
                               << "Tile Vertically"
                               << "Tile Vertically" << QKeySequence();
    }

    void actions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QFETCH(QString, status);
        QFETCH(QKeySequence, shortcut);
        QAction* action = frameAction(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->toolTip(), tip);
        QCOMPARE(action->statusTip(), status);
        QCOMPARE(action->shortcut(), shortcut);
        QVERIFY(!action->icon().isNull());
    }

    void aboutHintHasTwoParts() {
        QAction* about = frameAction(QStringLiteral("HelpAbout1"));
        QCOMPARE(about->text(), QStringLiteral("&About..."));
        QCOMPARE(about->toolTip(), QStringLiteral("About"));
        QVERIFY(!about->statusTip().isEmpty());
        QVERIFY(about->statusTip() != about->toolTip());
    }

    void menus() {
        const QList<QAction*> bar = m_frame->menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[0]->statusTip(), QStringLiteral("File related commands"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
        QCOMPARE(bar[1]->statusTip(), QStringLiteral("Help topics"));
        const QList<QAction*> file = bar[0]->menu()->actions();
        QCOMPARE(file.size(), 4);
        QCOMPARE(file[0], frameAction(QStringLiteral("FileNew1")));
        QCOMPARE(file[1]->text(), QStringLiteral("&Open"));
        QVERIFY(file[2]->isSeparator());
        QCOMPARE(file[3], frameAction(QStringLiteral("FileExit1")));
        const QList<QAction*> help = bar[1]->menu()->actions();
        QCOMPARE(help.size(), 2);
        QCOMPARE(help[0], frameAction(QStringLiteral("HelpAbout1")));
        QCOMPARE(help[1]->text(), QStringLiteral("&Description"));
    }

    void toolBar() {
        auto* bar = m_frame->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QVERIFY(bar && bar->isVisible());
        const QList<QAction*> actions = bar->actions();
        QCOMPARE(actions.size(), 5);
        QCOMPARE(actions[0], frameAction(QStringLiteral("FileNew1")));
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2], frameAction(QStringLiteral("WindowCascade1")));
        QCOMPARE(actions[3], frameAction(QStringLiteral("WindowTileHorizontal1")));
        QCOMPARE(actions[4], frameAction(QStringLiteral("WindowTileVertical1")));
        // The tool bar stands above the workspace.
        QVERIFY(bar->geometry().bottom() <= m_frame->workspace()->geometry().top());
    }

    // The status bar shows the long part of the hint of the tool button under the pointer.
    void statusBarShowsTheLongHint_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status");
        QTest::newRow("New") << "FileNew1"
                             << "Create a new file";
        QTest::newRow("Cascade") << "WindowCascade1"
                                 << "Cascade";
        QTest::newRow("TileV") << "WindowTileVertical1"
                               << "Tile Vertically";
    }
    void statusBarShowsTheLongHint() {
        QFETCH(QString, name);
        QFETCH(QString, status);
        QToolButton* button = toolButton(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), frameAction(name)->toolTip());
        QTest::mouseMove(m_frame.get(), m_frame->workspace()->geometry().center());
        QTest::mouseMove(button);
        QTRY_COMPARE(m_frame->statusBar()->currentMessage(), status);
    }

    // ... and of the menu item under the pointer, in an open menu.
    void statusBarShowsTheLongHintOfAMenuItem_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("status");
        QTest::newRow("New") << "&New"
                             << "Create a new file";
        QTest::newRow("Exit") << "E&xit"
                              << "Exit application";
    }
    void statusBarShowsTheLongHintOfAMenuItem() {
        QFETCH(QString, item);
        QFETCH(QString, status);
        QMenuBar* bar = m_frame->menuBar();
        QAction* file = bar->actions().value(0);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(file).center());
        QMenu* menu = file->menu();
        QTRY_VERIFY(menu->isVisible());
        QAction* target = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == item) target = action;
        QVERIFY(target);
        // A menu takes no notice of the pointer until it has moved some way: down the menu
        // first, then onto the item.
        const QPoint start(menu->width() / 2, menu->height() - 2);
        const QPoint end = menu->actionGeometry(target).center();
        for (int step = 0; step <= 8; ++step)
            QTest::mouseMove(menu, start + (end - start) * step / 8, 10);
        QTRY_COMPARE(m_frame->statusBar()->currentMessage(), status);
        menu->close();
    }

    void newThreeTimes() {
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(toolButton(QStringLiteral("FileNew1")), Qt::LeftButton);
        const QList<QMdiSubWindow*> subs = subWindows();
        QCOMPARE(subs.size(), 3);
        QSet<QWidget*> windows;
        for (QMdiSubWindow* sub : subs) {
            QVERIFY(qobject_cast<TfrmProbTipo*>(sub->widget()));
            QVERIFY(sub->isVisible());
            QVERIFY(sub->widget()->isVisible());
            // No maximise button on a calculation window.
            QVERIFY(!sub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(sub->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            windows.insert(sub->widget());
        }
        QCOMPARE(windows.size(), 3);
        QCOMPARE(m_frame->workspace()->activeSubWindow(), subs.last());
    }

    void descriptionOnceAndAgainAfterClosing() {
        QAction* description = helpItem(QStringLiteral("&Description"));
        description->trigger();
        description->trigger();
        QCOMPARE(countOf<TfrmProbDesc>(), 1);
        QPointer<QWidget> first = subWindows().value(0)->widget();
        subWindows().value(0)->close();
        Settle();
        QVERIFY(first.isNull());
        QCOMPARE(countOf<TfrmProbDesc>(), 0);
        description->trigger();
        QCOMPARE(countOf<TfrmProbDesc>(), 1);
    }

    // The description window opens wide enough to show its six tabs without scroll buttons.
    void descriptionOpensWithAllItsTabsInView() {
        // A workspace as wide as on a common desktop screen (the offscreen screen is narrower).
        m_frame->setWindowState(Qt::WindowNoState);
        m_frame->resize(1280, 960);
        QTRY_VERIFY(m_frame->workspace()->width() > 1200);
        m_frame->helpDescription();
        auto* pages =
            widgetOf<TfrmProbDesc>()->findChild<QTabWidget*>(QStringLiteral("pgDescripcion"));
        QTabBar* bar = pages->tabBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->tabRect(0).left() >= 0);
        QVERIFY(bar->tabRect(bar->count() - 1).right() <= bar->width());
    }

    // While a description window is open the command changes nothing, not even which window
    // is in front.
    void descriptionCommandLeavesTheOpenOneAlone() {
        m_frame->helpDescription();
        m_frame->fileNew();
        QMdiSubWindow* active = m_frame->workspace()->activeSubWindow();
        QVERIFY(qobject_cast<TfrmProbTipo*>(active->widget()));
        helpItem(QStringLiteral("&Description"))->trigger();
        QCOMPARE(countOf<TfrmProbDesc>(), 1);
        QCOMPARE(m_frame->workspace()->activeSubWindow(), active);
        QCOMPARE(subWindows().size(), 2);
    }

    void menuBarFollowsTheActiveChild() {
        const QList<QAction*> frameMenus = MenuActions(m_frame->frameMenus());
        QCOMPARE(m_frame->menuBar()->actions(), frameMenus);

        m_frame->helpDescription();
        auto* description = widgetOf<TfrmProbDesc>();
        QCOMPARE(m_frame->menuBar()->actions(), MenuActions(description->ownMenus()));
        QCOMPARE(m_frame->menuBar()->actions().size(), 3);

        // A picture window has no menu: the frame's returns.
        QTest::mouseClick(description->findChild<QToolButton*>(QStringLiteral("bbtnPictPEn")),
                          Qt::LeftButton);
        QVERIFY(qobject_cast<TfrmPictPEn*>(m_frame->workspace()->activeSubWindow()->widget()));
        QCOMPARE(m_frame->menuBar()->actions(), frameMenus);

        // Another child with a menu of its own.
        auto* owner = new MenuOwningChild;
        m_frame->workspace()->addSubWindow(owner)->show();
        m_frame->workspace()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(owner->parentWidget()));
        QCOMPARE(m_frame->menuBar()->actions(), MenuActions(owner->ownMenus()));

        m_frame->workspace()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(description->parentWidget()));
        QCOMPARE(m_frame->menuBar()->actions(), MenuActions(description->ownMenus()));

        // The last child closes: the frame's menu again.
        for (QMdiSubWindow* sub : subWindows()) sub->close();
        Settle();
        QVERIFY(subWindows().isEmpty());
        QCOMPARE(m_frame->menuBar()->actions(), frameMenus);
    }

    void shortcutsWorkWhateverChildIsActive_data() {
        QTest::addColumn<QString>("active");
        QTest::newRow("none") << "";
        QTest::newRow("calculation") << "TfrmProbTipo";
        QTest::newRow("description") << "TfrmProbDesc";
        QTest::newRow("picture") << "TfrmPictPPi";
    }
    void shortcutsWorkWhateverChildIsActive() {
        QFETCH(QString, active);
        if (active == QLatin1String("TfrmProbTipo"))
            m_frame->fileNew();
        else if (active == QLatin1String("TfrmProbDesc"))
            m_frame->helpDescription();
        else if (!active.isEmpty())
            m_frame->openPicture(active, nullptr);
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        if (!active.isEmpty())
            QCOMPARE(
                QString::fromLatin1(
                    m_frame->workspace()->activeSubWindow()->widget()->metaObject()->className()),
                active);
        const int calculations = countOf<TfrmProbTipo>();

        QTest::keyClick(keyTarget(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(countOf<TfrmProbTipo>(), calculations + 1);

        QTest::keyClick(keyTarget(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_dialogs, (QStringList{"TfrmIntro", "TfrmAbrir"}));
    }

    void closingTheFrameClosesEveryChildWithoutAQuestion_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "close";
        QTest::newRow("Exit") << "exit";
        QTest::newRow("Exit of the description window's menu") << "descriptionExit";
    }
    void closingTheFrameClosesEveryChildWithoutAQuestion() {
        QFETCH(QString, how);
        for (int i = 0; i < 3; ++i) m_frame->fileNew();
        m_frame->helpDescription();
        QTest::mouseClick(
            widgetOf<TfrmProbDesc>()->findChild<QToolButton*>(QStringLiteral("bbtnPictPVC1")),
            Qt::LeftButton);
        m_frame->openPicture(QStringLiteral("TfrmPictPAG"), nullptr);
        QList<QPointer<QWidget>> children;
        for (QMdiSubWindow* sub : subWindows()) children << sub << sub->widget();
        QCOMPARE(children.size(), 12);

        if (how == QLatin1String("exit")) {
            frameAction(QStringLiteral("FileExit1"))->trigger();
        } else if (how == QLatin1String("close")) {
            QVERIFY(m_frame->close());
        } else {
            // Clicked in the menu bar, as the user does, while the description window is active:
            // the window whose menu runs the command is among those that go.
            m_frame->workspace()->setActiveSubWindow(subWindowOf<TfrmProbDesc>());
            clickMenuItem(QStringLiteral("&File"), QStringLiteral("&Exit"));
        }
        QVERIFY(!m_frame->isVisible());
        for (QMdiSubWindow* sub : subWindows()) QVERIFY(!sub->isVisible());
        Settle();
        for (const QPointer<QWidget>& child : children) QVERIFY(child.isNull());
        QVERIFY(m_modal->messages.isEmpty());
        QCOMPARE(m_dialogs, QStringList{"TfrmIntro"});
    }

    // The frame's own "About..." shows the intro window, over the frame, as the children's does.
    void aboutShowsTheIntroWindow() {
        helpItem(QStringLiteral("&About..."))->trigger();
        QCOMPARE(m_dialogs, (QStringList{"TfrmIntro", "TfrmIntro"}));
        QCOMPARE(m_parentShown.last(), true);
        m_frame->helpDescription();
        for (QMenu* menu : widgetOf<TfrmProbDesc>()->ownMenus())
            for (QAction* action : menu->actions())
                if (action->objectName() == QLatin1String("mmiHelpAbout")) action->trigger();
        QCOMPARE(m_dialogs, (QStringList{"TfrmIntro", "TfrmIntro", "TfrmIntro"}));
    }

    void openShowsTheOpenDialog() {
        m_frame->menuBar()->actions().value(0)->menu()->actions().value(1)->trigger();
        QCOMPARE(m_dialogs, (QStringList{"TfrmIntro", "TfrmAbrir"}));
    }

    void pictureButtonTwiceOpensOneWindowAndAfterClosingAnother() {
        m_frame->helpDescription();
        auto* button =
            widgetOf<TfrmProbDesc>()->findChild<QToolButton*>(QStringLiteral("bbtnPictPVC1"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(countOf<TfrmPictPVC1>(), 1);
        subWindowOf<TfrmPictPVC1>()->close();
        Settle();
        QCOMPARE(countOf<TfrmPictPVC1>(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(countOf<TfrmPictPVC1>(), 1);
        // The second confined vortex picture has the same caption but is another window.
        QTest::mouseClick(
            widgetOf<TfrmProbDesc>()->findChild<QToolButton*>(QStringLiteral("bbtnPictPVC2")),
            Qt::LeftButton);
        QCOMPARE(countOf<TfrmPictPVC1>(), 1);
        QCOMPARE(countOf<TfrmPictPVC2>(), 1);
    }

    // Pictures opened from the description window close with it; one opened by the Results
    // page belongs to no window and stays. At most one of each class, whoever opened it.
    void picturesOwnedByTheDescriptionCloseWithIt() {
        m_frame->openPicture(QStringLiteral("TfrmPictPPi"), nullptr);
        m_frame->helpDescription();
        auto* description = widgetOf<TfrmProbDesc>();
        for (const char* name : {"bbtnPictPEn", "BitBtn7", "bbtnPictPEs2"})
            QTest::mouseClick(description->findChild<QToolButton*>(QString::fromLatin1(name)),
                              Qt::LeftButton);
        QCOMPARE(countOf<TfrmPictPPi>(), 1);
        QCOMPARE(countOf<TfrmPictPEn>(), 1);
        QCOMPARE(countOf<TfrmPictPES2>(), 1);
        subWindowOf<TfrmProbDesc>()->close();
        Settle();
        QCOMPARE(countOf<TfrmProbDesc>(), 0);
        QCOMPARE(countOf<TfrmPictPEn>(), 0);
        QCOMPARE(countOf<TfrmPictPES2>(), 0);
        QCOMPARE(countOf<TfrmPictPPi>(), 1);
        QCOMPARE(subWindows().size(), 1);
    }

    void everyPictureOnceEach() {
        for (int round = 0; round < 2; ++round)
            for (const taldor::app::PictureSpec& spec : taldor::app::PictureSpecs())
                m_frame->openPicture(QString::fromLatin1(spec.windowClass), nullptr);
        const QList<QMdiSubWindow*> subs = subWindows();
        QCOMPARE(subs.size(), 10);
        for (QMdiSubWindow* sub : subs) {
            auto* picture = qobject_cast<TfrmPict*>(sub->widget());
            QVERIFY(picture);
            QCOMPARE(picture->size(), picture->spec().size);
            QCOMPARE(sub->windowTitle(), QString::fromUtf8(picture->spec().caption));
            QVERIFY(!sub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        }
        m_frame->openPicture(QStringLiteral("TfrmPictNone"), nullptr);
        QCOMPARE(subWindows().size(), 10);
    }

    // A child that closes itself (its menu's "&Close", or a window destroyed on close) takes
    // its frame in the workspace with it.
    void childClosingItselfLeavesNoEmptyFrame_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("description Close") << "descriptionMenu";
        QTest::newRow("calculation close()") << "close";
        QTest::newRow("calculation deleted") << "delete";
    }
    void childClosingItselfLeavesNoEmptyFrame() {
        QFETCH(QString, how);
        m_frame->fileNew();
        if (how == QLatin1String("descriptionMenu")) {
            m_frame->helpDescription();
            for (QMenu* menu : widgetOf<TfrmProbDesc>()->ownMenus())
                for (QAction* action : menu->actions())
                    if (action->objectName() == QLatin1String("mmiFileClose")) action->trigger();
        } else if (how == QLatin1String("close")) {
            QVERIFY(widgetOf<TfrmProbTipo>()->close());
        } else {
            delete widgetOf<TfrmProbTipo>();
        }
        Settle();
        const int remaining = how == QLatin1String("descriptionMenu") ? 1 : 0;
        QCOMPARE(subWindows().size(), remaining);
        for (QMdiSubWindow* sub : subWindows()) QVERIFY(sub->widget());
    }

    void tileAndCascade() {
        for (int i = 0; i < 3; ++i) m_frame->fileNew();
        const QRect area = m_frame->workspace()->viewport()->rect();
        QTest::mouseClick(toolButton(QStringLiteral("WindowTileHorizontal1")), Qt::LeftButton);
        QList<QMdiSubWindow*> subs = subWindows();
        for (int i = 0; i < subs.size(); ++i) {
            QCOMPARE(subs[i]->geometry().left(), 0);
            QCOMPARE(subs[i]->width(), area.width());
            QCOMPARE(subs[i]->geometry().top(), i * (area.height() / 3));
        }
        QTest::mouseClick(toolButton(QStringLiteral("WindowTileVertical1")), Qt::LeftButton);
        for (int i = 0; i < subs.size(); ++i) {
            QCOMPARE(subs[i]->geometry().top(), 0);
            QCOMPARE(subs[i]->height(), area.height());
            QCOMPARE(subs[i]->geometry().left(), i * (area.width() / 3));
        }
        QTest::mouseClick(toolButton(QStringLiteral("WindowCascade1")), Qt::LeftButton);
        QSet<int> lefts;
        QSet<int> tops;
        for (QMdiSubWindow* sub : subs) {
            lefts.insert(sub->geometry().left());
            tops.insert(sub->geometry().top());
        }
        QCOMPARE(lefts.size(), 3);
        QCOMPARE(tops.size(), 3);
    }

private:
    QList<QMdiSubWindow*> subWindows() const {
        return m_frame->workspace()->subWindowList(QMdiArea::CreationOrder);
    }
    template <typename T>
    int countOf() const {
        int n = 0;
        for (QMdiSubWindow* sub : subWindows())
            if (qobject_cast<T*>(sub->widget()) &&
                QLatin1String(sub->widget()->metaObject()->className()) ==
                    QLatin1String(T::staticMetaObject.className()))
                ++n;
        return n;
    }
    template <typename T>
    QMdiSubWindow* subWindowOf() const {
        for (QMdiSubWindow* sub : subWindows())
            if (qobject_cast<T*>(sub->widget())) return sub;
        return nullptr;
    }
    template <typename T>
    T* widgetOf() const {
        QMdiSubWindow* sub = subWindowOf<T>();
        return sub ? qobject_cast<T*>(sub->widget()) : nullptr;
    }
    QAction* frameAction(const QString& name) const { return m_frame->findChild<QAction*>(name); }
    QAction* helpItem(const QString& text) const {
        for (QMenu* menu : m_frame->frameMenus())
            for (QAction* action : menu->actions())
                if (action->text() == text) return action;
        return nullptr;
    }
    QToolButton* toolButton(const QString& action) const {
        auto* bar = m_frame->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        return qobject_cast<QToolButton*>(bar->widgetForAction(frameAction(action)));
    }
    // Opens a menu of the menu bar and clicks one of its items.
    void clickMenuItem(const QString& menuTitle, const QString& itemText) {
        QMenuBar* bar = m_frame->menuBar();
        QAction* menuAction = nullptr;
        for (QAction* action : bar->actions())
            if (action->text() == menuTitle) menuAction = action;
        QVERIFY(menuAction);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->actionGeometry(menuAction).center());
        QMenu* menu = menuAction->menu();
        QTRY_VERIFY(menu->isVisible());
        QAction* item = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == itemText) item = action;
        QVERIFY(item);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(item).center());
    }
    QWidget* keyTarget() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : m_frame.get();
    }

    std::unique_ptr<taldor::ui::RecordingModalHandler> m_modal;
    std::unique_ptr<TMainForm> m_frame;
    QStringList m_dialogs;
    QList<bool> m_parentShown;
};

QTEST_MAIN(TestFrame)
#include "tst_untMain.moc"
