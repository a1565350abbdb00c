#include "U_ttx.h"

#include <algorithm>

#include "editor_support.h"
#include "hop_model.h"
#include "user_seam.h"
#include "working_files.h"

namespace vakrel {

namespace {

const QString kWorkingFile = QString::fromLatin1(kWorkingStation);

const ParameterRowText kRows[kStationParams] = {
    {"Мощность передатчика (слева)", "дБВт"},
    {"Коэффициент усиления передающей антенны", "дБ"},
    {"Ширина главного лепестка передающей антенны", "град."},
    {"Потери в тракте передачи", "дБ"},
    {"Высота передающей антенны", "м"},
    {"Реальная чувствительность приемника (справа)", "дБВт"},
    {"Коэффициент усиления приемной антенны", "дБ"},
    {"Ширина главного лепестка приемной антенны", "град."},
    {"Потери в тракте приема", "дБ"},
    {"Высота приемной антенны", "м"},
    {"Рабочая частота", "МГц"},
    {"Требуемая надежность связи", "%"},
    {"Сум. надежность связи на предыдущих интервалах", "%"},
    {"Режим работы (0-аналоговый, 1-цифровой)", ""},
    {"Кратность разнесения", "раз"},
};
const int kColWidths[] = {18, 280, 40, 56};

SourceEditorLayout Layout() {
    SourceEditorLayout layout;
    layout.client = {417, 385};
    layout.labelPos = {12, 12};
    layout.labelText = QStringLiteral("Тип РРС :");
    layout.labelToolTip = QStringLiteral("Правая кнопка мыши - меню ввода/вывода ТТХ из файла");
    layout.editPos = {80, 8};
    layout.editWidth = 329;
    layout.gridRect = {8, 40, 401, 340};
    layout.gridCols = 4;
    layout.gridRows = 1 + kStationParams;
    layout.gridFixedCols = 3;
    return layout;
}

FileDialogRequest DialogRequest(bool save, const QString& initialName) {
    return DataFileDialog(save, save ? QStringLiteral("Запись ТТХ в файл") : QStringLiteral("Считывание ТТХ из файла"),
                          QStringLiteral("Исходные файлы с ТТХ (*.idn)|*.idn|Фаилы с ТТХ (*.ttx)|*.ttx"), initialName);
}

}  // namespace

TForm2::TForm2(HopModel& model, UserSeam& seam)
    : ParameterEditor(QStringLiteral("TForm2"), QStringLiteral("Исходные данные о РРС(ТРС)"), Layout(), seam,
                      model.workingDirectory, kRows, kColWidths),
      model_(model),
      openDialogName_(QStringLiteral("ttx")) {}

void TForm2::FormActivate() {
    handedOver_ = false;
    SetUpGrid();
    fileName_ = kWorkingFile;
    TakeFile(kWorkingFile, LoadStationFile(FilePath(kWorkingFile)));
    if (ValuesDiffer(model_.station.params) && seam_.Confirm(this, QStringLiteral("Отображать изменённые ТТХ?")))
        values_.assign(model_.station.params.begin(), model_.station.params.end());
    ShowFile();
}

void TForm2::N1Click() {
    auto chosen = seam_.ChooseFile(this, DialogRequest(false, openDialogName_));
    if (!chosen) return;
    openDialogName_ = *chosen;
    TakeFile(*chosen, LoadStationFile(PathBytes(*chosen)));
    ShowFile();
}

void TForm2::N2Click() {
    auto chosen = seam_.ChooseFile(this, DialogRequest(true, fileName_));
    if (chosen) Save(*chosen);
}

void TForm2::FormClose() {
    const bool changed = NameChanged() || ValuesDiffer(file_.params);
    if (changed && seam_.Confirm(this, QStringLiteral("Сохранить измененные ТТХ в файле %1 ?").arg(fileName_)))
        Save(fileName_);

    bool offered = false;
    const std::string current = CurrentDirectory();
    if (fileName_ != kWorkingFile || current != model_.workingDirectory) {
        if (!ReturnToWorkingDirectory()) return;
        if (seam_.Confirm(this, QStringLiteral("Перезаписать ТТХ в рабочий файл ttx.idn?"))) {
            Save(kWorkingFile);
            offered = true;
        }
    } else {
        offered = ValuesDiffer(model_.station.params);
    }

    if (offered && seam_.Confirm(this, QStringLiteral("Использовать измененные ТТХ в текущих расчетах ?"))) HandOver();
}

void TForm2::TakeFile(const QString& fileName, const StationFile& file) {
    fileName_ = fileName;
    file_ = file;
    values_.assign(file_.params.begin(), file_.params.end());
}

void TForm2::ShowFile() {
    ShowLoadedName(NameOfKeptLine(file_.lines[2], false));
    ShowValues();
}

// Writes the values as edited and the current name; the values as read stay, so a window
// that counted as changed still does.
void TForm2::Save(const QString& path) {
    StationFile written = file_;
    std::copy(values_.begin(), values_.end(), written.params.begin());
    SaveStationFile(FilePath(path), written, nameCurrent_);
    file_.lines[2] = written.lines[2];
}

void TForm2::HandOver() {
    std::copy(values_.begin(), values_.end(), model_.station.params.begin());
    model_.station.lines = file_.lines;
    handedOver_ = true;
}

}  // namespace vakrel
