#include "U_prf.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <utility>

#include "U_col.h"
#include "codepage.h"
#include "editor_support.h"
#include "elevation_profile_dialog.h"
#include "hop_model.h"
#include "io_error.h"
#include "profile_builder_process.h"
#include "profile_grid_rules.h"
#include "profile_handover.h"
#include "string_grid.h"
#include "user_seam.h"
#include "working_files.h"

namespace vakrel {

namespace {

const QString kWorkingFile = QString::fromLatin1(kWorkingProfile);
constexpr int kColumns = 5;

SourceEditorLayout Layout() {
    SourceEditorLayout layout;
    layout.client = {438, 370};
    layout.labelPos = {16, 10};
    layout.labelText = QStringLiteral("Название :");
    layout.labelToolTip = QStringLiteral("Правая кнопка мыши - меню ввода/вывода профиля из файла");
    layout.editPos = {87, 8};
    layout.editWidth = 337;
    layout.gridRect = {8, 40, 420, 321};
    layout.gridCols = kColumns;
    layout.gridRows = 1 + kMaxProfilePoints;
    layout.gridFixedCols = 1;
    layout.gridToolTip = QStringLiteral("1-й/последний знак в 1-й колонке: +/вставить строку; -/стереть строку");
    layout.gridScrollBars = true;
    return layout;
}

FileDialogRequest OpenRequest(const QString& initialName) {
    return DataFileDialog(false, QStringLiteral("Ввод исходных данных о профиле из файлов"),
                          QStringLiteral("Исходные данные (*.idn)|*.idn|Параметры профиля (*.prf)|*.prf"), initialName);
}

FileDialogRequest SaveRequest(const QString& initialName) {
    return DataFileDialog(true, QStringLiteral("Сохранение исходных данных о профиле  "),
                          QStringLiteral("Исходные данные (*.idn) |*.idn|Параметры профиля (*.prf)|*.prf"),
                          initialName);
}

}  // namespace

TForm3::TForm3(HopModel& model, UserSeam& seam)
    : SourceEditor(QStringLiteral("TForm3"), QStringLiteral("Исходные данные о профиле местности"), Layout(), seam,
                   model.workingDirectory),
      model_(model),
      openDialogName_(QStringLiteral("prf")) {
    SetUpGrid();
    QAction* n3 = popupMenu1_->addAction(QStringLiteral("Построить по карте высот…"));
    n3->setObjectName(QStringLiteral("N3"));
    connect(n3, &QAction::triggered, this,
            [this] { RunCommand(static_cast<void (SourceEditor::*)()>(&TForm3::N3Click)); });
}

int TForm3::ExecBuildingFromRasters() {
    buildOnShow_ = true;
    return exec();
}

// The command waits for the event loop of the editor's own showing, so that its dialog opens
// over the editor and the editor's closing questions follow it.
void TForm3::showEvent(QShowEvent* event) {
    SourceEditor::showEvent(event);
    if (!std::exchange(buildOnShow_, false)) return;
    QTimer::singleShot(0, this, [this] { RunCommand(static_cast<void (SourceEditor::*)()>(&TForm3::N3Click)); });
}

void TForm3::SetUpGrid() {
    const int widths[kColumns] = {30, 90, 90, 90, 94};
    const char* headings[kColumns] = {"  №", "Расстояние [км]", "     Высота [м]", "  Тип объектов ",
                                      "Высота об-тов [м]"};
    for (int c = 0; c < kColumns; ++c) {
        stringGrid1_->setColWidth(c, widths[c]);
        stringGrid1_->setCell(c, 0, QString::fromUtf8(headings[c]));
    }
    for (int r = 1; r <= kMaxProfilePoints; ++r) {
        stringGrid1_->setCell(0, r, QString::number(r));
        for (int c = 1; c < kColumns; ++c) stringGrid1_->setCell(c, r, QString());
    }
}

// Rows firstRow..lastRow from the points held; rows without a point are emptied.
void TForm3::ShowRows(int firstRow, int lastRow) {
    const char separator = LocaleSeparator();
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 1; c < kColumns; ++c)
            stringGrid1_->setCell(c, r, QString::fromStdString(ProfileCellText(profile_.points, c, r, separator)));
}

void TForm3::RestoreCell(int col, int row) {
    stringGrid1_->setCell(col, row,
                          QString::fromStdString(ProfileCellText(profile_.points, col, row, LocaleSeparator())));
}

