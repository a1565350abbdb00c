#include "profile_builder_process.h"

#include <QEventLoop>
#include <QProcess>
#include <QProgressDialog>

#include "io_error.h"
#include "program_search.h"

namespace vakrel {

bool RunProfileBuilder(QWidget* parent, const QStringList& arguments) {
    QProcess process;
    QProgressDialog progress(QStringLiteral("Построение профиля по карте высот…"), QStringLiteral("Отмена"), 0, 100,
                             parent);
    progress.setObjectName(QStringLiteral("ProfileBuilderProgress"));
    progress.setWindowTitle(QStringLiteral("VAKREL"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setValue(0);

    QEventLoop loop;
    bool cancelled = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &progress, [&] {
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            if (line.endsWith(QLatin1Char('%'))) progress.setValue(line.chopped(1).toInt());
        }
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &process, [&] {  // the button or Esc
        cancelled = true;
        process.kill();
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);

    const QString program = FindProgram(QString::fromLatin1(kProfileBuilderProgram));
    if (program.isEmpty())
        throw IoError(std::string("Программа ") + kProfileBuilderProgram + " не найдена ни рядом с vakrel_w, ни в PATH",
                      "");
    process.start(program, QStringList(arguments) << QStringLiteral("--progress"));
    if (process.waitForStarted(-1)) loop.exec();
    progress.reset();

    if (cancelled) {
        process.waitForFinished();
        return false;
    }
    if (process.error() == QProcess::FailedToStart)
        throw IoError("Ошибка запуска " + program.toStdString() + ": " + process.errorString().toStdString(), "");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromUtf8(process.readAllStandardError()).trimmed();
        throw IoError(said.isEmpty() ? "vakrel-profile: завершился с ошибкой" : said.toStdString(), "");
    }
    return true;
}

}  // namespace vakrel
