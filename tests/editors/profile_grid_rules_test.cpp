#include "profile_grid_rules.h"

#include <gtest/gtest.h>

#include "hop_model.h"
#include "profile_handover.h"

namespace vakrel {
namespace {

// n points 1 km apart, ground 100 + i m, type 1, objects 5 m.
std::vector<ProfilePoint> Points(int n) {
    std::vector<ProfilePoint> points;
    for (int i = 0; i < n; ++i) points.push_back({static_cast<double>(i), 100.0 + i, 1, 5});
    return points;
}

constexpr int kDist = 1, kGround = 2, kType = 3, kObject = 4;

struct TypingCase {
    int points;
    int col;
    int row;
    const char* typed;
    ProfileCellAction action;
    bool valueEntry;
    double stored;  // the field of point `row` afterwards (for Stored)
};

double Field(const ProfilePoint& p, int col) {
    switch (col) {
        case kDist: return p.distance;
        case kGround: return p.groundHeight;
        case kType: return p.typeCode;
        default: return p.objectHeight;
    }
}

TEST(ProfileCellTyping, CellByCell) {
    using A = ProfileCellAction;
    const TypingCase cases[] = {
        {10, kGround, 3, "12,5", A::Stored, true, 12.5},
        {10, kGround, 3, "12.5", A::Stored, true, 12.5},
        {10, kGround, 3, "12.", A::Stored, true, 12},
        {10, kGround, 3, "12,", A::Stored, true, 12},
        {10, kObject, 3, "1e3", A::Stored, true, 1000},
        {10, kGround, 3, "1.2.3", A::Restore, true, 0},
        {10, kGround, 3, "12a", A::Restore, true, 0},
        {10, kGround, 3, "12-", A::Restore, true, 0},
        {10, kGround, 3, "", A::Restore, true, 0},
        {10, kType, 3, "8", A::Stored, true, 8},
        {10, kType, 3, "9", A::Restore, true, 0},
        {10, kType, 3, "7.9", A::Stored, true, 7},
        {10, kType, 3, "-1", A::Restore, true, 0},  // a negative code is refused like one above 8
        {10, kType, 3, "0", A::Stored, true, 0},
        {10, kDist, 1, "0.5", A::Restore, true, 0},  // the first point's distance never changes
        {10, kDist, 2, "0", A::Restore, true, 0},
        {10, kDist, 3, "0", A::Stored, true, 0},
        {10, kDist, 3, "2,25", A::Stored, true, 2.25},
        {10, kDist, 5, "3.5+", A::AskInsert, false, 0},
        {10, kDist, 5, "+3.5", A::AskInsert, false, 0},
        {10, kDist, 5, "3.5-", A::AskDelete, false, 0},
        {10, kDist, 5, "-", A::AskDelete, false, 0},
        {10, kDist, 11, "+", A::AskInsert, false, 0},  // the row just below the last point
        {10, kDist, 11, "5", A::Empty, false, 0},
        {10, kGround, 11, "+", A::Empty, false, 0},
        {10, kDist, 12, "+", A::Empty, false, 0},
        {10, kGround, 40, "7", A::Empty, false, 0},
        {1000, kDist, 5, "+3.5", A::Stored, true, 3.5},  // no room: a signed number
        {1000, kDist, 5, "3.5+", A::Stored, true, 3.5},
        {1000, kDist, 1001, "+", A::Restore, true, 0},
        {2, kDist, 2, "5-", A::Stored, true, -5},  // too few to delete: a negative number
        {3, kDist, 2, "5-", A::AskDelete, false, 0},
        {10, kDist, 1, "+", A::Restore, true, 0},
        {0, kDist, 1, "+", A::Restore, true, 0},  // nothing held: undone
        {0, kGround, 1, "5", A::Empty, false, 0},
        {0, kGround, 2, "5", A::Empty, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " points, col " << c.col << " row " << c.row << " '" << c.typed
                                        << "'");
        auto points = Points(c.points);
        const auto before = points;
        const auto outcome = ApplyProfileCellText(points, c.col, c.row, c.typed);
        EXPECT_EQ(outcome.action, c.action);
        EXPECT_EQ(outcome.valueEntry, c.valueEntry);
        ASSERT_EQ(points.size(), before.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (c.action == A::Stored && static_cast<int>(i) == c.row - 1) {
                EXPECT_DOUBLE_EQ(Field(points[i], c.col), c.stored);
            } else {
                EXPECT_EQ(points[i].distance, before[i].distance);
                EXPECT_EQ(points[i].groundHeight, before[i].groundHeight);
                EXPECT_EQ(points[i].typeCode, before[i].typeCode);
                EXPECT_EQ(points[i].objectHeight, before[i].objectHeight);
            }
        }
    }
}

TEST(ProfileCellText, GeneralFormatCodesAsIntegersEmptyBeyondThePoints) {
    std::vector<ProfilePoint> points = {{0, 152, 0, 0}, {1.25, 160.5, 7, 12.5}};
    EXPECT_EQ(ProfileCellText(points, kDist, 2, ','), "1,25");
    EXPECT_EQ(ProfileCellText(points, kGround, 2, '.'), "160.5");
    EXPECT_EQ(ProfileCellText(points, kType, 2, ','), "7");
    EXPECT_EQ(ProfileCellText(points, kObject, 2, ','), "12,5");
    EXPECT_EQ(ProfileCellText(points, kDist, 1, ','), "0");
    EXPECT_EQ(ProfileCellText(points, kDist, 3, ','), "");
}

TEST(ProfileRows, InsertMovesTheRestDownWithRoundedDistances) {
    auto points = Points(10);
    points[5].distance = 5.004;  // point 6
    points[6].distance = 6.125;  // point 7: a tie goes to the even hundredth
    points[3].distance = 3.336;  // point 4, the one before the new point
    InsertProfilePoint(points, 5);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_DOUBLE_EQ(points[4].distance, 3.35);  // 3.346 rounded
    EXPECT_EQ(points[4].groundHeight, 103);
    EXPECT_EQ(points[4].typeCode, 1);
    EXPECT_EQ(points[4].objectHeight, 5);
    EXPECT_DOUBLE_EQ(points[5].distance, 4);     // old point 5
    EXPECT_DOUBLE_EQ(points[6].distance, 5);     // old point 6, 5.004
    EXPECT_DOUBLE_EQ(points[7].distance, 6.12);  // old point 7, 6.125
    EXPECT_EQ(points[3].distance, 3.336);        // points before stay as they were
    EXPECT_EQ(points[10].groundHeight, 109);
}

TEST(ProfileRows, AppendBelowTheLastPointAndDelete) {
    auto points = Points(3);
    InsertProfilePoint(points, 4);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_DOUBLE_EQ(points[3].distance, 2.01);
    EXPECT_EQ(points[3].groundHeight, 102);

    DeleteProfilePoint(points, 2);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].distance, 2);
    EXPECT_DOUBLE_EQ(points[2].distance, 2.01);
}

