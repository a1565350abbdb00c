// vakrel_w: the planner's window on one hop of a radio-relay or troposcatter link.
// The working directory of the hop is the folder given on the command line, or else the
// current directory.

#include <unistd.h>
#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"
#include "hop_model.h"
#include "qt_user_seam.h"
#include "relay_mast_picture.h"
#include "startup.h"
#include "u_vakrel.h"
#include "user_seam.h"

namespace {

// The command line is read before any window exists, so that --help and --version answer in a
// terminal without a display.
vakrel::CommandLine ReadCommandLine(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    vakrel::InstallRussianQtTranslations();
    return vakrel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}

}  // namespace

int main(int argc, char* argv[]) {
    const vakrel::CommandLine line = ReadCommandLine(argc, argv);
    if (line.exitCode) {
        std::fputs(line.output.toLocal8Bit().constData(), *line.exitCode == 0 ? stdout : stderr);
        return *line.exitCode;
    }
    if (!line.folder.empty() && ::chdir(line.folder.c_str()) != 0) {
        std::fprintf(stderr, "vakrel_w: папка %s недоступна\n",
                     vakrel::ReadableBytes(line.folder).toLocal8Bit().constData());
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vakrel::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(VAKREL_VERSION));
    QApplication::setWindowIcon(QPixmap::fromImage(vakrel::RelayMastPicture()));
    vakrel::InstallRussianQtTranslations();

    vakrel::HopModel model;
    vakrel::QtUserSeam seam;
    vakrel::Windows windows;
    vakrel::CreateWindows(windows, model, seam);
    vakrel::ShowMainWindow(*windows.form1);
    return QApplication::exec();
}
