#pragma once
// The picture windows: each shows the schematic drawing of one model problem at its natural
// size. One generic window fed by a table; each named class is a thin subclass, so that the
// frame can tell them apart by class and keep at most one of each open.

#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class QSvgWidget;

namespace taldor::app {

struct PictureSpec {
    const char* windowClass;  // "TfrmPictPVC1", ...
    const char* caption;
    const char* resource;  // the SVG drawing
    QSize size;            // the drawing's natural size, and the window's client area
};

// The ten picture windows.
const std::vector<PictureSpec>& PictureSpecs();
// The row of a class, or nullptr when no picture window has that class.
const PictureSpec* FindPictureSpec(const QString& windowClass);

}  // namespace taldor::app

class TfrmPict : public QWidget {
    Q_OBJECT
public:
    const taldor::app::PictureSpec& spec() const { return m_spec; }
    QSvgWidget* drawing() const { return m_drawing; }

protected:
    TfrmPict(const char* windowClass, QWidget* parent);

private:
    const taldor::app::PictureSpec& m_spec;
    QSvgWidget* m_drawing;
};

class TfrmPictPVC1 : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPVC1(QWidget* parent = nullptr);
};

class TfrmPictPVC2 : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPVC2(QWidget* parent = nullptr);
};

class TfrmPictPEn : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPEn(QWidget* parent = nullptr);
};

class TfrmPictPCZ : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPCZ(QWidget* parent = nullptr);
};

class TfrmPictPAC : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPAC(QWidget* parent = nullptr);
};

class TfrmPictPEs1 : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPEs1(QWidget* parent = nullptr);
};

class TfrmPictPES2 : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPES2(QWidget* parent = nullptr);
};

class TfrmPictPEP : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPEP(QWidget* parent = nullptr);
};

class TfrmPictPPi : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPPi(QWidget* parent = nullptr);
};

class TfrmPictPAG : public TfrmPict {
    Q_OBJECT
public:
    explicit TfrmPictPAG(QWidget* parent = nullptr);
};

namespace taldor::app {

// A new picture window of that class, or nullptr for a name that is not a picture window.
TfrmPict* CreatePictureWindow(const QString& windowClass, QWidget* parent = nullptr);

}  // namespace taldor::app
