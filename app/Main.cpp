// Program entry: the application, then the frame window (which shows the intro window while it
// is created), then the event loop until the frame closes.

#include <QApplication>

#include "untMain.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("taldor"));
    TMainForm frame;
    frame.show();
    return QApplication::exec();
}
