// The intro window: its texts and their appearance, its picture decoded with libjpeg, and a
// damaged picture, which must cost only the picture.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "JpegPicture.h"
#include "Modal.h"
#include "ShellTestSupport.h"
#include "untIntro.h"

namespace {

QByteArray ShippedPicture() {
    QFile file(QStringLiteral(":/intro/taldor.jpg"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The offset of the first marker 0xFF `code` in a JPEG stream, or -1.
qsizetype MarkerOffset(const QByteArray& jpeg, unsigned char code) {
    for (qsizetype i = 0; i + 1 < jpeg.size(); ++i)
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF &&
            static_cast<unsigned char>(jpeg[i + 1]) == code)
            return i;
    return -1;
}

// The shipped picture with the frame header's height and width replaced.
QByteArray WithDimensions(quint16 height, quint16 width) {
    QByteArray jpeg = ShippedPicture();
    const qsizetype sof = MarkerOffset(jpeg, 0xC0);
    if (sof < 0) return {};
    // FF C0, length (2), precision (1), height (2), width (2), big-endian.
    jpeg[sof + 5] = static_cast<char>(height >> 8);
    jpeg[sof + 6] = static_cast<char>(height & 0xFF);
    jpeg[sof + 7] = static_cast<char>(width >> 8);
    jpeg[sof + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

}  // namespace

class TestIntro : public QObject {
    Q_OBJECT
private slots:
    void init() { taldor::test::FailOnWarnings(); }
    void cleanup() { TALDOR_VERIFY_NO_LEAK(); }

    void windowIsAFixedDialogWithoutTitleBarButtons() {
        TfrmIntro intro;
        QCOMPARE(intro.windowTitle(), QStringLiteral("OSKA - TALDOR - PALUX S.A."));
        const Qt::WindowFlags flags = intro.windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        QCOMPARE(intro.minimumSize(), intro.maximumSize());
        // Centred on the screen.
        const QPoint screenCentre = intro.screen()->availableGeometry().center();
        QVERIFY(qAbs(intro.frameGeometry().center().x() - screenCentre.x()) <= 2);
        QVERIFY(qAbs(intro.frameGeometry().center().y() - screenCentre.y()) <= 2);
    }

    void texts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("centred");
        QTest::newRow("OSKA") << "lblOska"
                              << "OSKA" << true << true << false;
        QTest::newRow("PALUX") << "lblPalux"
                               << "PALUX Consulting Information System" << false << true << false;
        QTest::newRow("TALDOR") << "lblTaldor"
                                << "TALDOR" << true << false << true;
        QTest::newRow("module")
            << "lblModulo"
            << "Module to calculate Local Scour due to Hydraulic Structures in Water Currents"
            << false << false << true;
        QTest::newRow("version") << "lblVersion"
                                 << "Version 1.1-e" << false << false << true;
        QTest::newRow("year") << "lblAnio"
                              << "Year 2004" << false << false << true;
        QTest::newRow("firm") << "lblEmpresa"
                              << "PALUX S.A. is a firm which specializes in execution of Projects "
                                 "and Works for Erosion Control and Environment Restoration"
                              << false << false << false;
    }

    void texts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, centred);
        TfrmIntro intro;
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        auto* label = intro.findChild<QLabel*>(name);
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->font().italic(), italic);
        if (centred) {
            const int labelCentre = label->mapTo(&intro, label->rect().center()).x();
            QVERIFY2(qAbs(labelCentre - intro.rect().center().x()) <= 3,
                     qPrintable(QString::number(labelCentre)));
            QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
        } else {
            QVERIFY(label->alignment().testFlag(Qt::AlignLeft));
        }
    }

    void layoutReadsTopToBottom() {
        TfrmIntro intro;
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        auto top = [&](const char* name) {
            QWidget* w = intro.findChild<QWidget*>(QString::fromLatin1(name));
            return w ? w->mapTo(&intro, QPoint(0, 0)).y() : -1;
        };
        auto* oska = intro.findChild<QLabel*>(QStringLiteral("lblOska"));
        auto* palux = intro.findChild<QLabel*>(QStringLiteral("lblPalux"));
        // PALUX stands to the right of OSKA, on the same line.
        QVERIFY(palux->mapTo(&intro, QPoint(0, 0)).x() >
                oska->mapTo(&intro, QPoint(oska->width(), 0)).x());
        QVERIFY(qAbs(palux->geometry().bottom() - oska->geometry().bottom()) <= 4);
        const int order[] = {top("lblOska"), top("lblTaldor"),  top("lblModulo"), top("lblVersion"),
                             top("lblAnio"), top("lblEmpresa"), top("BitBtn1")};
        for (std::size_t i = 1; i < std::size(order); ++i)
            QVERIFY2(order[i] > order[i - 1], qPrintable(QString::number(static_cast<int>(i))));
        // TALDOR is the largest text; the heading and the module's name are larger than the
        // version line.
        auto size = [&](const char* name) {
            return intro.findChild<QLabel*>(QString::fromLatin1(name))->font().pointSizeF();
        };
        QVERIFY(size("lblTaldor") > size("lblOska"));
        QVERIFY(size("lblOska") > size("lblVersion"));
        QVERIFY(size("lblPalux") > size("lblVersion"));
        QVERIFY(size("lblModulo") > size("lblVersion"));
        QCOMPARE(size("lblAnio"), size("lblVersion"));
        // The module's name is wrapped on two lines.
        auto* module = intro.findChild<QLabel*>(QStringLiteral("lblModulo"));
        QVERIFY(module->wordWrap());
        const int lines = module->height() / QFontMetrics(module->font()).lineSpacing();
        QCOMPARE(lines, 2);
        auto* ok = intro.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(qAbs(ok->mapTo(&intro, ok->rect().center()).x() - intro.rect().center().x()) <= 2);
    }

