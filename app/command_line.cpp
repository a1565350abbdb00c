#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vakrel {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Расчет интервала РРЛ(ТРЛ): профиль местности, положение антенн, расчет и отчет.\n"
                       "Рабочая папка - FOLDER или текущая папка; в ней файлы prf.idn, ttx.idn и rrv.idn."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Эта справка."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Версия."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Рабочая папка интервала."),
                                 QStringLiteral("[FOLDER]"));

    CommandLine result;
    if (!parser.parse(QStringList{QStringLiteral("vakrel_w")} + arguments)) {
        result.exitCode = 2;
        result.output = parser.errorText() + '\n';
    } else if (parser.isSet(help)) {
        result.exitCode = 0;
        result.output = parser.helpText();
    } else if (parser.isSet(version)) {
        result.exitCode = 0;
        result.output = QStringLiteral("vakrel_w %1\n").arg(QString::fromLatin1(VAKREL_VERSION));
    } else if (parser.positionalArguments().size() > 1) {
        result.exitCode = 2;
        result.output = QStringLiteral("vakrel_w: одна рабочая папка, не несколько\n");
    } else if (parser.positionalArguments().size() == 1) {
        result.folder = parser.positionalArguments().constFirst();
        // A data file given instead (the desktop's "open with") stands for its folder.
        const QFileInfo given(result.folder);
        if (given.isFile()) result.folder = given.absolutePath();
        if (!QFileInfo(result.folder).isDir()) {
            result.exitCode = 2;
            result.output = QStringLiteral("vakrel_w: нет папки %1\n").arg(QDir::toNativeSeparators(result.folder));
        }
    }
    return result;
}

bool InstallRussianQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vakrel
