// Timing of the application shell on the offscreen platform, run on demand:
//   build/bin/taldor-shell-timing [repetitions]
// Start-up: the application object, the frame window with its intro window (created, shown,
// answered at once), and the frame shown and painted. "New": the calculation window created
// and painted, each time with one more window open.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSet>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Modal.h"
#include "untMain.h"
#include "untProbTipo.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Shows each dialog (the intro window) until it is on screen, then answers it with OK, as a
// user who clicks at once.
class ImmediateAnswer : public taldor::ui::ModalHandler {
public:
    void information(QWidget*, const QString&) override {}
    int exec(QDialog* dialog) override {
        dialog->show();
        WaitExposed(dialog);
        dialog->accept();
        return QDialog::Accepted;
    }
    static void WaitExposed(QWidget* widget) {
        QElapsedTimer waited;
        waited.start();
        while (!widget->windowHandle() || !widget->windowHandle()->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (waited.elapsed() > 10000) {
                std::fprintf(stderr, "%s never shown\n", widget->metaObject()->className());
                std::exit(2);
            }
        }
    }
};

// Notes which widgets have been painted since it was last cleared.
class PaintWatch : public QObject {
public:
    QSet<QObject*> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return QObject::eventFilter(watched, event);
    }
};

void WaitPainted(PaintWatch& watch, const QList<QWidget*>& widgets) {
    QElapsedTimer waited;
    waited.start();
    auto done = [&] {
        for (QWidget* widget : widgets)
            if (!widget->rect().isEmpty() && !watch.painted.contains(widget)) return false;
        return true;
    };
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (waited.elapsed() > 10000) {
            std::fprintf(stderr, "no paint of %s\n", widgets.value(0)->metaObject()->className());
            std::exit(2);
        }
    }
    watch.painted.clear();
}

struct Summary {
    double min, median, max;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

// The offscreen platform's notice that it passes no size hints to a window manager says nothing
// about the program.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s%s\n", type == QtDebugMsg ? "" : "warning: ", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[]) {
    const Clock::time_point processStart = Clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    qInstallMessageHandler(QuietMessages);
    const Clock::time_point appStart = Clock::now();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("taldor"));
    const double applicationMs = MillisecondsSince(appStart);

    ImmediateAnswer answer;
    taldor::ui::ModalHandler* previous = taldor::ui::SetModalHandler(&answer);
    PaintWatch watch;
    application.installEventFilter(&watch);

    // Start-up: the frame (with its intro window) until it is shown and painted.
    std::vector<double> startups;
    std::vector<double> constructions;
    double firstStartupFromProcess = 0;
    for (int i = 0; i < repetitions; ++i) {
        const Clock::time_point start = Clock::now();
        auto frame = std::make_unique<TMainForm>();
        constructions.push_back(MillisecondsSince(start));
        watch.painted.clear();
        frame->show();
        ImmediateAnswer::WaitExposed(frame.get());
        WaitPainted(watch, {frame->statusBar(), frame->workspace()->viewport()});
        startups.push_back(MillisecondsSince(start));
        if (i == 0) firstStartupFromProcess = MillisecondsSince(processStart);
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // "New": from the command to the calculation window painted, with 1, 2, ... windows open.
    auto frame = std::make_unique<TMainForm>();
    frame->show();
    ImmediateAnswer::WaitExposed(frame.get());
    QAction* fileNew = frame->findChild<QAction*>(QStringLiteral("FileNew1"));
    std::vector<double> news;
    const int windows = std::max(repetitions, 30);
    for (int i = 0; i < windows; ++i) {
        const Clock::time_point start = Clock::now();
        watch.painted.clear();
        fileNew->trigger();
        QMdiSubWindow* sub = frame->workspace()->subWindowList(QMdiArea::CreationOrder).last();
        WaitPainted(watch, {sub, sub->widget()});
        news.push_back(MillisecondsSince(start));
    }
    frame.reset();
    taldor::ui::SetModalHandler(previous);

    const Summary startup = Summarise(startups);
    const Summary construction = Summarise(constructions);
    const Summary newWindow = Summarise(news);
    std::printf("platform: %s, repetitions: %d\n", qPrintable(QGuiApplication::platformName()),
                repetitions);
    std::printf("application object:                     %8.2f ms\n", applicationMs);
    std::printf("process start to first frame shown:     %8.2f ms\n", firstStartupFromProcess);
    std::printf("frame + intro created (first / median): %8.2f / %.2f ms (min %.2f, max %.2f)\n",
                constructions.front(), construction.median, construction.min, construction.max);
    std::printf("start-up to frame shown (first / median): %6.2f / %.2f ms (min %.2f, max %.2f)\n",
                startups.front(), startup.median, startup.min, startup.max);
    std::printf(
        "New to calculation window shown:        first %.2f ms, median %.2f ms, "
        "min %.2f, max %.2f (window %d of %d: %.2f ms)\n",
        news.front(), newWindow.median, newWindow.min, newWindow.max, windows, windows,
        news.back());
    return 0;
}