    void pictureIsStretchedIntoASmallSquareBesideTheName() {
        TfrmIntro intro;
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        QVERIFY(intro.hasPicture());
        auto* picture = intro.findChild<QLabel*>(QStringLiteral("imgTaldor"));
        QVERIFY(picture && picture->isVisible());
        QCOMPARE(picture->size(), QSize(17, 17));
        QVERIFY(picture->hasScaledContents());
        QCOMPARE(picture->pixmap().size(), QSize(113, 116));
        auto* name = intro.findChild<QLabel*>(QStringLiteral("lblTaldor"));
        const QRect nameRect(name->mapTo(&intro, QPoint(0, 0)), name->size());
        const QRect pictureRect(picture->mapTo(&intro, QPoint(0, 0)), picture->size());
        QVERIFY(pictureRect.left() > nameRect.right());
        QVERIFY(pictureRect.top() >= nameRect.top() && pictureRect.bottom() <= nameRect.bottom());
    }

    // Colours of the regions the picture was drawn with (resources/intro/make_picture.sh),
    // within the loss of a JPEG at quality 92.
    void shippedPictureDecodes_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("water above") << QPoint(10, 15) << QColor(0x1F, 0x4E, 0x79);
        QTest::newRow("water below") << QPoint(100, 50) << QColor(0x5B, 0x9B, 0xD5);
        QTest::newRow("sand bed") << QPoint(10, 100) << QColor(0xC8, 0xA1, 0x65);
        QTest::newRow("pier") << QPoint(36, 90) << QColor(0x7F, 0x7F, 0x7F);
    }

    void shippedPictureDecodes() {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        const QImage image = taldor::app::DecodeJpeg(ShippedPicture());
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(113, 116));
        const QColor decoded = image.pixelColor(pixel);
        const int tolerance = 8;
        QVERIFY2(qAbs(decoded.red() - colour.red()) <= tolerance &&
                     qAbs(decoded.green() - colour.green()) <= tolerance &&
                     qAbs(decoded.blue() - colour.blue()) <= tolerance,
                 qPrintable(decoded.name()));
    }

    void damagedPicture_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = ShippedPicture();
        QVERIFY(good.size() > 1000);
        const qsizetype scan = MarkerOffset(good, 0xDA);
        QVERIFY(scan > 0);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a this is not a JPEG picture at all");
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("cut before the scan") << good.left(scan);
        QTest::newRow("cut inside the scan") << good.left(scan + (good.size() - scan) / 2);
        QTest::newRow("end marker missing") << good.left(good.size() - 2);
        QTest::newRow("frame header cut") << good.left(MarkerOffset(good, 0xC0) + 6);
        QTest::newRow("zero height") << WithDimensions(0, 113);
        QTest::newRow("huge dimensions") << WithDimensions(65000, 65000);
        QByteArray garbled = good;
        for (qsizetype i = scan + 40; i < garbled.size() - 2; i += 3)
            garbled[i] = static_cast<char>(0xFF);
        QTest::newRow("markers strewn in the scan") << garbled;
    }

    void damagedPicture() {
        QFETCH(QByteArray, bytes);
        QVERIFY(taldor::app::DecodeJpeg(bytes).isNull());
        TfrmIntro intro(bytes, nullptr);
        intro.show();
        QVERIFY(QTest::qWaitForWindowExposed(&intro));
        QVERIFY(!intro.hasPicture());
        QVERIFY(!intro.findChild<QLabel*>(QStringLiteral("imgTaldor"))->isVisible());
        // The rest of the window is there and it still closes with its button.
        auto* name = intro.findChild<QLabel*>(QStringLiteral("lblTaldor"));
        QCOMPARE(name->text(), QStringLiteral("TALDOR"));
        QVERIFY(qAbs(name->mapTo(&intro, name->rect().center()).x() - intro.rect().center().x()) <=
                4);
        QTest::mouseClick(intro.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QCOMPARE(intro.result(), int(QDialog::Accepted));
        QVERIFY(!intro.isVisible());
    }

    // Shown modally as the program does it, and closed by a click on OK.
    void okClosesTheModalWindow() {
        TfrmIntro intro;
        bool timedOut = false;
        QTimer::singleShot(0, &intro, [&intro] {
            QTest::mouseClick(intro.findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                              Qt::LeftButton);
        });
        QTimer::singleShot(5000, &intro, [&] {
            timedOut = true;
            intro.reject();
        });
        const int result = taldor::ui::ExecDialog(&intro);
        QVERIFY(!timedOut);
        QCOMPARE(result, int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestIntro)
#include "tst_untIntro.moc"
