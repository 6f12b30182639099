#include "BoxExitGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QWidget>
#include <QWindow>

BoxExitGuard::BoxExitGuard(QWidget* window, QTabBar* tabBar, Hooks hooks)
    : QObject(window), m_window(window), m_tabBar(tabBar), m_hooks(std::move(hooks)) {
    qApp->installEventFilter(this);
}

BoxExitGuard::~BoxExitGuard() {
    qApp->removeEventFilter(this);
}

bool BoxExitGuard::inWindow(const QWidget* w) const {
    return w && (w == m_window || m_window->isAncestorOf(w));
}

// Whether a press on `target` does something that leaving the box must precede: it gives the
// focus to a widget (Qt's click-focus rule, walking up to the window), or it is a button or a
// tab, which act on a click even without taking the focus.
bool BoxExitGuard::takesClick(QWidget* target) const {
    for (QWidget* w = target; w; w = w->parentWidget()) {
        if (w->isEnabled()) {
            if (w->focusPolicy() & Qt::ClickFocus) return true;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QTabBar*>(w)) return true;
        }
        if (w == m_window) break;
    }
    return false;
}

bool BoxExitGuard::needsCheck(QWidget* target) const {
    if (!m_box || m_exited || !m_edit || !inWindow(target)) return false;
    if (target == m_edit || m_edit->isAncestorOf(target)) return false;
    return takesClick(target);
}

bool BoxExitGuard::runExit() {
    const taldor::Box box = *m_box;
    const bool accepted = m_hooks.exit(box);
    // A refused box stays the entered one; an accepted one is left once the focus moves on.
    if (accepted && m_box == box) m_exited = true;
    return accepted;
}

void BoxExitGuard::leave() {
    m_box.reset();
    m_edit = nullptr;
    m_exited = false;
}

bool BoxExitGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched->isWindowType()) {
                return windowPress(static_cast<QWindow*>(watched),
                                   static_cast<QMouseEvent*>(event));
            }
            if (watched->isWidgetType()) {
                return widgetPress(static_cast<QWidget*>(watched),
                                   static_cast<QMouseEvent*>(event));
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (m_swallowRelease && watched->isWidgetType() &&
                inWindow(static_cast<QWidget*>(watched))) {
                m_swallowRelease = false;
                return true;
            }
            return false;
        case QEvent::KeyPress:
            if (watched->isWidgetType())
                return keyPress(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
            return false;
        case QEvent::FocusOut:
            if (watched->isWidgetType())
                return focusOut(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event));
            return false;
        case QEvent::FocusIn:
            if (watched->isWidgetType())
                return focusIn(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event));
            return false;
        case QEvent::Wheel:
            // The wheel would switch pages without the focus ever leaving the box.
            return watched == m_tabBar;
        default:
            return false;
    }
}

bool BoxExitGuard::windowPress(QWindow* window, QMouseEvent* e) {
    QWidget* top = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window) {
            top = w;
            break;
        }
    }
    if (!top) return false;
    QWidget* target = top->childAt(e->position().toPoint());
    if (!target) target = top;
    if (!inWindow(target)) return false;
    m_pressedTab = -1;
    if (target == m_tabBar)
        m_pressedTab = m_tabBar->tabAt(m_tabBar->mapFromGlobal(e->globalPosition().toPoint()));
    if (needsCheck(target) && !runExit()) {
        m_pressedTab = -1;
        return true;
    }
    return false;
}

bool BoxExitGuard::widgetPress(QWidget* w, QMouseEvent* e) {
    if (!inWindow(w)) return false;
    if (m_swallowPress) {
        m_swallowPress = false;
        m_swallowRelease = true;
        return true;
    }
    if (w == m_tabBar) {
        // The page control's tabs are switched by the window's logic, not by the tab bar: the
        // click names the tab it was aimed at, and the logic decides whether that page opens.
        const int tab = m_pressedTab >= 0 ? m_pressedTab : m_tabBar->tabAt(e->position().toPoint());
        m_pressedTab = -1;
        m_swallowRelease = true;
        if (needsCheck(w) && !runExit()) return true;
        if (e->button() == Qt::LeftButton && e->type() == QEvent::MouseButtonPress && tab >= 0 &&
            m_tabBar->isEnabled()) {
            m_hooks.tabClicked(tab);
        }
        return true;
    }
    if (needsCheck(w) && !runExit()) {
        m_swallowRelease = true;
        return true;
    }
    return false;
}

bool BoxExitGuard::keyPress(QWidget* w, QKeyEvent* e) {
    if (!m_box || w != m_edit) return false;
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
        if (!m_exited && !runExit()) return true;
        return false;
    }
    // Typing again in a box that was left without the focus moving: it is being edited anew.
    m_exited = false;
    return false;
}

bool BoxExitGuard::focusOut(QWidget* w, QFocusEvent* e) {
    if (!m_box || w != m_edit) return false;
    if (m_exited) {
        leave();
        return false;
    }
    const Qt::FocusReason reason = e->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::MenuBarFocusReason) {
        return false;
    }
    QWidget* now = QApplication::focusWidget();
    if (!inWindow(now)) return false;
    if (runExit()) return false;
    // Refused: the check gave the focus back to the box while this focus-out was on its way; the
    // box must not act on it. A press that moved the focus follows at once and is dropped.
    if (reason == Qt::MouseFocusReason) m_swallowPress = true;
    return m_edit && m_edit->hasFocus();
}

bool BoxExitGuard::focusIn(QWidget* w, QFocusEvent* e) {
    if (!inWindow(w)) return false;
    if (m_box && w == m_edit) {
        // Back in the entered box (from another window, a popup or a message box).
        m_exited = false;
        return false;
    }
    if (m_box && !m_exited) {
        // The entered box lost the focus to another window; the focus now comes back to another
        // widget of this one, and that is the box's exit.
        if (!runExit()) {
            if (e->reason() == Qt::MouseFocusReason) m_swallowPress = true;
            return true;
        }
    }
    leave();
    if (const auto box = m_hooks.boxOf(w)) {
        m_box = box;
        m_edit = m_hooks.editOf(*box);
        m_hooks.enter(*box);
    }
    return false;
}
