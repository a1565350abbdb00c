#include "U_rez.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include "buffer_files.h"
#include "codepage.h"
#include "hop_model.h"
#include "scripted_seam.h"
#include "temp_dir.h"
#include "text_file.h"

namespace vakrel {
namespace {

class ReportWindow : public testing::Test {
protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir_.path()));
        model_.workingDirectory = dir_.path();
        model_.profile = ParseProfile(test::ReadSourceFile(VAKREL_EXAMPLES "/prf.idn"), "prf.idn");
        model_.station = ParseStationFile(test::ReadSourceFile(VAKREL_EXAMPLES "/ttx.idn"));
        model_.stationParam(kAntenna1HeightParam) = 30;
        model_.stationParam(kAntenna2HeightParam) = 25.5;
        model_.antennas = {1.005, 41.0};
        dir_.write("rrv.idn", test::ReadSourceFile(VAKREL_EXAMPLES "/rrv.idn"));
        WriteBufferFiles(model_);
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    // Shows the window modally and closes it as the user would, once it has built the report.
    QString ShowAndClose(TForm6& form) {
        QString shown;
        QTimer::singleShot(0, &form, [&] {
            shown = form.findChild<QPlainTextEdit*>("Memo1")->isVisible()
                        ? form.findChild<QPlainTextEdit*>("Memo1")->toPlainText()
                        : QString();
            form.close();
        });
        form.exec();
        return shown;
    }

    test::TempDir dir_;
    QString previous_;
    HopModel model_;
    test::ScriptedSeam seam_;
};

TEST_F(ReportWindow, JoinsTheInputsAndTheResultLinesInOrder) {
    std::string rez = "  Title of the engine\r\n";
    rez += "   58 Count" + std::string(54, ' ') + "         1\r\n";
    rez += "  102 Distance" + std::string(51, ' ') + "    12,500\r\n";
    rez += "  103 Offset" + std::string(53, ' ') + "     3.000\r\n";
    dir_.write("vakrel.rez", rez);
    TForm6 form(model_, seam_);
    const QStringList lines = ShowAndClose(form).split('\n');

    ASSERT_EQ(lines.size(), 49 + 4);
    EXPECT_EQ(lines[0], "         Исходные данные и результаты расчета интервала РРЛ(ТРЛ) ");
    EXPECT_EQ(lines[2], "Интервал  : Березовка - Каменка");
    EXPECT_EQ(lines[5], "   1.Смещение антенны РРС1 вправо (км): 1");  // 1.005 rounds half to even
    EXPECT_EQ(lines[6], "   2.Смещение антенны РРС2 влево  (км): 1");
    EXPECT_EQ(lines[8], "   4.Высота антенны РРС2 (м): 25.5");
    EXPECT_EQ(lines[9],
              "   5.Итоговая длина интервала (км): 40");  // 41 - 1.005 in extended precision lies above 39.995
    EXPECT_EQ(lines[13], "Тип РРС   : РРС-8Ц, 8 ГГц, цифровая, STM-1");
    EXPECT_TRUE(lines[18].contains("30.000")) << lines[18].toStdString();  // antenna 1 height in buf.ttx
    EXPECT_EQ(lines[32], "Условия   : Район 10, июль, пересеченная местность");
    EXPECT_EQ(lines[49], "  Title of the engine");
    EXPECT_TRUE(model_.resultsLoaded);
    EXPECT_EQ(model_.resultPoints[kListA].count, 1);
    EXPECT_DOUBLE_EQ(model_.resultPoints[kListA].distance[0], 12.5);
    EXPECT_DOUBLE_EQ(model_.resultPoints[kListA].offset[0], 3);
    // Closing offered the save dialog, cancelled: nothing written.
    ASSERT_EQ(seam_.dialogs.size(), 1u);
    EXPECT_EQ(seam_.dialogs[0].title, "Сохранение результатов расчета  ");
    EXPECT_EQ(seam_.dialogs[0].initialName, "vakrel_w");
    EXPECT_FALSE(dir_.exists("vakrel_w.rez"));
}

