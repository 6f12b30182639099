#pragma once
// The frame window: a multiple-document workspace for the calculation windows, the
// methodology description and the picture windows, with the program's menu, tool bar and
// status bar.

#include <QList>
#include <QMainWindow>
#include <QString>

#include "FrameServices.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

class TMainForm : public QMainWindow, public taldor::ui::FrameServices {
    Q_OBJECT
public:
    // Shows the intro window modally while it is created, before the frame itself appears.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The commands the child windows forward here.
    void fileNew() override;
    void fileOpen() override;
    void fileExit() override;
    void helpAbout() override;
    void helpDescription() override;
    void openPicture(const QString& windowClass, QWidget* owner) override;

    // Handlers of the frame's actions and menu items.
    void mmiFileNewClick();
    void FileOpen1Execute();
    void FileExit1Execute();
    void mmiHelpAboutClick();
    void mmiHelpDescClick();
    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();

    QMdiArea* workspace() const { return m_workspace; }
    // The frame's own menus, shown while no child window with a menu of its own is active.
    QList<QMenu*> frameMenus() const { return m_menus; }

protected:
    // Every child window goes without a question, the last opened first.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void createActions();
    void createMenus();
    void createToolBar();
    QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                        const QString& icon, void (TMainForm::*handler)());
    QMdiSubWindow* addChild(QWidget* child, Qt::WindowFlags flags);
    QMdiSubWindow* findChildOfClass(const QString& className) const;
    void updateMenus();
    void destroyChildren();

    QMdiArea* m_workspace = nullptr;
    QToolBar* m_toolBar = nullptr;
    QList<QMenu*> m_menus;

    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* HelpAbout1 = nullptr;
    QAction* WindowCascade1 = nullptr;
    QAction* WindowTileHorizontal1 = nullptr;
    QAction* WindowTileVertical1 = nullptr;
    QAction* mmiHelpDesc = nullptr;
};
