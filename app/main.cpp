// vakrel_w: the planner's window on one hop of a radio-relay or troposcatter link.
// It takes no arguments; the current directory is the working directory of the hop.

#include <QApplication>

#include "hop_model.h"
#include "qt_user_seam.h"
#include "startup.h"
#include "u_vakrel.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vakrel::kApplicationTitle));

    vakrel::HopModel model;
    vakrel::QtUserSeam seam;
    vakrel::Windows windows;
    vakrel::CreateWindows(windows, model, seam);
    vakrel::ShowMainWindow(*windows.form1);
    return QApplication::exec();
}
