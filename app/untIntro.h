#pragma once
// The intro window: shown once at start-up, before the frame appears, and as the About box.

#include <QByteArray>
#include <QDialog>

class QLabel;
class QPushButton;

class TfrmIntro : public QDialog {
    Q_OBJECT
public:
    // With the program's own picture.
    explicit TfrmIntro(QWidget* parent = nullptr);
    // With the picture decoded from `jpeg`; when it cannot be decoded the window shows without
    // a picture.
    TfrmIntro(const QByteArray& jpeg, QWidget* parent);

    bool hasPicture() const;
    // The JPEG picture shipped with the program.
    static QByteArray DefaultPicture();

    void BitBtn1Click();

private:
    void build(const QByteArray& jpeg);

    QLabel* m_picture = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
