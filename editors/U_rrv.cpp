#include "U_rrv.h"

#include <algorithm>

#include "U_tip.h"
#include "editor_support.h"
#include "hop_model.h"
#include "user_seam.h"
#include "working_files.h"

namespace vakrel {

namespace {

const QString kWorkingFile = QString::fromLatin1(kWorkingConditions);

// Condition parameters the model takes, by number.

const ParameterRowText kRows[kConditionParams] = {
    {"Тип РРВ (1..5, 0-тип определяется программой)", ""},
    {"Тип подстил.поверхн.(1..3,0->дроб.часть=коэф.отр.)", ""},
    {"Номер месяца (1..12, 0-неопределен)", ""},
    {"Номер географического района (1..21,0-нетиповой) ", ""},
    {"Тип неровностей ЕПР (1..3,0-нетиповой)", ""},
    {"Тип поверхности ЕПР (1..4,0-нетиповой)", ""},
    {"Климатический фактор", "N/км"},
    {"Коэффициент приземного преломления", "N"},
    {"Градиент коэффициента приземного преломления", "1/м"},
    {"Среднеквадр.отклонение высоты от плоскости ЕПР", "м"},
    {"Радиус корреляции высот ЕПР", "м"},
    {"Диэлектрическая проницаемость поверхности ЕПР", ""},
    {"Проводимость поверхности ЕПР", "мсим/м"},
    {"Средняя интенсивность дождей", "мм/ч"},
    {"Вероятность дождей", "%"},
    {"Коэфф.рефр.(при типе РРВ=3 и нетиповом р-не=0)", ""},
};
// The names column takes the longest name whole in the dialog font.
const int kColWidths[] = {18, 290, 48, 56};

SourceEditorLayout Layout() {
    SourceEditorLayout layout;
    layout.client = {438, 422};
    layout.labelPos = {10, 10};
    layout.labelText = QStringLiteral("Название :");
    layout.editPos = {72, 8};
    layout.editWidth = 337;
    layout.gridRect = {8, 40, 419, 361};
    layout.gridCols = 4;
    layout.gridRows = 1 + kConditionParams;
    layout.gridFixedCols = 3;
    layout.gridToolTip = QStringLiteral("Для вызова справки о кодах щелкните два раза левой кнопкой мыши");
    return layout;
}

FileDialogRequest DialogRequest(bool save, const QString& initialName) {
    return DataFileDialog(
        save, save ? QStringLiteral("Запись условий РРВ в файл") : QStringLiteral("Считывание условий РРВ из файла"),
        QStringLiteral("Исходные данные (*.idn)|*.idn|Условия РРВ (*.rrv)|*.rrv"), initialName);
}

}  // namespace

TForm4::TForm4(HopModel& model, UserSeam& seam)
    : ParameterEditor(QStringLiteral("TForm4"), QStringLiteral("Исходные данные об условиях РРВ"), Layout(), seam,
                      model.workingDirectory, kRows, kColWidths),
      model_(model),
      openDialogName_(QStringLiteral("rrv")) {}

void TForm4::FormActivate() {
    handedOver_ = false;
    SetUpGrid();
    fileName_ = kWorkingFile;
    TakeFile(kWorkingFile, LoadConditionsFile(FilePath(kWorkingFile)));
    ShowFile();
}

void TForm4::N1Click() {
    auto chosen = seam_.ChooseFile(this, DialogRequest(false, openDialogName_));
    if (!chosen) return;
    openDialogName_ = *chosen;
    TakeFile(*chosen, LoadConditionsFile(PathBytes(*chosen)));
    ShowFile();
}

// Saving under a name never updates the model: the chosen path is a full one.
void TForm4::N2Click() {
    auto chosen = seam_.ChooseFile(this, DialogRequest(true, fileName_));
    if (chosen) Write(*chosen);
}

void TForm4::StringGrid1DblClick() {
    if (codeReference_) ExecOver(*codeReference_, *this);
}

void TForm4::FormClose() {
    const bool changed = NameChanged() || ValuesDiffer(file_.params);
    if (changed && seam_.Confirm(this, QStringLiteral("Сохранить условия РРВ в файле %1 ?").arg(fileName_)))
        Write(fileName_);

    const std::string current = CurrentDirectory();
    if (fileName_ != kWorkingFile || current != model_.workingDirectory) {
        if (!ReturnToWorkingDirectory()) return;
        if (seam_.Confirm(this, QStringLiteral("Перезаписать условия РРВ в рабочий файл rrv.idn?")))
            Write(kWorkingFile);
    }
}

void TForm4::TakeFile(const QString& fileName, const ConditionsFile& file) {
    fileName_ = fileName;
    file_ = file;
    values_.assign(file_.params.begin(), file_.params.end());
}

void TForm4::ShowFile() {
    ShowLoadedName(NameOfKeptLine(file_.lines[2], true));
    ShowValues();
}

void TForm4::Write(const QString& path) {
    ConditionsFile written = file_;
    std::copy(values_.begin(), values_.end(), written.params.begin());
    SaveConditionsFile(FilePath(path), written, nameCurrent_);
    file_.lines[2] = written.lines[2];
    if (path != kWorkingFile) return;
    model_.conditions = written;
    model_.refraction = RefractionFromConditions(written.params);
    handedOver_ = true;
}

}  // namespace vakrel
