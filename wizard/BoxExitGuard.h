#pragma once
// The enter and exit notifications of the input boxes of one calculation window, with the
// refusal rule on top: a box whose exit check refuses its text keeps the focus, and the action
// that would have taken the focus away does not happen (the click on a tab does not switch the
// page, the click on a button does not press it, Tab does not move on).
//
// Qt moves the focus on a mouse press before the press reaches any widget, so the guard looks at
// the press where the platform delivers it (the top-level window) and runs the focused box's exit
// check before Qt's own handling; a refusal swallows the press. Presses sent straight to a widget
// (synthesised input) are caught when the focus leaves the box. Tab and Backtab run the check
// before the focus moves. A focus loss to another window, a popup, the menu bar or a message box
// is not an exit: the box stays entered until the focus comes back to this window.

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "InputBoxes.h"

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QTabBar;
class QWidget;
class QWindow;

class BoxExitGuard final : public QObject {
public:
    struct Hooks {
        // The box an edit widget is, or nothing for any other widget.
        std::function<std::optional<taldor::Box>(const QWidget*)> boxOf;
        std::function<QLineEdit*(taldor::Box)> editOf;
        std::function<void(taldor::Box)> enter;
        // The exit check; false when the text was refused (the box has the focus again).
        std::function<bool(taldor::Box)> exit;
        // A click on a tab of the page control (the page index).
        std::function<void(int)> tabClicked;
    };

    // Watches the widgets inside `window`; `tabBar` is its page control's tab bar.
    BoxExitGuard(QWidget* window, QTabBar* tabBar, Hooks hooks);
    ~BoxExitGuard() override;

    // The box the user is in (entered and not yet left), if any.
    std::optional<taldor::Box> enteredBox() const { return m_box; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inWindow(const QWidget* w) const;
    bool takesClick(QWidget* target) const;
    bool needsCheck(QWidget* target) const;
    bool runExit();
    void leave();

    bool windowPress(QWindow* window, QMouseEvent* e);
    bool widgetPress(QWidget* w, QMouseEvent* e);
    bool keyPress(QWidget* w, QKeyEvent* e);
    bool focusOut(QWidget* w, QFocusEvent* e);
    bool focusIn(QWidget* w, QFocusEvent* e);

    QWidget* m_window;
    QTabBar* m_tabBar;
    Hooks m_hooks;
    // The entered box, its edit, and whether its exit check has already passed while it still
    // holds the focus (the focus then moves on without a second check).
    std::optional<taldor::Box> m_box;
    QPointer<QLineEdit> m_edit;
    bool m_exited = false;
    // A refusal found while Qt was moving the focus for a press: that press, and its release,
    // must not reach the widget.
    bool m_swallowPress = false;
    bool m_swallowRelease = false;
    // The tab under a press seen at the window, before the exit check changed the tabs.
    int m_pressedTab = -1;
};