void TForm3::FormActivate() {
    handedOver_ = false;
    SetUpGrid();
    fileName_ = kWorkingFile;
    ProfileData read;
    try {
        read = ReadProfileFile(FilePath(kWorkingFile));
    } catch (const IoError&) {
        ShowRows(1, pointCount());  // the profile held before stays, and shows
        throw;
    }
    profile_ = std::move(read);
    ShowLoadedName(NameOfKeptLine(profile_.header[2], true));
    ShowRows(1, pointCount());
    changed_ = false;
}

void TForm3::N1Click() {
    auto chosen = seam_.ChooseFile(this, OpenRequest(openDialogName_));
    if (!chosen) return;
    openDialogName_ = *chosen;
    LoadProfile(*chosen);
}

// The profile is built into a file of its own, which then loads as a chosen file does: the
// closing questions decide whether it becomes the working file.
void TForm3::N3Click() {
    if (!elevationDialog_) elevationDialog_ = new ElevationProfileDialog(this);
    if (ExecOver(*elevationDialog_, *this) != QDialog::Accepted) return;
    auto folder = std::make_unique<QTemporaryDir>();
    const QString built = folder->filePath(QStringLiteral("prf_dem.idn"));
    const auto arguments = elevationDialog_->ProgramArguments(built);
    if (!arguments || !RunProfileBuilder(this, *arguments)) return;
    LoadProfile(built);
    builtFolder_ = std::move(folder);
}

void TForm3::LoadProfile(const QString& path) {
    profile_ = ReadProfileFile(PathBytes(path));
    fileName_ = path;
    ShowLoadedName(NameOfKeptLine(profile_.header[2], true));
    ShowRows(1, pointCount());
    for (int r = pointCount() + 1; r <= kMaxProfilePoints && !stringGrid1_->cell(1, r).isEmpty(); ++r) ShowRows(r, r);
    changed_ = false;
}

void TForm3::N2Click() {
    auto chosen = seam_.ChooseFile(this, SaveRequest(fileName_));
    if (chosen) WriteProfileFile(PathBytes(*chosen), profile_, nameCurrent_);
}

void TForm3::StringGrid1SetEditText(int col, int row, const QString& text) {
    if (col < 1 || row < 1) return;
    const ProfileCellOutcome outcome = ApplyProfileCellText(profile_.points, col, row, text.toStdString());
    if (outcome.valueEntry) changed_ = true;
    switch (outcome.action) {
        case ProfileCellAction::Empty: stringGrid1_->setCell(col, row, QString()); break;
        case ProfileCellAction::Restore: RestoreCell(col, row); break;
        case ProfileCellAction::AskInsert:
            if (seam_.Confirm(this, QStringLiteral("Вставить строку ?"))) {
                InsertProfilePoint(profile_.points, row);
                ShowRows(row, pointCount());
            } else {
                RestoreCell(col, row);
            }
            break;
        case ProfileCellAction::AskDelete:
            if (seam_.Confirm(this, QStringLiteral("Стереть строку ?"))) {
                const int lastRow = pointCount();
                DeleteProfilePoint(profile_.points, row);
                ShowRows(row, lastRow);
            } else {
                RestoreCell(col, row);
            }
            break;
        case ProfileCellAction::Stored: break;
    }
}

void TForm3::StringGrid1DblClick() {
    if (codeReference_) ExecOver(*codeReference_, *this);
}

void TForm3::FormClose() {
    if (NameChanged()) changed_ = true;
    if (changed_ && seam_.Confirm(this, QStringLiteral("Сохранить измененный профиль в файле %1 ?").arg(fileName_)))
        WriteProfileFile(FilePath(fileName_), profile_, nameCurrent_);

    if (fileName_ != kWorkingFile || CurrentDirectory() != model_.workingDirectory) {
        if (!ReturnToWorkingDirectory()) return;
        if (seam_.Confirm(this, QStringLiteral("Перезаписать данные о профиле в рабочий файл prf.idn?"))) {
            WriteProfileFile(FilePath(kWorkingFile), profile_, nameCurrent_);
            changed_ = true;
        } else {
            changed_ = false;
        }
    }

    if (changed_ && pointCount() > 1 &&
        seam_.Confirm(this, QStringLiteral("Использовать измененные данные о профиле в текущих расчетах ?"))) {
        HandOverProfile(profile_, nameCurrent_, model_);
        caption_ = QString::fromStdString(Cp1251ToUtf8(ProfileCaption(nameCurrent_)));
        handedOver_ = true;
    }
}

}  // namespace vakrel
