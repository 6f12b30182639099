// The ten picture windows: class, caption, size, and a drawing that renders and carries the
// symbols of its model problem.

#include <QFile>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "ShellTestSupport.h"
#include "untPict.h"

namespace {

// The symbols written on a drawing: each text element, with a subscript (a smaller text that
// follows its letter) joined as "h_o".
QStringList SymbolsOf(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<unreadable>")};
    QXmlStreamReader xml(&file);
    QStringList symbols;
    double letterSize = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text"))
            continue;
        const double size = xml.attributes().value(QLatin1String("font-size")).toDouble();
        const QString text = xml.readElementText().trimmed();
        if (!symbols.isEmpty() && size < letterSize)
            symbols.last() += QLatin1Char('_') + text;
        else {
            symbols << text;
            letterSize = size;
        }
    }
    symbols.sort();
    return symbols;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void init() { taldor::test::FailOnWarnings(); }
    void cleanup() { TALDOR_VERIFY_NO_LEAK(); }

    void window_data() {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QStringList>("symbols");  // sorted
        const QSize large(714, 371);
        const QSize small(698, 336);
        QTest::newRow("PVC1") << "TfrmPictPVC1"
                              << "Problem of the confined vortex (vertical cut view)" << small
                              << ":/pictures/PVC1.svg" << QStringList{"D", "L", "h_o", "y_m"};
        QTest::newRow("PVC2") << "TfrmPictPVC2"
                              << "Problem of the confined vortex (vertical cut view)" << small
                              << ":/pictures/PVC2.svg" << QStringList{"L", "b_u", "h_o", "y_m"};
        QTest::newRow("PEn") << "TfrmPictPEn"
                             << "Problem of the step (vertical cut view)" << large
                             << ":/pictures/PEn.svg" << QStringList{"D", "h_o", "y_m"};
        QTest::newRow("PCZ") << "TfrmPictPCZ"
                             << "Problem of the plunging jet (vertical cut view)" << large
                             << ":/pictures/PCZ.svg" << QStringList{"H", "h_o", "y_m"};
        QTest::newRow("PAC") << "TfrmPictPAC"
                             << "Problem of the wide culvert (vertical cut view)" << large
                             << ":/pictures/PAC.svg" << QStringList{"b_u", "h_o", "y_m"};
        QTest::newRow("PEs1") << "TfrmPictPEs1"
                              << "Problem of the spur dike/abutment (plan view)" << small
                              << ":/pictures/PEs1.svg" << QStringList{"b", "l"};
        QTest::newRow("PES2") << "TfrmPictPES2"
                              << "Problem of the spur dike/abutment (plan view)" << large
                              << ":/pictures/PES2.svg" << QStringList{"b", "l"};
        QTest::newRow("PEP") << "TfrmPictPEP"
                             << "Problem of the protected spur dike/abutment (plan view)" << large
                             << ":/pictures/PEP.svg" << QStringList{"L", "b", "l"};
        QTest::newRow("PPi") << "TfrmPictPPi"
                             << "Problem of the bridge pier (vertical cut view)" << large
                             << ":/pictures/PPi.svg" << QStringList{"h_o", "y_m"};
        QTest::newRow("PAG") << "TfrmPictPAG"
                             << "Problem of the narrow culvert (plan view)" << large
                             << ":/pictures/PAG.svg" << QStringList{"D"};
    }

    void window() {
        QFETCH(QString, windowClass);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QString, resource);
        std::unique_ptr<TfrmPict> picture(taldor::app::CreatePictureWindow(windowClass));
        QVERIFY(picture);
        QCOMPARE(QString::fromLatin1(picture->metaObject()->className()), windowClass);
        QCOMPARE(picture->windowTitle(), caption);
        picture->show();
        QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
        // The window is as large as its drawing, which it shows whole at its natural size.
        QCOMPARE(picture->size(), size);
        QCOMPARE(picture->minimumSize(), size);
        QCOMPARE(picture->maximumSize(), size);
        QSvgWidget* drawing = picture->drawing();
        QVERIFY(drawing->isVisible());
        QCOMPARE(drawing->geometry(), QRect(QPoint(0, 0), size));
        QVERIFY(drawing->renderer()->isValid());
        QCOMPARE(drawing->renderer()->defaultSize(), size);
        QCOMPARE(QString::fromLatin1(picture->spec().resource), resource);
    }

    void drawingRendersFromItsResource_data() { window_data(); }
    void drawingRendersFromItsResource() {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QSvgRenderer renderer(resource);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
    }

    void drawingCarriesTheSymbols_data() { window_data(); }
    void drawingCarriesTheSymbols() {
        QFETCH(QString, resource);
        QFETCH(QStringList, symbols);
        QCOMPARE(SymbolsOf(resource), symbols);
    }

    // Every class of the table has its own window class, and nothing else makes one.
    void factoryKnowsOnlyTheTenClasses() {
        QCOMPARE(taldor::app::PictureSpecs().size(), std::size_t{10});
        QSet<QString> classes;
        for (const taldor::app::PictureSpec& spec : taldor::app::PictureSpecs())
            classes.insert(QString::fromLatin1(spec.windowClass));
        QCOMPARE(classes.size(), 10);
        for (const char* name : {"TfrmPictXYZ", "TfrmPict", "", "TfrmProbDesc", "tfrmpictpvc1"})
            QVERIFY2(!taldor::app::CreatePictureWindow(QString::fromLatin1(name)), name);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_untPict.moc"
