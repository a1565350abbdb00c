#include "hop_verdict.h"

#include "buffer_files.h"
#include "hop_model.h"
#include "hop_refusal.h"
#include "io_error.h"
#include "rez_report.h"
#include "working_files.h"

namespace vakrel {

HopVerdict CalculateHopVerdict(const HopModel& model) {
    HopVerdict verdict;
    if (const std::optional<QString> refusal = HopRefusal(model)) {
        verdict.refusal = *refusal;
        return verdict;
    }
    try {
        const std::string profileBytes = LayOutCut(model, ProfileLayout::Buffer).bytes;
        const StationFile station = ParseStationFile(PrepareBufferStation(model));
        verdict.inputs = AssembleHopInputs(ParseProfileBuffer(profileBytes, kBufferProfile), station, model.conditions,
                                           {kBufferProfile, kBufferStation, kWorkingConditions});
        verdict.result = CalculateHop(verdict.inputs);
        verdict.report = BuildReport(verdict.inputs, verdict.result);
    } catch (const InputError& e) {
        verdict.refusal = QString::fromStdString(e.what());
    } catch (const IoError& e) {
        verdict.refusal = QString::fromStdString(e.userMessage());
    }
    return verdict;
}

std::optional<MinimumKOverlay> MinimumKOverlayOf(const HopVerdict& verdict, double position1) {
    if (!verdict.calculated()) return std::nullopt;
    const MinimumKResult& m = verdict.result.minimumK;
    MinimumKOverlay overlay;
    overlay.radiusKm = m.radiusKm;
    overlay.marks = {{position1 + verdict.result.geometry.critical.distanceKm, m.medianInF1, false},
                     {position1 + m.geometry.critical.distanceKm, m.minimumInF1, true}};
    return overlay;
}

std::array<HeightSolution, 3> FindVerdictHeights(const HopVerdict& verdict) {
    return FindHeights(verdict.inputs.profile.terrain(), verdict.result);
}

HopResult VerdictAtHeights(const HopVerdict& verdict, double txM, double rxM) {
    return CalculateHopAtHeights(verdict.inputs.profile.terrain(), verdict.result, txM, rxM);
}

}  // namespace vakrel
