#pragma once
// The station and conditions editors: a fixed table of named parameters with one editable
// value column (column 3), typed by the value-cell rule with the locale's separator.

#include <span>
#include <vector>

#include "source_editor.h"

namespace vakrel {

// The fixed texts of one grid row: the parameter's name and unit (UTF-8; "" for none).
struct ParameterRowText {
    const char* name;
    const char* unit;
};

class ParameterEditor : public SourceEditor {
    Q_OBJECT
protected:
    ParameterEditor(const QString& objectName, const QString& caption, const SourceEditorLayout& layout, UserSeam& seam,
                    const std::string& workingDirectory, std::span<const ParameterRowText> rows,
                    std::span<const int> colWidths);

    // Opening step 1: column widths, heading row, numbers, names and units.
    void SetUpGrid();
    // Shows the values as edited in column 3.
    void ShowValues();
    bool ValuesDiffer(std::span<const double> other) const;

    void StringGrid1SetEditText(int col, int row, const QString& text) override;

    std::vector<double> values_;  // the values as edited, index 0 = parameter 1

private:
    std::span<const ParameterRowText> rows_;
    std::span<const int> colWidths_;
};

}  // namespace vakrel
