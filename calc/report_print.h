#pragma once
// The report on paper or in a PDF file: the profile picture with its scale and its legend, then
// the report's text, with the hop's name, the date and the page number at the head of every page.

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "plot_legend.h"

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace vakrel {

struct HopModel;
class UserSeam;

struct PrintedReport {
    QString hopName;
    QDate date;
    QImage picture;                     // may be null: the pages then hold the text alone
    QStringList lines;                  // the report as shown
    std::vector<LegendEntry> legend{};  // painted below the picture
};

// Lays the report out on `device`, page after page; the number of pages used, 0 when the
// device cannot be painted on (a file that cannot be created).
int PaintReport(QPagedPaintDevice& device, const PrintedReport& report);

// The picture across the page's width (never taller than half the page) with its top at row
// `top`, and its legend below it in as many columns as the width holds; the row below both.
// Nothing, and `top` back, for a null picture.
int PaintPictureAndLegend(QPainter& painter, const QRect& page, int top, const PrintedReport& report);

// The hop's name as the profile's name line gives it.
QString HopName(const HopModel& model);

// "PDF...": asks for a file (vakrel_w.pdf offered) and writes the report there; the working
// directory is current again afterwards. Throws IoError when the file cannot be written.
void SaveReportAsPdf(UserSeam& seam, QWidget* parent, const HopModel& model, const PrintedReport& report);

// "Печать...": Qt's print dialog, then the pages on the printer chosen.
void PrintReport(QWidget* parent, const PrintedReport& report);

}  // namespace vakrel
