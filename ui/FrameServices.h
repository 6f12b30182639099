#pragma once
// What the frame window offers to its child windows: the commands that their own menus and
// buttons forward to it.

#include <QList>
#include <QString>

class QMenu;
class QWidget;

namespace taldor::ui {

class FrameServices {
public:
    virtual ~FrameServices() = default;
    virtual void fileNew() = 0;          // a new calculation window
    virtual void fileOpen() = 0;         // the open-problem dialog
    virtual void fileExit() = 0;         // close the frame and end the program
    virtual void helpAbout() = 0;        // the intro window as About box
    virtual void helpDescription() = 0;  // the description window, unless one is open
    // Opens the picture window of that class ("TfrmPictPPi", ...) unless one is open. `owner` is
    // the window it belongs to and closes with (the description window), or nullptr.
    virtual void openPicture(const QString& windowClass, QWidget* owner) = 0;
};

// A child window with a menu of its own, which the frame's menu bar shows while it is active.
class MenuOwner {
public:
    virtual ~MenuOwner() = default;
    virtual QList<QMenu*> ownMenus() const = 0;
};

}  // namespace taldor::ui
