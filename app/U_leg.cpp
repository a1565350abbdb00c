#include "U_leg.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "code_reference.h"
#include "dialog_font.h"
#include "hop_model.h"

namespace vakrel {

namespace {
constexpr int kMargin = 10;  // pixels around the entries
}  // namespace

// The entries painted in one column on white, as the printed report paints them.
class TForm9::LegendBox : public QWidget {
public:
    explicit LegendBox(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("PaintBox1")); }

    void setLegend(const std::vector<LegendEntry>& legend) {
        legend_ = legend;
        layout_ = LayOutLegend(legend_, fontMetrics(), 0);
        resize(layout_.size + QSize(2 * kMargin, 2 * kMargin));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        PaintLegend(painter, QPoint(kMargin, kMargin), legend_, layout_);
    }

private:
    std::vector<LegendEntry> legend_;
    LegendLayout layout_;
};

TForm9::TForm9(HopModel& model, UserSeam&) : model_(model), PaintBox1(new LegendBox(this)) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Легенда"));
    setModal(true);
    // Only the close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont(13));
}

void TForm9::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        entries_ = PictureLegend(ReadObjectCodeNames(model_.workingDirectory));
        PaintBox1->setLegend(entries_);
        setFixedSize(PaintBox1->size());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

}  // namespace vakrel
