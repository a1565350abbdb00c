#include "parameter_editor.h"

#include <algorithm>

#include "editor_support.h"
#include "number_format.h"
#include "string_grid.h"

namespace vakrel {

namespace {
constexpr int kValueColumn = 3;
}

ParameterEditor::ParameterEditor(const QString& objectName, const QString& caption, const SourceEditorLayout& layout,
                                 UserSeam& seam, const std::string& workingDirectory,
                                 std::span<const ParameterRowText> rows, std::span<const int> colWidths)
    : SourceEditor(objectName, caption, layout, seam, workingDirectory),
      values_(rows.size(), 0.0),
      rows_(rows),
      colWidths_(colWidths) {
    SetUpGrid();
}

void ParameterEditor::SetUpGrid() {
    for (int c = 0; c < static_cast<int>(colWidths_.size()); ++c) stringGrid1_->setColWidth(c, colWidths_[c]);
    const char* headings[] = {"№", "Наименование параметра", "Ед.изм.", "Значение"};
    for (int c = 0; c < 4; ++c) stringGrid1_->setCell(c, 0, QString::fromUtf8(headings[c]));
    for (int r = 1; r <= static_cast<int>(rows_.size()); ++r) {
        stringGrid1_->setCell(0, r, QString::number(r));
        stringGrid1_->setCell(1, r, QString::fromUtf8(rows_[r - 1].name));
        stringGrid1_->setCell(2, r, QString::fromUtf8(rows_[r - 1].unit));
    }
}

void ParameterEditor::ShowValues() {
    const char separator = LocaleSeparator();
    for (int r = 1; r <= static_cast<int>(values_.size()); ++r)
        stringGrid1_->setCell(kValueColumn, r, QString::fromStdString(FormatGeneral(values_[r - 1], separator)));
}

bool ParameterEditor::ValuesDiffer(std::span<const double> other) const {
    return !std::equal(values_.begin(), values_.end(), other.begin(), other.end());
}

void ParameterEditor::StringGrid1SetEditText(int col, int row, const QString& text) {
    if (col != kValueColumn || row < 1 || row > static_cast<int>(values_.size())) return;
    const TypedValue typed = ApplyTypedValue(text.toStdString(), values_[row - 1], LocaleSeparator());
    values_[row - 1] = typed.value;
    if (typed.revertText) stringGrid1_->setCell(col, row, QString::fromStdString(*typed.revertText));
}

}  // namespace vakrel
