#pragma once
// The methodology description window: six pages of explanatory text, the last with a button
// per drawing of the model problems, and a menu of its own.

#include <QList>
#include <QWidget>

#include "FrameServices.h"

class QMenu;
class QTabWidget;
class QToolButton;

class TfrmProbDesc : public QWidget, public taldor::ui::MenuOwner {
    Q_OBJECT
public:
    explicit TfrmProbDesc(taldor::ui::FrameServices* frame, QWidget* parent = nullptr);
    ~TfrmProbDesc() override;

    QList<QMenu*> ownMenus() const override;
    // Wide enough for all six tabs side by side, and for the lines of the last page.
    QSize sizeHint() const override;

    // Menu handlers.
    void mmiFileNewClick();
    void mmiFileOpenClick();
    void mmiFileCloseClick();
    void mmiFileExitClick();
    void mmiHelpAboutClick();
    void mmiHelpDescClick();

    // Picture buttons of the "Model Problem" page.
    void bbtnPictPVC1Click();
    void bbtnPictPVC2Click();
    void bbtnPictPEnClick();
    void bbtnPictPCZClick();
    void bbtnPictPACClick();
    void bbtnPictPEs1Click();
    void bbtnPictPEs2Click();
    void bbtnPictPEPClick();
    void bbtnPictPPiClick();
    void bbtnPictPAGClick();

private:
    void createPages();
    void createMenus();

    taldor::ui::FrameServices* m_frame;
    QTabWidget* pgDescripcion = nullptr;
    QList<QMenu*> m_menus;
};
