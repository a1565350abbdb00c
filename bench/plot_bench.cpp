// The profile plot: one drawing of a 1000-point profile with every object code, the scale on
// with curved level lines, into a 1920 × 1080 picture, beside a plain fill of that picture; the
// same for profiles of absurd heights and distances; and one click on a spin control of the main
// window, from the handler to the new picture on the widget, and on a 1000-point hop also to the
// verdict strip's new calculation.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "hop_model.h"
#include "profile_file.h"
#include "profile_plot.h"
#include "profile_view.h"
#include "qt_user_seam.h"
#include "text_file.h"
#include "u_vakrel.h"
#include "updown.h"

namespace {

// 50 km, 1000 points; runs of 7 points share a code, so every code 0-9 carries objects.
vakrel::HopModel ThousandPointHop() {
    vakrel::HopModel model;
    for (int i = 0; i < vakrel::kMaxProfilePoints; ++i) {
        const double x = i * 50.0 / (vakrel::kMaxProfilePoints - 1);
        const auto code = static_cast<std::uint8_t>((i / 7) % 10);
        model.profile.points.push_back(
            {x, 150 + 40 * std::sin(i * 0.05) + 10 * std::sin(i * 0.7), code, (i % 3) * 7.5});
    }
    model.stationParam(vakrel::kAntenna1HeightParam) = 30;
    model.stationParam(vakrel::kAntenna2HeightParam) = 25;
    model.stationParam(vakrel::kFrequencyParam) = 8000;
    model.antennas = {0, 50};
    model.effectiveEarthRadius = 8500;
    return model;
}

// The dearest display state: the scale with curved level lines.
const vakrel::PlotOptions kCurvedScale{true, true};

void BM_DrawProfile1000CurvedScale1920x1080(benchmark::State& state) {
    const vakrel::HopModel model = ThousandPointHop();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        auto plot = vakrel::DrawProfile(model, kCurvedScale, image, '.');
        benchmark::DoNotOptimize(plot);
    }
}
BENCHMARK(BM_DrawProfile1000CurvedScale1920x1080)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The floor the drawing is measured against: one fill of the same picture, every pixel written
// once. On a loaded machine only the ratio of the two, taken in one run, means much.
void BM_FillFloor1920x1080(benchmark::State& state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(vakrel::kPlotWhite);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillFloor1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Profiles the reader accepts although no hop looks like them, each drawn with the scale on and
// curved level lines, the dearest display state. Every one must redraw in under 50 ms.
vakrel::HopModel AbsurdHop(const std::function<void(std::vector<vakrel::ProfilePoint>&)>& shape) {
    vakrel::HopModel model = ThousandPointHop();
    shape(model.profile.points);
    model.antennas.position1 = std::max(0.0, model.profile.points.front().distance);
    model.antennas.position2 = model.profile.points.back().distance;
    return model;
}

void BM_DrawAbsurdProfile(benchmark::State& state, const vakrel::HopModel& model) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        auto plot = vakrel::DrawProfile(model, kCurvedScale, image, '.');
        benchmark::DoNotOptimize(plot);
    }
}

const vakrel::HopModel kHeight1e10 = AbsurdHop([](auto& p) { p[500].groundHeight = 1e10; });
const vakrel::HopModel kHeightsSwing1e10 = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i < p.size(); ++i) p[i].groundHeight = i % 2 ? 1e10 : -1e10;
});
const vakrel::HopModel kHeightsSwing1e300 = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i < p.size(); ++i) p[i].groundHeight = i % 2 ? 1e300 : -1e300;
});
const vakrel::HopModel kObjects1e10 = AbsurdHop([](auto& p) {
    for (auto& point : p) {
        point.typeCode = 1;
        point.objectHeight = 1e10;
    }
});
const vakrel::HopModel kFirstDistanceMinus1e7 = AbsurdHop([](auto& p) { p[0].distance = -1e7; });
const vakrel::HopModel kAllButTheEndFarLeft = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i + 1 < p.size(); ++i) p[i].distance = -1e7 + static_cast<double>(i);
});
const vakrel::HopModel kFirstDistanceMinus1e300 = AbsurdHop([](auto& p) { p[0].distance = -1e300; });
const vakrel::HopModel kLength1e12 = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i < p.size(); ++i) p[i].distance = static_cast<double>(i) * 1e9;
});
const vakrel::HopModel kLength1e300 = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i < p.size(); ++i) p[i].distance = static_cast<double>(i) * 1e297;
});
const vakrel::HopModel kLength1e_9 = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i < p.size(); ++i) p[i].distance = static_cast<double>(i) * 1e-12;
});
const vakrel::HopModel kHeightRange1e_9 = AbsurdHop([](auto& p) {
    for (std::size_t i = 0; i < p.size(); ++i) p[i].groundHeight = 100 + static_cast<double>(i % 2) * 1e-9;
});
vakrel::HopModel WithAntennasAndFrequency(vakrel::HopModel model, double height, double frequency) {
    model.stationParam(vakrel::kAntenna1HeightParam) = height;
    model.stationParam(vakrel::kAntenna2HeightParam) = height;
    model.stationParam(vakrel::kFrequencyParam) = frequency;
    return model;
}
const vakrel::HopModel kMasts1e10 = WithAntennasAndFrequency(ThousandPointHop(), 1e10, 8000);
const vakrel::HopModel kFrequency1e_12 = WithAntennasAndFrequency(ThousandPointHop(), 30, 1e-12);

BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, one_height_1e10_m, kHeight1e10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, heights_swing_pm_1e10_m, kHeightsSwing1e10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, heights_swing_pm_1e300_m, kHeightsSwing1e300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, objects_1e10_m, kObjects1e10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, first_distance_minus_1e7_km, kFirstDistanceMinus1e7)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, all_but_the_end_at_minus_1e7_km, kAllButTheEndFarLeft)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, first_distance_minus_1e300_km, kFirstDistanceMinus1e300)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, length_1e12_km, kLength1e12)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, length_1e300_km, kLength1e300)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, length_1e_9_km, kLength1e_9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, height_range_1e_9_m, kHeightRange1e_9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, masts_1e10_m, kMasts1e10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawAbsurdProfile, frequency_1e_12_MHz, kFrequency1e_12)->Unit(benchmark::kMillisecond);

// The example hop in a 1920 × 1080 main window; the antenna 2 height goes up and down a metre.
void BM_SpinClickToPicture(benchmark::State& state) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(VAKREL_EXAMPLES));
    vakrel::HopModel model;
    vakrel::QtUserSeam seam;
    vakrel::TForm1 form(model, seam);
    form.resize(1920, 1080);
    form.show();
    form.FormActivate();
    QDir::setCurrent(previous);
    auto* control = form.findChild<vakrel::UpDown*>(QStringLiteral("UpDown2"));
    auto* picture = form.findChild<vakrel::ProfileView*>(QStringLiteral("Image1"));
    bool up = true;
    for (auto _ : state) {
        if (up)
            control->stepUp();
        else
            control->stepDown();
        up = !up;
        picture->repaint();
    }
}
BENCHMARK(BM_SpinClickToPicture)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The main window at 1920 × 1080 on a working folder whose profile is the 1000-point hop, with
// the example's station and conditions.
class ThousandPointWindow {
public:
    ThousandPointWindow() {
        const std::string dir = folder_.path().toStdString();
        vakrel::ProfileData profile = vakrel::ReadProfileFile(VAKREL_EXAMPLES "/prf.idn");
        profile.points = ThousandPointHop().profile.points;
        vakrel::WriteFileAtomically(dir + "/prf.idn", vakrel::FormatProfileEditorLayout(profile));
        for (const char* name : {"/ttx.idn", "/rrv.idn"})
            vakrel::WriteFileAtomically(dir + name, vakrel::ReadFileBytes(std::string(VAKREL_EXAMPLES) + name));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        form_.resize(1920, 1080);
        form_.show();
        form_.FormActivate();
        QDir::setCurrent(previous);
    }
    vakrel::TForm1& form() { return form_; }
    vakrel::UpDown* control() { return form_.findChild<vakrel::UpDown*>(QStringLiteral("UpDown2")); }
    vakrel::ProfileView* picture() { return form_.findChild<vakrel::ProfileView*>(QStringLiteral("Image1")); }

private:
    QTemporaryDir folder_;
    vakrel::HopModel model_;
    vakrel::QtUserSeam seam_;
    vakrel::TForm1 form_{model_, seam_};
};

// A click of antenna 2's height on the 1000-point hop: to the new picture on the widget, and
// to the verdict strip's new calculation after it.
void BM_SpinClickToPicture1000(benchmark::State& state, bool strip) {
    ThousandPointWindow window;
    bool up = true;
    for (auto _ : state) {
        if (up)
            window.control()->stepUp();
        else
            window.control()->stepDown();
        up = !up;
        window.picture()->repaint();
        if (strip) window.form().UpdateVerdict();
    }
    if (!window.form().verdict().calculated()) state.SkipWithError("the hop was not calculated");
}
BENCHMARK_CAPTURE(BM_SpinClickToPicture1000, picture, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(BM_SpinClickToPicture1000, and_strip, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