TEST(ProfileHandOver, PointsNameLineAndCaption) {
    HopModel model;
    for (int i = 0; i < 15; ++i) model.profile.header[i] = "model " + std::to_string(i + 1);
    model.profile.points = Points(2);
    ProfileData edited;
    edited.header[2] = "Label 12 ch:old name";
    edited.points = Points(5);
    edited.points[3].distance = 0;  // point 4 ends the profile
    model.antennas = {0.5, 1};
    model.resultPoints[kListA].count = 2;
    model.resultsLoaded = true;

    const std::string name = "\xC8\xEC\xFF";  // "Имя" in code page 1251
    HandOverProfile(edited, name, model);
    ASSERT_EQ(model.pointCount(), 3);
    // Another length: the antennas at its ends; the results of the old profile gone.
    EXPECT_EQ(model.antennas.position1, 0);
    EXPECT_EQ(model.antennas.position2, model.profile.points.back().distance);
    EXPECT_FALSE(model.resultsLoaded);
    EXPECT_EQ(model.resultPoints[kListA].count, 0);
    EXPECT_EQ(edited.points.size(), 3u);
    EXPECT_EQ(model.profile.points[2].groundHeight, 102);
    EXPECT_EQ(model.profile.header[2], "Label 12 ch:\x88\xAC\xEF");
    EXPECT_EQ(model.profile.header[0], "model 1");
    EXPECT_EQ(ProfileCaption(name),
              "\xCF\xF0\xEE\xF4\xE8\xEB\xFC \xEC\xE5\xF1\xF2\xED\xEE\xF1\xF2\xE8 \xED\xE0 "
              "\xE8\xED\xF2\xE5\xF0\xE2\xE0\xEB\xE5: \xC8\xEC\xFF");

    edited.header[2] = "short";
    model.antennas = {0.5, 1};
    HandOverProfile(edited, "x", model);
    EXPECT_EQ(model.profile.header[2], "short       x");
    EXPECT_EQ(model.antennas.position1, 0.5);  // the same length: the antennas stay
    EXPECT_EQ(model.antennas.position2, 1);
}

}  // namespace
}  // namespace vakrel
