// The printed report: the "Report" command through the modal seam (observations dialog, then
// the preview), and the page it prints, read back from the PDF with pdftotext.
//
// Positions on paper are worked by hand: the printable area starts 10 mm (28.35 pt) from the
// page's top-left corner, and a report pixel is 1/96 inch, 0.75 pt.

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "QtTestGuards.h"
#include "CaseRoads.h"
#include "Modal.h"
#include "ReportPainter.h"
#include "ReportPreview.h"
#include "untObservaciones.h"
#include "untReporte.h"

using taldor::Box;

namespace {

constexpr double kMarginPt = 10 / 25.4 * 72;
double PxToPt(double px) {
    return kMarginPt + px * 0.75;
}

QString PdfText(const QString& pdf, const QStringList& options = {"-layout"}) {
    QProcess p;
    p.start(TALDOR_PDFTOTEXT, options + QStringList{pdf, "-"});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return "<pdftotext failed>";
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};

QList<Word> PdfWords(const QString& pdf) {
    QList<Word> words;
    const QString html = PdfText(pdf, {"-bbox"});
    static const QRegularExpression re(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        "yMax=\"([\\d.]+)\">([^<]*)</word>");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

// The first word with that text at or below y (in points).
const Word* FindWord(const QList<Word>& words, const QString& text, double below = 0) {
    for (const Word& w : words) {
        if (w.text == text && w.yMin >= below) return &w;
    }
    return nullptr;
}

// How the user answers the observations dialog.
struct Observations {
    QString typed;         // typed into the text box ("\b" is a backspace)
    QString close = "ok";  // ok, cancel, closebox
};

// Presses "Report" for a window: answers the observations dialog, then prints the preview to
// a PDF file instead of showing it. Returns the PDF's path; `previewPages` the preview's count.
QString ReportToPdf(const taldor::ProblemWizard& wizard, const Observations& answer,
                    const QString& pdf, int* previewPages = nullptr,
                    QStringList* dialogOrder = nullptr) {
    taldor::ui::RecordingModalHandler modal;
    modal.onDialog = [&](QDialog* dialog) -> int {
        if (dialogOrder) dialogOrder->append(dialog->metaObject()->className());
        if (auto* observations = qobject_cast<taldor::output::TfrmObservaciones*>(dialog)) {
            auto* text = observations->findChild<QPlainTextEdit*>("mmObservaciones");
            for (QChar c : answer.typed) {
                if (c == '\b') {
                    QTest::keyClick(text, Qt::Key_Backspace);
                } else if (c == '\n') {
                    QTest::keyClick(text, Qt::Key_Return);
                } else {
                    QTest::keyClicks(text, QString(c));
                }
            }
            if (answer.close == "ok") {
                QTest::mouseClick(observations->findChild<QPushButton*>("bbtnOk"), Qt::LeftButton);
            } else if (answer.close == "cancel") {
                QTest::mouseClick(observations->findChild<QPushButton*>("bbtnCanc"),
                                  Qt::LeftButton);
            } else {
                observations->close();
            }
            return observations->result();
        }
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog)) {
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            if (!widget) return QDialog::Rejected;
            widget->updatePreview();
            if (previewPages) *previewPages = widget->pageCount();
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(pdf);
            widget->print();
        }
        return QDialog::Rejected;
    };
    taldor::output::ShowReport(nullptr, wizard);
    return pdf;
}

}  // namespace

class TestReporte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { taldor::testing::FailOnQtWarnings(); }
    void cleanup() {
        QVERIFY2(!taldor::testing::TopLevelWidgetsLeft(), "a top-level widget leaked");
    }

    void reportGoesThroughTheSeamAndPreviewsOnePage();
    void plungingJetPrintsTitleInputsAndResults();
    void itemsStandWhereTheLayoutPutsThem();
    void protectedSpurDikeHasAnEmptyComplementarySection();
    void observations_data();
    void observations();
    void observationsCutAtTheBoxsHeight();
    void observationsWrapAtTheBoxsWidth();
    void fonts();

private:
    QTemporaryDir m_dir;
};

void TestReporte::reportGoesThroughTheSeamAndPreviewsOnePage() {
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::StepRoad());
    int pages = 0;
    QStringList order;
    const QString pdf = ReportToPdf(window.wizard, {}, m_dir.filePath("seam.pdf"), &pages, &order);
    QCOMPARE(order, (QStringList{"taldor::output::TfrmObservaciones", "QPrintPreviewDialog"}));
    QCOMPARE(pages, 1);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(PdfText(pdf).contains("Problem of the Step"));
}

