#pragma once
// The legend window: every colour and line of the picture with what it means, the object codes
// named as the working folder's code reference prf.tip names them.

#include <QDialog>
#include <vector>

#include "plot_legend.h"

namespace vakrel {

struct HopModel;
class UserSeam;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    TForm9(HopModel& model, UserSeam& seam);

    // The entries as the last showing read them; empty before the first.
    const std::vector<LegendEntry>& entries() const { return entries_; }

protected:
    // The names are read afresh each time the window is shown; the window fits its entries.
    void showEvent(QShowEvent* event) override;

private:
    class LegendBox;

    const HopModel& model_;
    std::vector<LegendEntry> entries_;
    LegendBox* PaintBox1;
};

}  // namespace vakrel
