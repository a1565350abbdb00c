#include "U_hgt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_font.h"
#include "hop_verdict.h"
#include "locale_and_folder.h"
#include "rez_lines.h"
#include "verdict_strip.h"

namespace vakrel {

namespace {

enum Column { kWay, kHeight1, kHeight2, kMargin, kOutage, kReliability, kRequirement, kColumns };

// Numbers as vakrel.rez writes them: heights to the search's 0.1 m as its text lines put them, the
// margin and the outage as their coded lines 32 and 44, the reliability as 47.
QString Text(const std::string& text) { return QString::fromStdString(Trimmed(text)); }
QString HeightText(double m) { return Text(Printf("%.1f", m)); }

QString RequirementText(const HopResult& hop) {
    if (!(hop.station.requiredReliabilityPct > 0)) return QStringLiteral("не задано");
    return hop.reliability.met ? QStringLiteral("выполнено") : QStringLiteral("НЕ выполнено");
}

// The heights on the screen and what they meet, and whether there is anything to raise.
QString PlacementText(const HopVerdict& verdict) {
    const HopResult& hop = verdict.result;
    const double required = hop.station.requiredReliabilityPct;
    QString text = QStringLiteral("Сейчас: антенна 1 — %1 м, антенна 2 — %2 м; просвет по P.530 %3; ")
                       .arg(GeneralText(hop.station.txAntennaHeightM), GeneralText(hop.station.rxAntennaHeightM),
                            hop.minimumK.met ? QStringLiteral("обеспечен") : QStringLiteral("НЕ обеспечен"));
    if (required > 0)
        text += QString::fromStdString(ReliabilityAgainstRequirement(hop)) + QStringLiteral(".");
    else
        text += QStringLiteral("требуемая надежность не задана.");
    if (hop.propagationUsed == Propagation::Troposcatter)
        text += QStringLiteral(
            "\nТропосферная трасса: для нее просвет по P.530 не требуется; высоты ниже — те, что потребовала бы "
            "прямая видимость.");
    if (MeetsEverything(hop))
        text += QStringLiteral(
            "\nНынешние высоты уже удовлетворяют критерию просвета и требованию надежности: решение, равное им, "
            "отмечено словом «нынешние».");
    return text;
}

QTableWidgetItem* Cell(const QString& text, bool choosable) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(choosable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TForm10::TForm10(const HopVerdict& verdict, QWidget* parent)
    : QDialog(parent),
      offers_(OfferHeights(verdict)),
      Label1(new QLabel(this)),
      Table1(new QTableWidget(this)),
      Label2(new QLabel(this)),
      Button1(new QPushButton(QStringLiteral("Применить"), this)),
      Button2(new QPushButton(QStringLiteral("Отмена"), this)) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Подбор высот антенн"));
    setModal(true);
    // Only the close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont(11));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setText(PlacementText(verdict));

    Table1->setObjectName(QStringLiteral("Table1"));
    FillTable(verdict);

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    Label2->setText(
        QStringLiteral("Наименьшие высоты над землей с шагом 0.1 м, не ниже нынешних. «Применить» или двойной щелчок "
                       "ставит высоты строки на регуляторы; Ctrl+Z в главном окне возвращает прежние."));

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Table1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Table1, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ChooseRow(row); });
    connect(Table1, &QTableWidget::itemSelectionChanged, this, &TForm10::SelectionChanged);

    const auto first = std::find_if(offers_.begin(), offers_.end(), [](const HeightOffer& o) { return o.choosable; });
    if (first != offers_.end())
        Table1->selectRow(static_cast<int>(first - offers_.begin()));
    else
        Table1->setFocusPolicy(Qt::NoFocus);  // nothing to choose there
    SelectionChanged();
}

void TForm10::FillTable(const HopVerdict& verdict) {
    Table1->setColumnCount(kColumns);
    Table1->setRowCount(static_cast<int>(offers_.size()));
    Table1->setHorizontalHeaderLabels({QStringLiteral("Способ подъема"), QStringLiteral("Антенна 1, м"),
                                       QStringLiteral("Антенна 2, м"), QStringLiteral("Запас на замирания, дБ"),
                                       QStringLiteral("Перерыв за год, %"), QStringLiteral("Надежность, %"),
                                       QStringLiteral("Требование")});
    Table1->verticalHeader()->hide();
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table1->setSelectionMode(QAbstractItemView::SingleSelection);
    Table1->setWordWrap(true);
    Table1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QString required = Text(FormatReliabilityValue(verdict.result.station.requiredReliabilityPct));
    for (std::size_t i = 0; i < offers_.size(); ++i) {
        const int row = static_cast<int>(i);
        const HeightOffer& o = offers_[i];
        QString way = WayCaption(o.solution.way);
        if (o.current) way += QStringLiteral(" — нынешние");
        Table1->setItem(row, kWay, Cell(way, o.choosable));
        if (!o.choosable) {
            Table1->setSpan(row, kHeight1, 1, kColumns - kHeight1);
            Table1->setItem(row, kHeight1, Cell(o.why, false));
            continue;
        }
        const HopResult& at = *o.at;
        Table1->setItem(row, kHeight1, Cell(HeightText(o.solution.txHeightM), true));
        Table1->setItem(row, kHeight2, Cell(HeightText(o.solution.rxHeightM), true));
        Table1->setItem(row, kMargin, Cell(Text(FormatCodedValue(at.marginDb)), true));
        Table1->setItem(row, kOutage, Cell(Text(FormatCodedValue(at.reliability.totalPct)), true));
        Table1->setItem(row, kReliability, Cell(Text(FormatReliabilityValue(at.reliability.chainPct)), true));
        QString requirement = RequirementText(at);
        if (at.station.requiredReliabilityPct > 0) requirement += QStringLiteral(" (%1 %)").arg(required);
        Table1->setItem(row, kRequirement, Cell(requirement, true));
        for (int column = kHeight1; column < kColumns; ++column)
            if (column != kRequirement) Table1->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // Every column as wide as its header and numbers, the last one widened so that a reason fits
    // on one line across the columns it spans.
    Table1->resizeColumnsToContents();
    int spanned = 0;
    for (int column = kHeight1; column < kColumns; ++column) spanned += Table1->columnWidth(column);
    int widest = 0;
    for (const HeightOffer& o : offers_)
        if (!o.choosable) widest = std::max(widest, Table1->fontMetrics().horizontalAdvance(o.why) + 12);
    if (widest > spanned) Table1->setColumnWidth(kRequirement, Table1->columnWidth(kRequirement) + widest - spanned);
    Table1->resizeRowsToContents();
    int width = 2 * Table1->frameWidth();
    for (int column = 0; column < kColumns; ++column) width += Table1->columnWidth(column);
    int height = 2 * Table1->frameWidth() + Table1->horizontalHeader()->height();
    for (int row = 0; row < Table1->rowCount(); ++row) height += Table1->rowHeight(row);
    Table1->setFixedSize(width, height);
}

int TForm10::SelectedRow() const {
    const QList<QTableWidgetItem*> items = Table1->selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

void TForm10::SelectionChanged() {
    const int row = SelectedRow();
    Button1->setEnabled(row >= 0 && offers_[static_cast<std::size_t>(row)].choosable);
}

void TForm10::Button1Click() { ChooseRow(SelectedRow()); }

void TForm10::ChooseRow(int row) {
    if (row < 0 || row >= static_cast<int>(offers_.size())) return;
    const HeightOffer& offer = offers_[static_cast<std::size_t>(row)];
    if (!offer.choosable) return;
    chosen_ = offer;
    accept();
}

}  // namespace vakrel