void TestReporte::plungingJetPrintsTitleInputsAndResults() {
    taldor::RecordedWindow window;
    taldor::testing::CaseRoad road = taldor::testing::PlungingJetRoad();
    road.boxes.push_back({Box::FlujDifeCargRest, "2.770"});
    taldor::testing::Drive(window, road);
    const QString text = PdfText(ReportToPdf(window.wizard, {}, m_dir.filePath("jet.pdf")));
    // One line of the text per printed line, columns in order; values as typed, results as the
    // page shows them (jet_cases.py).
    const QStringList expected = {
        "Problem of the Plunging Jet",
        "Global Data",
        "Density +1000 +\\[kg/m\\^3\\]",
        "Ambient Temperature +20 +\\[°C\\]",
        "Density +2650 +\\[kg/m\\^3\\]",
        "Mean Diameter \\(d50\\) +85 +\\[mm\\]",
        "Acceleration of Gravity +9.81 +\\[m/s\\^2\\]",
        "Discharge +3000 +\\[m\\^3/s\\]",
        "Width +500 +\\[m\\]",
        "Manning Coefficient +0.032 +\\[m\\^\\(1/3\\)/s\\]",
        "Local Data",
        "Downstream water depth +1.2 +\\[m\\]",
        "Structure Data",
        "Bottom jump +0.75 +\\[m\\]",
        "Length of bed protection +4.5 +\\[m\\]",
        "Complementary Data",
        "Diameter 90% \\(d90\\) +250 +\\[mm\\]",
        "Angle of repose +30 +\\[º\\]",
        "Diff. head in/ level out +2.770 +\\[m\\]",
        "Angle jet/free surface +45 +\\[º\\]",
        "Results",
        "Critical mobility factor \\(Shields\\) +0.0550",
        "Mobility factor \\(Shields\\) +0.1718",
        "Transport condition +Live bed",
        "Critical erosion velocity +2.83 +\\[m/s\\]",
        "Turbulence intensity +1.500",
        "Equilibrium max. scour depth \\(Bornmann & Julien\\) +3.15 +\\[m\\]",
        "Equilibrium max. scour depth \\(Fahlbusch\\) +5.25 +\\[m\\]",
    };
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    int at = 0;
    for (const QString& pattern : expected) {
        const QRegularExpression re("^\\s*" + pattern + "\\s*$");
        while (at < lines.size() && !re.match(lines[at]).hasMatch()) ++at;
        QVERIFY2(at < lines.size(), qPrintable("not printed in order: " + pattern + "\n" + text));
        ++at;
    }
    QVERIFY(!text.contains("Observations"));
}

void TestReporte::itemsStandWhereTheLayoutPutsThem() {
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::PlungingJetRoad());
    const QString pdf = ReportToPdf(window.wizard, {"Checked"}, m_dir.filePath("where.pdf"));
    QVERIFY(PdfText(pdf, {"-bbox"}).contains("<page width=\"595"));
    const QList<Word> words = PdfWords(pdf);
    struct Expect {
        const char* word;
        double below;  // pt, to pick the right occurrence
        double x;      // pt
        bool rightEdge;
        double top;  // pt; negative: not checked
    };
    const Expect expected[] = {
        {"Problem", 0, PxToPt(60), false, PxToPt(50)},
        {"Global", 0, PxToPt(60), false, PxToPt(130)},
        {"Density", 0, PxToPt(150), false, PxToPt(150)},
        {"1000", 0, PxToPt(550), true, PxToPt(150)},
        {"[kg/m^3]", 0, PxToPt(600), false, PxToPt(150)},
        {"0.032", 0, PxToPt(550), true, PxToPt(290)},
        {"Complementary", 0, PxToPt(60), false, PxToPt(470)},
        {"Results", PxToPt(480), PxToPt(60), false, PxToPt(590)},
        {"5.25", 0, PxToPt(550), true, PxToPt(130 + 160 + 20 * 22)},
        {"Observations", 0, PxToPt(60), false, PxToPt(770)},
        {"Checked", 0, PxToPt(60), false, PxToPt(790)},
    };
    for (const Expect& e : expected) {
        const Word* w = FindWord(words, e.word, e.below);
        QVERIFY2(w, e.word);
        const double x = e.rightEdge ? w->xMax : w->xMin;
        QVERIFY2(qAbs(x - e.x) < 1.5,
                 qPrintable(QString("%1 x %2, expected %3").arg(e.word).arg(x).arg(e.x)));
        // The top of the text's line box is the item's top.
        QVERIFY2(qAbs(w->yMin - e.top) < 2.5,
                 qPrintable(QString("%1 top %2, expected %3").arg(e.word).arg(w->yMin).arg(e.top)));
    }
}

