#include "working_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "io_error.h"
#include "text_file.h"
#include "user_seam.h"
#include "working_set.h"

namespace vakrel {

namespace {

// The files of a working set: the three data files and the two help texts.
constexpr const char* kExampleFiles[] = {kWorkingProfile, kWorkingStation, kWorkingConditions, kObjectCodesText,
                                         kConditionCodesText};

enum Choice { kChooseHop = 0, kLayOutExample = 1 };

QString Native(const QString& folder) { return QDir::toNativeSeparators(QDir(folder).absolutePath()); }

// The current directory as its bytes stand, readable whatever the locale.
QString CurrentFolderShown() {
    std::error_code ignored;
    return ReadableBytes(std::filesystem::current_path(ignored).string());
}

QString NoWorkingFilesText() {
    return QStringLiteral(
               "В папке\n%1\nнет рабочих файлов интервала prf.idn, ttx.idn и rrv.idn.\n\n"
               "Выберите папку интервала или создайте новую папку с примером.")
        .arg(CurrentFolderShown());
}

// The example set laid out in a folder that the user chose; false (after saying why) when it
// could not be. The folder dialog lets a new folder's name be typed: such a folder is made
// here, with the folders above it.
bool LayOutIn(UserSeam& seam, QWidget* parent, const QString& exampleSet, const QString& folder) {
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        seam.ShowError(parent, QString::fromLatin1(kApplicationTitle),
                       QStringLiteral("Не удалось создать папку\n%1").arg(Native(folder)));
        return false;
    }
    if (!LacksWorkingFiles(folder)) {
        seam.ShowError(
            parent, QString::fromLatin1(kApplicationTitle),
            QStringLiteral("В папке\n%1\nуже есть рабочие файлы; пример в ней не создан.").arg(Native(folder)));
        return false;
    }
    try {
        LayOutExampleSet(exampleSet, folder);
    } catch (const IoError& error) {
        seam.ShowIoError(parent, error);
        return false;
    }
    return true;
}

}  // namespace

bool LacksWorkingFiles(const QString& folder) {
    const QDir dir(folder);
    for (const char* name : {kWorkingProfile, kWorkingStation, kWorkingConditions})
        if (QFileInfo::exists(dir.filePath(QString::fromLatin1(name)))) return false;
    return true;
}

QString ExampleSetFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/vakrel/examples"));
}

void LayOutExampleSet(const QString& from, const QString& folder) {
    for (const char* name : kExampleFiles) {
        const QString file = QString::fromLatin1(name);
        const std::string bytes = ReadFileBytes(QDir(from).filePath(file).toStdString());
        WriteFileAtomically(QDir(folder).filePath(file).toStdString(), bytes);
    }
}

bool OfferWorkingFolder(UserSeam& seam, QWidget* parent, const QString& exampleSet) {
    const QStringList choices{QStringLiteral("Выбрать папку интервала..."),
                              QStringLiteral("Создать папку с примером...")};
    while (LacksWorkingFiles(QDir::currentPath())) {
        const int choice = seam.Choose(parent, QString::fromLatin1(kApplicationTitle), NoWorkingFilesText(), choices);
        std::optional<QString> folder;
        if (choice == kChooseHop) {
            folder = seam.ChooseFolder(parent, QStringLiteral("Папка интервала"));
        } else if (choice == kLayOutExample) {
            folder = seam.ChooseFolder(parent, QStringLiteral("Новая папка для примера"));
            if (folder && !LayOutIn(seam, parent, exampleSet, *folder)) continue;
        } else {
            return false;
        }
        if (folder) QDir::setCurrent(*folder);
    }
    return true;
}

}  // namespace vakrel
