// Reading the profile buffer and refusing inputs that describe no computable hop.
#include <gtest/gtest.h>

#include <string>

#include "hop_inputs.h"
#include "io_error.h"

namespace vakrel {
namespace {

std::string Header() {
    std::string h;
    for (int i = 1; i <= 15; ++i) h += "header line " + std::to_string(i) + "\r\n";
    return h;
}

TEST(ProfileBuffer, ReadsRowsUpToTheTerminator) {
    const HopProfile p = ParseProfileBuffer(Header() +
                                                "        0.00          152.00\r\n"
                                                "        0.50          160.50\r\n"
                                                "       42.00          177.20\r\n"
                                                "        0.0             0.0\r\n"
                                                "       99.00            1.00\r\n",
                                            "buf.prf");
    EXPECT_EQ(p.distanceKm, (std::vector<double>{0, 0.5, 42}));
    EXPECT_EQ(p.heightM, (std::vector<double>{152, 160.5, 177.2}));
}

TEST(ProfileBuffer, ReadsFreeFormatRowsWithoutATerminator) {
    const HopProfile p = ParseProfileBuffer(Header() + "0 10\r\n1.5\t20 extra\r\n  3\r\n30", "buf.prf");
    EXPECT_EQ(p.distanceKm, (std::vector<double>{0, 1.5, 3}));
    EXPECT_EQ(p.heightM, (std::vector<double>{10, 20, 30}));
}

TEST(ProfileBuffer, NonNumberIsAnInvalidNumericInput) {
    try {
        ParseProfileBuffer(Header() + "0 10\r\n1,5 20\r\n", "buf.prf");
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.kind(), IoErrorKind::InvalidNumericInput);
    }
}

TEST(ProfileCheck, RefusesWhatDescribesNoHop) {
    struct Row {
        std::vector<double> d;
        std::string message;
    };
    const Row rows[] = {
        {{}, "файл buf.prf: в профиле 0 точки, нужно не меньше двух"},
        {{0}, "файл buf.prf: в профиле 1 точка, нужно не меньше двух"},
        {{0, 5, 5}, "файл buf.prf: расстояния не растут, точка 3 (строка 18): 5 км после 5 км"},
        {{0, 5, 4, 8}, "файл buf.prf: расстояния не растут, точка 3 (строка 18): 4 км после 5 км"},
        {{2, 5}, "файл buf.prf: первая точка профиля стоит на 2 км, а не у антенны 1 (0 км)"},
    };
    for (const Row& r : rows) {
        const HopProfile p{r.d, std::vector<double>(r.d.size(), 100)};
        try {
            CheckProfile(p, "buf.prf");
            ADD_FAILURE() << r.message;
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()), r.message);
        }
    }
    EXPECT_NO_THROW(CheckProfile({{0, 0.1}, {1, 2}}, "buf.prf"));
}

}  // namespace
}  // namespace vakrel