void TestReporte::protectedSpurDikeHasAnEmptyComplementarySection() {
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::ProtectedSpurDikeRoad());
    const QString pdf = ReportToPdf(window.wizard, {}, m_dir.filePath("211.pdf"));
    const QList<Word> words = PdfWords(pdf);
    const Word* complementary = FindWord(words, "Complementary");
    const Word* transversal = FindWord(words, "Transversal");
    const Word* protection = FindWord(words, "protection");
    QVERIFY(complementary && transversal && protection);
    QVERIFY(qAbs(complementary->yMin - PxToPt(490)) < 2.5);
    QVERIFY(qAbs(protection->yMin - PxToPt(450)) < 2.5);  // line 12
    QVERIFY(qAbs(transversal->yMin - PxToPt(430)) < 2.5);
    QVERIFY(PdfText(pdf).contains("Upstream water depth"));
    // Nothing is printed on the lines under the Complementary Data heading: the next item is
    // the Results heading, 40 pixels (30 pt) lower.
    for (const Word& w : words) {
        QVERIFY2(!(w.yMin > complementary->yMin + 5 && w.yMin < complementary->yMin + 25),
                 qPrintable(w.text));
    }
    if (window.wizard.results()) {
        // With the routine of the protected spur dike the Results heading follows 40 px lower.
        const Word* results = FindWord(words, "Results", PxToPt(500));
        QVERIFY(results);
        QVERIFY(qAbs(results->yMin - PxToPt(530)) < 2.5);
    }
}

void TestReporte::observations_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("close");
    QTest::addColumn<bool>("heading");
    QTest::addColumn<QString>("printed");

    QTest::newRow("typed, OK") << "Bed armoured near the pier"
                               << "ok" << true << "Bed armoured near the pier";
    QTest::newRow("OK without typing") << ""
                                       << "ok" << false << "";
    QTest::newRow("typed and deleted, OK") << "xy\b\b"
                                           << "ok" << true << "";
    QTest::newRow("typed, Cancel") << "Not printed"
                                   << "cancel" << false << "";
    QTest::newRow("typed, close box") << "Not printed"
                                      << "closebox" << false << "";
}

void TestReporte::observations() {
    QFETCH(QString, typed);
    QFETCH(QString, close);
    QFETCH(bool, heading);
    QFETCH(QString, printed);

    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::StepRoad());
    const QString text =
        PdfText(ReportToPdf(window.wizard, {typed, close}, m_dir.filePath("obs.pdf")));
    // Cancelling the observations still prints the report.
    QVERIFY(text.contains("Problem of the Step"));
    QCOMPARE(text.contains("Observations"), heading);
    if (!printed.isEmpty()) QVERIFY(text.contains(printed));
    QVERIFY(!text.contains("Not printed"));
}

void TestReporte::observationsCutAtTheBoxsHeight() {
    // Twelve lines of 10 pt text in an 85-pixel box: about five fit; the rest is not printed.
    QString typed;
    for (int i = 1; i <= 12; ++i) typed += QString("Line %1\n").arg(i, 2, 10, QChar('0'));
    taldor::RecordedWindow window;
    taldor::testing::Drive(window, taldor::testing::StepRoad());
    const QString text = PdfText(ReportToPdf(window.wizard, {typed}, m_dir.filePath("cut.pdf")));
    for (int i = 1; i <= 4; ++i) QVERIFY(text.contains(QString("Line 0%1").arg(i)));
    for (int i = 7; i <= 12; ++i)
        QVERIFY(!text.contains(QString("Line %1").arg(i, 2, 10, QChar('0'))));
}

void TestReporte::observationsWrapAtTheBoxsWidth() {
    QPrinter printer(QPrinter::HighResolution);
    taldor::output::SetUpReportPrinter(printer);
    const QString sentence =
        "The bed downstream of the sill was armoured with coarse gravel after the last flood, "
        "so the equilibrium depth is expected to be reached slowly.";
    const QStringList lines = taldor::output::ObservationLinesShown(sentence, &printer);
    QVERIFY(lines.size() >= 2);
    QCOMPARE(lines.join("").simplified().remove(' '), QString(sentence).remove(' '));
    const QFontMetricsF metrics(taldor::output::ReportQFont(taldor::ReportFont::Text), &printer);
    const double boxWidth = 490 * printer.resolution() / 96.0;
    for (const QString& line : lines)
        QVERIFY(metrics.horizontalAdvance(line.trimmed()) <= boxWidth);
    QVERIFY(taldor::output::ObservationLinesShown("", &printer) == QStringList{QString()});
}

void TestReporte::fonts() {
    const QFont text = taldor::output::ReportQFont(taldor::ReportFont::Text);
    const QFont heading = taldor::output::ReportQFont(taldor::ReportFont::Heading);
    const QFont title = taldor::output::ReportQFont(taldor::ReportFont::Title);
    QCOMPARE(text.pointSizeF(), 10.0);
    QVERIFY(!text.bold());
    QCOMPARE(heading.pointSizeF(), 10.0);
    QVERIFY(heading.bold());
    QCOMPARE(title.pointSizeF(), 16.0);
    QVERIFY(title.weight() >= QFont::Bold);
    const QString family = QFontInfo(text).family();
    if (family != "Arial" && family != "Liberation Sans") {
        QSKIP("neither Arial nor Liberation Sans is installed");
    }
}

QTEST_MAIN(TestReporte)
#include "tst_reporte.moc"
