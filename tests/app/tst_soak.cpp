// Soak: fifty calculation windows opened from the frame, one calculation in each over a mix of
// model problems, a report preview opened and closed from each, then every window closed. Nothing
// may crash, no widget may stay behind, and the heap in use after closing is back within 10% of
// what it was before the fifty opened.

#include <malloc.h>

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QPrintPreviewDialog>
#include <QtTest>
#include <memory>
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's own count; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "ShellTestSupport.h"
#include "WindowDriver.h"
#include "untMain.h"

namespace {

// Bytes handed out by the allocator and not yet freed. Qt's pixmap cache is emptied first: it
// keeps the scaled icons of destroyed buttons up to its own limit (10 MB), by design.
std::size_t HeapInUse() {
    QPixmapCache::clear();
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

void Settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QString ClassName(const QObject* o) {
    return QString(o->metaObject()->className()).section("::", -1);
}

}  // namespace

class TestSoak : public QObject, public windowtest::WindowDriver {
    Q_OBJECT
private slots:
    void init() {
        taldor::test::FailOnWarnings();
        startModalSeam();
        m_modal->onDialog = [this](QDialog* dialog) { return answerDialog(dialog); };
        m_frame = std::make_unique<TMainForm>();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        m_area = m_frame->findChild<QMdiArea*>();
        QVERIFY(m_area);
    }
    void cleanup() {
        m_frame.reset();
        stopModalSeam();
        TALDOR_VERIFY_NO_LEAK();
    }

    void fiftyWindowsCalculatedReportedAndClosed() {
        // A first batch of fifty, so that what Qt builds once and keeps is not counted as the
        // windows' memory: fonts, styles, the printer list, and its tables (accessibility,
        // connections, posted events) grown to the size that fifty open windows need.
        runBatch();
        const std::size_t before = HeapInUse();
        const auto widgetsBefore = QApplication::allWidgets().size();

        const std::size_t open = runBatch();
        const std::size_t after = HeapInUse();
        qInfo(
            "heap in use: %.1f MB before, %.1f MB with %d windows open (%.0f kB each), "
            "%.1f MB after closing them",
            double(before) / 1e6, double(open) / 1e6, kWindows,
            (double(open) - double(before)) / kWindows / 1e3, double(after) / 1e6);
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
        QVERIFY2(double(after) <= 1.10 * double(before),
                 qPrintable(QString("%1 bytes before, %2 after").arg(before).arg(after)));
    }

private:
    static constexpr int kWindows = 50;

    // Fifty windows over the mix of codes, all open at once, then closed; returns the heap in
    // use while they were open.
    std::size_t runBatch() {
        static const int codes[] = {1122, 1121, 111, 121, 122, 211, 212, 22, 31};
        const qsizetype previews = m_dialogs.count("QPrintPreviewDialog");
        for (int i = 0; i < kWindows; ++i) {
            calculateAndReport(codes[i % std::size(codes)]);
            if (QTest::currentTestFailed()) return 0;
        }
        if (m_area->subWindowList().size() != kWindows) qFatal("not every window opened");
        if (m_dialogs.count("QPrintPreviewDialog") != previews + kWindows)
            qFatal("a preview missing");
        const std::size_t open = HeapInUse();
        closeAll();
        if (!m_area->subWindowList().isEmpty()) qFatal("a window stayed open");
        return open;
    }

    // New from the frame, the road to the code's Complementary Data page, the Calculation, then
    // "Report": observations confirmed, the preview shown (its page drawn) and closed.
    void calculateAndReport(int code) {
        // The preview closed last time was the active window; the user is back at the frame.
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        m_frame->fileNew();
        Settle();
        m_w = qobject_cast<TfrmProbTipo*>(m_area->activeSubWindow()->widget());
        QVERIFY(m_w);
        follow(windowtest::RoadTo(code));
        if (code != 211) click("btnN3");
        QCOMPARE(current(), 4);
        // The wide culvert's road passes the protection-length message; no fault is shown.
        for (const QString& m : messages())
            QVERIFY2(!m.contains("floating point", Qt::CaseInsensitive), qPrintable(m));
        messages().clear();
        click("bbtnReporte");
        QVERIFY(!m_dialogs.isEmpty() && m_dialogs.last() == "QPrintPreviewDialog");
    }

    int answerDialog(QDialog* dialog) {
        m_dialogs << ClassName(dialog);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        if (qobject_cast<QPrintPreviewDialog*>(dialog)) {
            if (!QTest::qWaitForWindowExposed(dialog)) qWarning("preview not shown");
            Settle();  // the page is drawn
            dialog->close();
            return dialog->result();
        }
        // The intro window at start-up has "BitBtn1", the observations dialog "bbtnOk".
        auto* ok = dialog->findChild<QWidget*>("bbtnOk");
        if (!ok) ok = dialog->findChild<QWidget*>("BitBtn1");
        if (!ok) qFatal("no OK in %s", qPrintable(ClassName(dialog)));
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        return dialog->result();
    }

    void closeAll() {
        for (QMdiSubWindow* sub : m_area->subWindowList()) sub->close();
        Settle();
        m_w = nullptr;
    }

    std::unique_ptr<TMainForm> m_frame;
    QMdiArea* m_area = nullptr;
    QStringList m_dialogs;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
