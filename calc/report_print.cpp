#include "report_print.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "codepage.h"
#include "hop_model.h"
#include "io_error.h"
#include "parameter_line.h"
#include "user_seam.h"

namespace vakrel {

namespace {

// The text's typeface: a fixed-pitch face, so that the columns of the report stay in line.
QFont ReportFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9);
    return font;
}

QFont HeadFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

// The legend's: smaller, so that two columns of it fit across the page.
QFont LegendFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(7);
    return font;
}

// The head of a page: the hop's name on the left, the date and the page number on the right,
// a rule below. Returns the head's height.
int PaintHead(QPainter& painter, const QRect& page, const PrintedReport& report, int number) {
    painter.setFont(HeadFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const QString right =
        QStringLiteral("%1   стр. %2").arg(report.date.toString(QStringLiteral("dd.MM.yyyy"))).arg(number);
    const int rightWidth = metrics.horizontalAdvance(right);
    const QRect line(page.left(), page.top(), page.width(), metrics.height());
    const QRect nameCell = line.adjusted(0, 0, -(rightWidth + metrics.averageCharWidth() * 2), 0);
    painter.drawText(nameCell, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(report.hopName, Qt::ElideRight, nameCell.width()));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, right);
    const int rule = line.bottom() + metrics.height() / 3;
    painter.drawLine(page.left(), rule, page.right(), rule);
    return rule - page.top() + metrics.height();
}

}  // namespace

int PaintPictureAndLegend(QPainter& painter, const QRect& page, int top, const PrintedReport& report) {
    if (report.picture.isNull()) return top;
    // As drawn: no smoothing of its one-pixel lines.
    const QSize size = report.picture.size().scaled(page.width(), page.height() / 2, Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(page.left(), top), size), report.picture);
    painter.setFont(LegendFont());
    const int gap = painter.fontMetrics().height();
    int y = top + size.height() + gap;
    if (!report.legend.empty()) {
        const LegendLayout layout = LayOutLegend(report.legend, painter.fontMetrics(), page.width());
        PaintLegend(painter, QPoint(page.left(), y), report.legend, layout);
        y += layout.size.height() + gap;
    }
    return y;
}

int PaintReport(QPagedPaintDevice& device, const PrintedReport& report) {
    QPainter painter(&device);
    if (!painter.isActive()) return 0;
    const QRect page(0, 0, device.width(), device.height());
    int number = 1;
    int y = page.top() + PaintHead(painter, page, report, number);

    y = PaintPictureAndLegend(painter, page, y, report);

    painter.setFont(ReportFont());
    const int lineHeight = QFontMetrics(ReportFont(), &device).lineSpacing();
    for (const QString& line : report.lines) {
        if (y + lineHeight > page.bottom()) {
            device.newPage();
            ++number;
            y = page.top() + PaintHead(painter, page, report, number);
            painter.setFont(ReportFont());
        }
        painter.drawText(page.left(), y + QFontMetrics(ReportFont(), &device).ascent(), line);
        y += lineHeight;
    }
    return number;
}

QString HopName(const HopModel& model) {
    const std::string name = DosToWin(NameFromNameLine(model.profile.header[2]), WindowsTest::Off, true);
    return QString::fromStdString(Cp1251ToUtf8(name)).trimmed();
}

void SaveReportAsPdf(UserSeam& seam, QWidget* parent, const HopModel& model, const PrintedReport& report) {
    const auto path = seam.ChooseFile(
        parent, {true, QStringLiteral("Сохранение отчета в файле PDF"), QStringLiteral("Документы PDF (*.pdf)"),
                 QStringLiteral("pdf"), QStringLiteral("vakrel_w")});
    QDir::setCurrent(QString::fromStdString(model.workingDirectory));
    if (!path) return;
    {
        QPdfWriter writer(*path);
        writer.setTitle(report.hopName);
        writer.setCreator(QStringLiteral("VAKREL ") + QString::fromLatin1(VAKREL_VERSION));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        if (PaintReport(writer, report) == 0) throw IoError(IoErrorKind::AccessDenied, path->toStdString());
    }
}

void PrintReport(QWidget* parent, const PrintedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.hopName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать отчета"));
    if (dialog.exec() == QDialog::Accepted) PaintReport(printer, report);
}

}  // namespace vakrel
