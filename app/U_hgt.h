#pragma once
// The choice of antenna heights: the three ways of raising the antennas that meet the clearance
// criterion and the required reliability, each on its row with the fade margin and the outage at
// its heights, or why it has no solution within the spin controls' range. A way without one
// cannot be chosen.

#include <QDialog>
#include <array>
#include <optional>

#include "height_offers.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vakrel {

struct HopVerdict;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    // `verdict` must be calculated; the ways are found for it here.
    TForm10(const HopVerdict& verdict, QWidget* parent);

    const std::array<HeightOffer, 3>& offers() const { return offers_; }
    // The way chosen by "Применить" or a double click on its row; none when the window was
    // closed otherwise.
    const std::optional<HeightOffer>& chosen() const { return chosen_; }

    // "Применить": the selected row's way, when it can be chosen.
    void Button1Click();

private:
    void FillTable(const HopVerdict& verdict);
    void ChooseRow(int row);
    void SelectionChanged();
    int SelectedRow() const;

    std::array<HeightOffer, 3> offers_;
    std::optional<HeightOffer> chosen_;
    QLabel* Label1;        // the heights on the screen and what they meet
    QTableWidget* Table1;  // one row per way
    QLabel* Label2;        // how the choice is applied and taken back
    QPushButton* Button1;  // "Применить"
    QPushButton* Button2;  // "Отмена"
};

}  // namespace vakrel
