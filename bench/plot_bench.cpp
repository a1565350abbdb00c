// The profile plot: one drawing of a 1000-point profile with every object code, the scale on
// with curved level lines, into a 1920 × 1080 picture; and one click on a spin control of the
// main window, from the handler to the new picture on the widget.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <cmath>
#include <cstdlib>

#include "hop_model.h"
#include "profile_plot.h"
#include "profile_view.h"
#include "qt_user_seam.h"
#include "u_vakrel.h"
#include "updown.h"

namespace {

// 50 km, 1000 points; runs of 7 points share a code, so every code 0-9 carries objects.
vakrel::HopModel ThousandPointHop() {
    vakrel::HopModel model;
    for (int i = 0; i < vakrel::kMaxProfilePoints; ++i) {
        const double x = i * 50.0 / (vakrel::kMaxProfilePoints - 1);
        const auto code = static_cast<std::uint8_t>((i / 7) % 10);
        model.profile.points.push_back({x, 150 + 40 * std::sin(i * 0.05) + 10 * std::sin(i * 0.7), code,
                                        (i % 3) * 7.5});
    }
    model.antennas = {30, 25, 0, 50, {}};
    model.workingFrequency = 8000;
    model.effectiveEarthRadius = 8500;
    model.scaleShown = true;
    model.curvedLevels = true;
    return model;
}

void BM_DrawProfile1000CurvedScale1920x1080(benchmark::State& state) {
    const vakrel::HopModel model = ThousandPointHop();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        auto plot = vakrel::DrawProfile(model, image, '.');
        benchmark::DoNotOptimize(plot);
    }
}
BENCHMARK(BM_DrawProfile1000CurvedScale1920x1080)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

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
        if (up) control->stepUp(); else control->stepDown();
        up = !up;
        picture->repaint();
    }
}
BENCHMARK(BM_SpinClickToPicture)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