// The window opens showing 40 of the report's lines at once, and the planner may still resize it.
TEST_F(ReportWindow, OpensShowingFortyLinesAndResizes) {
    dir_.write("vakrel.rez", "");
    TForm6 form(model_, seam_);
    int fortiethBottom = 0, textBottom = 0;
    QSize resized;
    QTimer::singleShot(0, &form, [&] {
        auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
        ASSERT_GE(memo->document()->blockCount(), 40);
        fortiethBottom = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(39))).bottom();
        textBottom = memo->viewport()->height();
        form.resize(400, 200);
        resized = form.size();
        form.close();
    });
    form.exec();
    EXPECT_LT(fortiethBottom, textBottom);  // the 40th line shows whole
    EXPECT_EQ(resized, QSize(400, 200));
}

TEST_F(ReportWindow, MissingResultFileStopsWithTheStandardMessage) {
    model_.resultsLoaded = false;
    TForm6 form(model_, seam_);
    EXPECT_TRUE(ShowAndClose(form).isEmpty());  // the text box stays hidden
    EXPECT_EQ(seam_.texts("Error box"), std::vector<std::string>{"File not found.\nvakrel.rez"});
    EXPECT_FALSE(model_.resultsLoaded);
}

TEST_F(ReportWindow, SavesInCodePage1251AndReturnsToTheWorkingDirectory) {
    dir_.write("vakrel.rez", "");
    test::TempDir elsewhere;
    seam_.files.push_back(QString::fromStdString(elsewhere.file("vakrel_w.rez")));
    TForm6 form(model_, seam_);
    ShowAndClose(form);
    const std::string saved = elsewhere.read("vakrel_w.rez");
    EXPECT_EQ(saved.substr(0, 9), "         ");
    EXPECT_NE(saved.find(Utf8ToCp1251("Варьируемые параметры положения антенн:") + "\r\n"), std::string::npos);
    EXPECT_EQ(QDir::currentPath().toStdString(), dir_.path());
    EXPECT_TRUE(model_.resultsLoaded);  // an empty result file still counts as read
    EXPECT_EQ(model_.resultPoints[kListA].count, 0);
}

// The engine writes some 300 lines: a result file of thousands is refused before its lines are
// stored, with the standard box naming it, and the results of the last file read stay.
TEST_F(ReportWindow, LongResultFilesRefusedKeepingTheLastResults) {
    auto repeat = [](std::string_view unit, std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) text += unit;
        return text;
    };
    const std::string counted = "   58 Count" + std::string(54, ' ') + "         1\r\n";
    struct Row {
        const char* what;
        std::string rez;
        bool read;
    };
    const Row rows[] = {
        {"5000 lines", counted + repeat("x\r\n", kMaxShownLines - 1), true},
        {"5001 lines", counted + repeat("x\r\n", kMaxShownLines), false},
        {"16 MiB of bare CRs", repeat("\r", kMaxDataFileBytes), false},
        {"16 MiB of CR LF pairs", repeat("\r\n", kMaxDataFileBytes / 2), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        model_.resultsLoaded = true;  // the results of an earlier run
        model_.resultPoints[kListA].count = 2;
        seam_.events.clear();
        dir_.write("vakrel.rez", row.rez);
        TForm6 form(model_, seam_);
        const QString shown = ShowAndClose(form);
        if (row.read) {
            EXPECT_TRUE(seam_.texts("Error box").empty());
            EXPECT_EQ(shown.count('\n') + 1, 49 + static_cast<int>(kMaxShownLines));
            EXPECT_EQ(model_.resultPoints[kListA].count, 1);
        } else {
            EXPECT_EQ(seam_.texts("Error box"), std::vector<std::string>{"Файл длиннее 5000 строк.\nvakrel.rez"});
            EXPECT_TRUE(shown.isEmpty());
            EXPECT_EQ(model_.resultPoints[kListA].count, 2);
        }
        EXPECT_TRUE(model_.resultsLoaded);
    }
}

}  // namespace
}  // namespace vakrel
