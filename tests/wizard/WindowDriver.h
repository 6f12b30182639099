#pragma once
// The calculation window driven as a user drives it, for the window's Qt tests: mouse clicks on
// the tabs, buttons and radio items, text typed into the boxes, Tab to move on, every message and
// dialog answered through the modal seam. A test class derives from WindowDriver beside QObject.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "FrameServices.h"
#include "Modal.h"
#include "untProbTipo.h"

// A mouse click delivered to the top-level window first, which picks the widget under the
// pointer, as the platform delivers it (qpa_input.cpp).
void PlatformClick(QWidget* widget, QPoint pos);

namespace windowtest {

inline const QString kInvalid = QString::fromUtf8("El valor ingresado no es válido.");
inline const QString kNonCohesive = "Solo se considera sedimento no cohesivo (d50 > 62 micr)";
inline const QString kTooShort = "The lenght of the protection is insufficient to be effective";

// The offscreen platform says for every window of fixed size that it cannot pass the size on;
// that is the platform's notice, not the window's fault.
inline QtMessageHandler g_testHandler = nullptr;
inline void DropPlatformNotice(QtMsgType type, const QMessageLogContext& context,
                               const QString& text) {
    if (text == "This plugin does not support propagateSizeHints()") return;
    g_testHandler(type, context, text);
}
inline void DropPlatformNotices() {
    g_testHandler = qInstallMessageHandler(DropPlatformNotice);
}

// The frame as a calculation window sees it: it records the commands forwarded to it.
class FakeFrame final : public taldor::ui::FrameServices {
public:
    void fileNew() override { calls << "fileNew"; }
    void fileOpen() override { calls << "fileOpen"; }
    void fileExit() override { calls << "fileExit"; }
    void helpAbout() override { calls << "helpAbout"; }
    void helpDescription() override { calls << "helpDescription"; }
    void openPicture(const QString& windowClass, QWidget* owner) override {
        calls << "openPicture " + windowClass + (owner ? " owned" : "");
    }
    QStringList calls;
};

// The answers and data of one case, up to the page that follows Structure Data.
struct Road {
    int phenomenon = 0;     // item of "Dominant phenomenon"
    int obstacle = 0;       // item of the obstacle question
    int jet = -1;           // item of "Jet", when that question is asked
    QStringList local;      // "box=text" typed on Local Data
    QStringList structure;  // "box=text" typed on Structure Data
};

// Roads to the Complementary Data page of each final code (to the Results of 211).
inline Road RoadTo(int code) {
    switch (code) {
        case 111:
            return {0, 0, -1, {}, {}};
        case 1121:
            return {0, 0, 1, {}, {"edtEstrLongPlat=4.5"}};
        case 1122:
            return {0, 0, 0, {}, {"edtEstrLongPlat=4.5"}};
        case 121:
            return {0, 1, -1, {}, {}};
        case 122:
            return {0, 1, -1, {}, {"edtEstrLongPlat=1"}};
        case 211:
            return {1, 0, -1, {}, {}};
        case 212:
            return {1, 0, -1, {}, {"edtEstrLongPlat=0.5"}};
        case 22:
            return {1, 1, -1, {}, {}};
        case 31:
            return {2, 0, -1, {}, {}};
        default:
            qFatal("no road to %d", code);
    }
}

class WindowDriver {
protected:
    // The test case's seam and the check that no window outlives its test.
    void startModalSeam() { m_modal = std::make_unique<taldor::ui::RecordingModalHandler>(); }
    void stopModalSeam() { m_modal.reset(); }
    void closeWindows() {
        for (const QPointer<TfrmProbTipo>& w : m_windows) delete w.data();
        m_windows.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TfrmProbTipo* open() {
        auto* w = new TfrmProbTipo(&m_frame, nullptr);
        m_windows << w;
        m_w = w;
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w)) qWarning("calculation window not active");
        return w;
    }

    template <class T = QWidget>
    T* get(const QString& name) const {
        T* w = m_w->findChild<T*>(name);
        if (!w) qFatal("no widget %s", qPrintable(name));
        return w;
    }
    QLineEdit* edit(const QString& name) const { return get<QLineEdit>(name); }
    QTabWidget* pages() const { return get<QTabWidget>("pgReplanteo"); }

    // The indices of the tabs shown, "0123" for the four input pages.
    QString tabsShown() const {
        QString s;
        for (int i = 0; i < pages()->count(); ++i) {
            if (pages()->isTabVisible(i)) s += QString::number(i);
        }
        return s;
    }
    int current() const { return pages()->currentIndex(); }
    QStringList& messages() { return m_modal->messages; }

    static void clickWidget(QWidget* w, QPoint at, bool platform) {
        if (platform) {
            PlatformClick(w, at);
        } else {
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
        }
    }
    // Where a click presses a widget: a radio button reacts on its indicator and caption, not on
    // the rest of its row.
    static QPoint clickPoint(const QWidget* w) {
        return qobject_cast<const QRadioButton*>(w) ? QPoint(8, w->height() / 2)
                                                    : w->rect().center();
    }
    void click(const QString& name, bool platform = false) {
        QWidget* w = get(name);
        clickWidget(w, clickPoint(w), platform);
    }
    void clickTab(int index, bool platform = false) {
        QTabBar* bar = pages()->tabBar();
        clickWidget(bar, bar->tabRect(index).center(), platform);
    }
    // Clicks into a box and replaces its text by typing; the keys go wherever the focus is.
    void type(const QString& box, const QString& text) {
        click(box);
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        if (!text.isEmpty()) QTest::keyClicks(target, text);
    }
    void pressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void answer(const QString& group, int item) {
        click(QString("%1Item%2").arg(group).arg(item));
        for (const char* name : {"btnContAfue01", "btnContAfue12", "btnContAfue23"}) {
            if (get(name)->isVisible()) {
                click(name);
                return;
            }
        }
        QFAIL("no Continue button shown");
    }
    void typeAll(const QStringList& entries) {
        for (const QString& e : entries) {
            const auto eq = e.indexOf(QLatin1Char('='));
            type(e.left(eq), e.mid(eq + 1));
        }
    }
    void follow(const Road& road) {
        click("btnN0");
        answer("rg0", road.phenomenon);
        typeAll(road.local);
        click("btnN1");
        static const char* const groups[] = {"rg00", "rg01", "rg02"};
        answer(groups[road.phenomenon], road.obstacle);
        typeAll(road.structure);
        click("btnN2");
        if (road.jet >= 0) answer("rg000", road.jet);
    }
    // The bold state of the shown formula slots, "1" bold and "0" plain, slot by slot.
    QString boldPattern() const {
        QString s;
        for (int k = 1; k <= 4; ++k) {
            if (!get(QString("btn%1").arg(k))->isVisible()) continue;
            s += get<QLabel>(QString("lbl%1").arg(k))->font().bold() ? '1' : '0';
        }
        return s;
    }
    QStringList shownFormulae() const {
        QStringList names;
        for (int k = 1; k <= 4; ++k) {
            if (get(QString("btn%1").arg(k))->isVisible())
                names << get<QLabel>(QString("lbl%1").arg(k))->text();
        }
        return names;
    }
    bool red(const QString& label) const {
        return get<QLabel>(label)->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }

    std::unique_ptr<taldor::ui::RecordingModalHandler> m_modal;
    FakeFrame m_frame;
    QList<QPointer<TfrmProbTipo>> m_windows;
    QPointer<TfrmProbTipo> m_w;
};

}  // namespace windowtest
