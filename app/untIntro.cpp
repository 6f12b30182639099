#include "untIntro.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "JpegPicture.h"

namespace {

constexpr int kTextWidth = 460;
// The picture (113 x 116 pixels) is drawn stretched into a small square beside the name.
constexpr int kPictureSide = 17;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, qreal pointSize,
                  bool bold, bool italic, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    if (pointSize > 0) font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

TfrmIntro::TfrmIntro(QWidget* parent) : TfrmIntro(DefaultPicture(), parent) {}

TfrmIntro::TfrmIntro(const QByteArray& jpeg, QWidget* parent) : QDialog(parent) {
    build(jpeg);
}

QByteArray TfrmIntro::DefaultPicture() {
    QFile file(QStringLiteral(":/intro/taldor.jpg"));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

bool TfrmIntro::hasPicture() const {
    return !m_picture->isHidden();
}

void TfrmIntro::BitBtn1Click() {
    accept();
}

void TfrmIntro::build(const QByteArray& jpeg) {
    setObjectName(QStringLiteral("frmIntro"));
    setWindowTitle(QStringLiteral("OSKA - TALDOR - PALUX S.A."));
    // A fixed dialog without title-bar buttons: it closes with its OK button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    const qreal base = font().pointSizeF() > 0 ? font().pointSizeF() : 9.0;

    auto* oska = MakeLabel(this, "lblOska", QStringLiteral("OSKA"), base * 2.0, true, true,
                           Qt::AlignLeft | Qt::AlignBottom);
    auto* palux = MakeLabel(this, "lblPalux", QStringLiteral("PALUX Consulting Information System"),
                            base * 1.5, false, true, Qt::AlignLeft | Qt::AlignBottom);
    auto* taldor = MakeLabel(this, "lblTaldor", QStringLiteral("TALDOR"), base * 3.0, true, false,
                             Qt::AlignCenter);
    auto* module = MakeLabel(
        this, "lblModulo",
        QStringLiteral(
            "Module to calculate Local Scour due to Hydraulic Structures in Water Currents"),
        base * 1.5, false, false, Qt::AlignCenter);
    module->setWordWrap(true);
    module->setFixedWidth(kTextWidth);
    auto* version = MakeLabel(this, "lblVersion", QStringLiteral("Version 1.1-e"), 0, false, false,
                              Qt::AlignCenter);
    auto* year =
        MakeLabel(this, "lblAnio", QStringLiteral("Year 2004"), 0, false, false, Qt::AlignCenter);
    auto* firm = MakeLabel(this, "lblEmpresa",
                           QStringLiteral("PALUX S.A. is a firm which specializes in execution of "
                                          "Projects and Works for Erosion Control and Environment "
                                          "Restoration"),
                           0, false, false, Qt::AlignLeft | Qt::AlignTop);
    firm->setWordWrap(true);
    firm->setFixedWidth(kTextWidth);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("imgTaldor"));
    m_picture->setFixedSize(kPictureSide, kPictureSide);
    m_picture->setScaledContents(true);
    const QImage image = taldor::app::DecodeJpeg(jpeg);
    if (image.isNull())
        m_picture->hide();
    else
        m_picture->setPixmap(QPixmap::fromImage(image));

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmIntro::BitBtn1Click);

    auto* heading = new QHBoxLayout;
    heading->addWidget(oska);
    heading->addSpacing(12);
    heading->addWidget(palux);
    heading->addStretch(1);

    // The name is centred; the picture stands to its right, balanced by an empty space as wide
    // on the left, which goes with the picture when there is none.
    constexpr int kPictureGap = 6;
    auto* balance = new QWidget(this);
    balance->setFixedSize(kPictureSide + kPictureGap, 1);
    balance->setVisible(!m_picture->isHidden());
    auto* name = new QHBoxLayout;
    name->addStretch(1);
    name->addWidget(balance);
    name->addWidget(taldor);
    name->addSpacing(kPictureGap);
    name->addWidget(m_picture, 0, Qt::AlignVCenter);
    name->addStretch(1);

    auto* button = new QHBoxLayout;
    button->addStretch(1);
    button->addWidget(BitBtn1);
    button->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(8);
    layout->addLayout(heading);
    layout->addSpacing(6);
    layout->addLayout(name);
    layout->addWidget(module, 0, Qt::AlignHCenter);
    layout->addSpacing(4);
    layout->addWidget(version);
    layout->addWidget(year);
    layout->addSpacing(6);
    layout->addWidget(firm, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addLayout(button);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();

    // Centred on the screen, not on the frame (which is not yet shown at start-up).
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());
}
