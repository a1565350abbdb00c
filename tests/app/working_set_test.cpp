// Loading the working set: what each file gives the model, the effective radius by region and
// month, and what a failing file leaves behind.

#include "working_set.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "hop_model.h"
#include "io_error.h"
#include "parameter_line.h"
#include "temp_dir.h"
#include "text_file.h"

namespace vakrel {
namespace {

using test::Example;

// The example conditions file with the values of some lines (1-based) replaced.
std::string Conditions(std::initializer_list<std::pair<int, double>> values) {
    const std::string bytes = Example("rrv.idn");
    LineReader in(bytes);
    std::string out;
    for (int line = 1; !in.AtEnd(); ++line) {
        std::string text = in.ReadLine();
        for (auto [number, value] : values)
            if (number == line) text = WriteParameterLine(text, value, SuffixOf(text));
        out += text + "\r\n";
    }
    return out;
}

// Runs the loading in `dir` as the current directory.
void LoadIn(const test::TempDir& dir, HopModel& model) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));
    struct Back {
        QString path;
        ~Back() { QDir::setCurrent(path); }
    } back{previous};
    LoadWorkingFiles(model, dir.path());
}

TEST(WorkingSet, ExampleHopFillsTheModel) {
    test::TempDir dir;
    for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"}) dir.write(name, Example(name));
    HopModel model;
    model.refraction.coefficient = 1.5;  // replaced by the file's value
    model.resultsLoaded = true;
    LoadIn(dir, model);

    EXPECT_EQ(model.workingDirectory, dir.path());
    ASSERT_GE(model.pointCount(), 2);
    EXPECT_DOUBLE_EQ(model.profile.points.back().distance, 42);
    EXPECT_DOUBLE_EQ(model.antennas.position1, 0);
    EXPECT_DOUBLE_EQ(model.antennas.position2, 42);
    EXPECT_DOUBLE_EQ(model.antennaHeight1(), 30);
    EXPECT_DOUBLE_EQ(model.antennaHeight2(), 25);
    EXPECT_DOUBLE_EQ(model.workingFrequency(), 8000);
    // Region 10, July: the table's 0.045 whatever the file says.
    EXPECT_EQ(model.refraction.region, 10);
    EXPECT_EQ(model.refraction.month, 7);
    EXPECT_DOUBLE_EQ(model.refraction.gradient, 0.045);
    EXPECT_NEAR(model.effectiveEarthRadius, 6370 / (1 - 2 * 0.045 * 3.185), 1e-9);
    EXPECT_DOUBLE_EQ(model.refraction.coefficient, 1.333);
    EXPECT_FALSE(model.resultsLoaded);
    EXPECT_TRUE(model.launchPending);
    EXPECT_EQ(ProfileCaption(model.profile).toStdString(), "Профиль местности на интервале: Березовка - Каменка");
}

TEST(WorkingSet, EffectiveRadiusByRegionAndMonth) {
    struct Row {
        double month, region, gradient, coefficient;
        double radius;
        int monthAfter;
    };
    const Row rows[] = {
        {6, 5, 0.07, 1.333, 8548.04, 6},   // region 5, any month: 0.04
        {0, 10, 0.07, 1.333, 8131.02, 4},  // undetermined month: the smallest gradient, earliest month
        {13, 10, 0.07, 1.333, 8131.02, 4},
        {1, 10, 0.07, 1.333, 9525.09, 1},                             // the table wins over the file
        {12.9, 10, 0.07, 1.333, 6370 / (1 - 2 * 0.045 * 3.185), 12},  // a month of 12.9 is December
        {7, 0, 0, 0, 8500.00, 7},                                     // non-typical region, gradient 0
        {7, 0, 0.041, 0, 8621.74, 7},
        {7, 22, 0.041, 0, 8621.74, 7},
        {7, 99, 0.2, 1.333, 8491.21, 7},  // the file's coefficient, read at loading as the engine reads it
        {7, 0, 0.041, -1, 8621.74, 7},    // a coefficient of 0 or below falls back to the gradient
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "region " << row.region << " month " << row.month);
        test::TempDir dir;
        dir.write("prf.idn", Example("prf.idn"));
        dir.write("ttx.idn", Example("ttx.idn"));
        dir.write("rrv.idn",
                  Conditions({{17, row.month}, {18, row.region}, {23, row.gradient}, {30, row.coefficient}}));
        HopModel model;
        LoadIn(dir, model);
        EXPECT_NEAR(model.effectiveEarthRadius, row.radius, 0.005);
        EXPECT_EQ(model.refraction.month, row.monthAfter);
    }
}

TEST(WorkingSet, FailingFileStopsTheLoadingAndKeepsWhatCameBefore) {
    test::TempDir dir;
    dir.write("prf.idn", Example("prf.idn"));
    dir.write("ttx.idn", Example("ttx.idn"));
    HopModel model;
    try {
        LoadIn(dir, model);
        FAIL() << "rrv.idn is missing";
    } catch (const IoError& error) {
        EXPECT_EQ(error.userMessage(), "File not found.");
    }
    EXPECT_DOUBLE_EQ(model.profile.points.back().distance, 42);  // the profile and the station file were read
    EXPECT_DOUBLE_EQ(model.workingFrequency(), 8000);
    EXPECT_EQ(model.effectiveEarthRadius, 0);  // the rest keeps its start-up state
    EXPECT_DOUBLE_EQ(model.antennas.position2, 0);
    EXPECT_FALSE(model.launchPending);

    HopModel untouched;
    test::TempDir empty;
    EXPECT_THROW(LoadIn(empty, untouched), IoError);
    EXPECT_EQ(untouched.pointCount(), 0);
}

TEST(WorkingSet, ConditionsFileTooShortReadsZeros) {
    test::TempDir dir;
    dir.write("prf.idn", Example("prf.idn"));
    dir.write("ttx.idn", Example("ttx.idn"));
    dir.write("rrv.idn", "only one line\r\n");
    HopModel model;
    LoadIn(dir, model);
    EXPECT_EQ(model.refraction.region, 0);
    EXPECT_EQ(model.effectiveEarthRadius, 8500);  // non-typical region, gradient 0
}

}  // namespace
}  // namespace vakrel
