#include "profile_handover.h"

#include <algorithm>

#include "codepage.h"
#include "hop_model.h"

namespace vakrel {

namespace {
constexpr std::size_t kNameLabelColumns = 12;
}

std::string ProfileCaption(std::string_view nameWin) {
    const std::string prefix = Utf8ToCp1251("Профиль местности на интервале: ");
    return prefix + std::string(nameWin.substr(0, kShortStringMax));
}

void HandOverProfile(ProfileData& edited, std::string_view nameWin, HopModel& model) {
    auto& points = edited.points;
    auto end = points.begin();
    if (end != points.end())
        end = std::find_if(points.begin() + 1, points.end(), [](const ProfilePoint& p) { return p.distance == 0; });
    points.erase(end, points.end());
    const auto length = [](const std::vector<ProfilePoint>& p) { return p.empty() ? 0.0 : p.back().distance; };
    if (length(points) != length(model.profile.points)) model.antennas = {0, length(points)};
    model.profile.points = points;
    model.DropResults();

    std::string label = edited.header[2].substr(0, kNameLabelColumns);
    label.resize(kNameLabelColumns, ' ');
    model.profile.header[2] = label + WinToDos(nameWin.substr(0, kShortStringMax));
}

}  // namespace vakrel
