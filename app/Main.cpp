// Program entry: the application, then the frame window (which shows the intro window while it
// is created), then the event loop until the frame closes.

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "JpegPicture.h"
#include "untIntro.h"
#include "untMain.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("taldor"));
    // The intro window's picture stands for the program on the task bar and on its windows.
    const QImage picture = taldor::app::DecodeJpeg(TfrmIntro::DefaultPicture());
    if (!picture.isNull()) QApplication::setWindowIcon(QIcon(QPixmap::fromImage(picture)));
    TMainForm frame;
    frame.show();
    return QApplication::exec();
}
