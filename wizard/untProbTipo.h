#pragma once
// The calculation window: the wizard that leads the user from the global data to the results.

#include <QList>
#include <QWidget>

#include "FrameServices.h"

class QMenu;

class TfrmProbTipo : public QWidget, public taldor::ui::MenuOwner {
    Q_OBJECT
public:
    // `frame` provides the commands that the window's menu and buttons forward to the frame.
    explicit TfrmProbTipo(taldor::ui::FrameServices* frame, QWidget* parent = nullptr);
    ~TfrmProbTipo() override;

    QList<QMenu*> ownMenus() const override;
};
