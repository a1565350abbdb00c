#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <filesystem>

#include "user_seam.h"

namespace vakrel {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    QStringList decoded;
    std::vector<std::string> positional;  // the bytes of the arguments that are not options
    for (const std::string& argument : arguments) {
        decoded << QFile::decodeName(QByteArray::fromStdString(argument));
        if (argument.empty() || argument.front() != '-') positional.push_back(argument);
    }
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
    if (!parser.parse(QStringList{QStringLiteral("vakrel_w")} + decoded)) {
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
    } else if (parser.positionalArguments().size() == 1 && positional.size() == 1) {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::path folder(positional.front());
        // A data file given instead (the desktop's "open with") stands for its folder.
        if (fs::is_regular_file(folder, ignored)) folder = fs::absolute(folder, ignored).parent_path();
        result.folder = folder.string();
        if (!fs::is_directory(folder, ignored)) {
            result.exitCode = 2;
            result.output = QStringLiteral("vakrel_w: нет папки %1\n").arg(ReadableBytes(result.folder));
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
