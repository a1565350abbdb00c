// The report on paper: the pages of a PDF file, the hop's name and date on each, the picture on
// the first, and the save dialog's answers.

#include "report_print.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <regex>
#include <vector>

#include "hop_model.h"
#include "io_error.h"
#include "profile_file.h"
#include "scripted_seam.h"
#include "temp_dir.h"
#include "text_file.h"

namespace vakrel {
namespace {

int PdfPages(const std::string& bytes) {
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

PrintedReport Report(int lineCount) {
    QImage picture(400, 150, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QStringList lines;
    for (int i = 0; i < lineCount; ++i) lines << QStringLiteral("   %1. строка отчета").arg(i + 1);
    return {QStringLiteral("Березовка - Каменка"), QDate(2026, 12, 8), picture, lines};
}

TEST(ReportPrint, PagesFollowTheLengthOfTheReport) {
    test::TempDir dir;
    std::vector<int> pages;
    for (int lines : {10, 60, 200}) {
        SCOPED_TRACE(lines);
        const std::string file = dir.file("report.pdf");
        {
            QPdfWriter writer(QString::fromStdString(file));
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(300);
            pages.push_back(PaintReport(writer, Report(lines)));
        }
        EXPECT_EQ(PdfPages(ReadFileBytes(file)), pages.back());
    }
    EXPECT_EQ(pages[0], 1);
    EXPECT_GT(pages[1], pages[0]);
    EXPECT_GT(pages[2], pages[1]);
}

TEST(ReportPrint, SavedAsPdfWhereChosenThenBackInTheWorkingDirectory) {
    test::TempDir work, elsewhere;
    const QString previous = QDir::currentPath();
    HopModel model;
    model.workingDirectory = work.path();
    QDir::setCurrent(QString::fromStdString(work.path()));
    test::ScriptedSeam seam;

    SaveReportAsPdf(seam, nullptr, model, Report(60));  // cancelled: nothing written
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].initialName, QStringLiteral("vakrel_w"));
    EXPECT_EQ(seam.dialogs[0].defaultSuffix, QStringLiteral("pdf"));

    seam.files = {QString::fromStdString(elsewhere.file("hop.pdf"))};
    SaveReportAsPdf(seam, nullptr, model, Report(60));
    const std::string pdf = elsewhere.read("hop.pdf");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GE(PdfPages(pdf), 2);  // the picture and 60 lines do not fit one page
    EXPECT_EQ(QDir::currentPath().toStdString(), work.path());

    seam.files = {QString::fromStdString(elsewhere.file("no-such-folder/hop.pdf"))};
    EXPECT_THROW(SaveReportAsPdf(seam, nullptr, model, Report(1)), IoError);
    EXPECT_EQ(QDir::currentPath().toStdString(), work.path());
    QDir::setCurrent(previous);
}

// Below the picture the legend, in columns across the page: every entry's swatch painted in its
// colour between the picture and the row handed back, nothing below that row.
TEST(ReportPrint, LegendBelowThePictureAcrossThePage) {
    PrintedReport report = Report(1);
    report.legend = PictureLegend({});
    QImage page(1000, 1400, QImage::Format_RGB32);
    page.fill(Qt::white);
    int below = 0;
    {
        QPainter painter(&page);
        EXPECT_EQ(PaintPictureAndLegend(painter, page.rect(), 30, PrintedReport{}), 30);  // no picture: nothing
        below = PaintPictureAndLegend(painter, page.rect(), 30, report);
    }
    const int pictureBottom = 30 + 150 * 1000 / 400;
    ASSERT_GT(below, pictureBottom);
    ASSERT_LT(below, page.height());
    auto painted = [&](QRgb colour, int top, int bottom, int left, int right) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (page.pixel(x, y) == colour) return true;
        return false;
    };
    for (const LegendEntry& entry : report.legend) {
        SCOPED_TRACE(entry.text.toStdString());
        EXPECT_TRUE(painted(entry.colour.rgb(), pictureBottom, below, 0, page.width()));
    }
    EXPECT_TRUE(painted(qRgb(0, 0, 0), pictureBottom, below, page.width() / 2, page.width()));  // a second column
    EXPECT_FALSE(painted(qRgb(0, 0, 0), below, page.height(), 0, page.width()));
    EXPECT_FALSE(painted(qRgb(0, 0, 0), 0, 30, 0, page.width()));
}

TEST(ReportPrint, HopNameFromTheProfilesNameLine) {
    HopModel model;
    EXPECT_EQ(HopName(model), QString());
    model.profile = ParseProfile(test::ReadSourceFile(VAKREL_EXAMPLES "/prf.idn"), "prf.idn");
    EXPECT_EQ(HopName(model), QStringLiteral("Березовка - Каменка"));
}

}  // namespace
}  // namespace vakrel
