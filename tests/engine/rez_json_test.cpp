// The JSON twin of the report: every coded value with its label and unit, the warnings and the error.
#include "rez_json.h"

#include <gtest/gtest.h>

namespace vakrel {
namespace {

TEST(RezJson, UnitIsTheOneWordAfterTheLastComma) {
    struct Row {
        const char* label;
        const char* name;
        const char* unit;
    };
    for (const Row& r : {Row{"Длина интервала, км", "Длина интервала", "км"},
                         Row{"Суммарный перерыв связи, средний год, %", "Суммарный перерыв связи, средний год", "%"},
                         Row{"Требование выполнено (1 да, 0 нет)", "Требование выполнено (1 да, 0 нет)", ""},
                         Row{"Коэффициент k = радиус / 6370", "Коэффициент k = радиус / 6370", ""}}) {
        std::string name;
        EXPECT_EQ(SplitUnit(r.label, name), r.unit) << r.label;
        EXPECT_EQ(name, r.name);
    }
}

TEST(RezJson, HoldsEveryCodedValueInOrderWithWarningsAndError) {
    RezText rez;
    rez.Coded(1, "Длина интервала, км", 42);
    rez.CodedReliability(45, "Надежность, %", 99.99985);
    rez.Coded(102, "  расстояние \"от\" антенны 1, км", 0.5);
    const std::string json = FormatJson(rez, {"Внимание: a\tb"}, "");
    EXPECT_NE(json.find(R"("status": "calculated")"), std::string::npos) << json;
    EXPECT_EQ(json.find("\"error\""), std::string::npos);
    EXPECT_NE(json.find(R"({"code": 1, "label": "Длина интервала", "unit": "км", "value": 42})"), std::string::npos);
    EXPECT_NE(json.find(R"({"code": 45, "label": "Надежность", "unit": "%", "value": 99.99985})"), std::string::npos);
    EXPECT_NE(json.find(R"("label": "расстояние \"от\" антенны 1", "unit": "км", "value": 0.5)"), std::string::npos);
    EXPECT_NE(json.find(R"("Внимание: a\u0009b")"), std::string::npos);
    EXPECT_LT(json.find("\"code\": 1,"), json.find("\"code\": 45,"));

    const std::string refused = FormatJson(RezText{}, {}, "файл buf.prf: File not found.");
    EXPECT_NE(refused.find(R"("status": "refused")"), std::string::npos);
    EXPECT_NE(refused.find(R"("error": "файл buf.prf: File not found.")"), std::string::npos);
    EXPECT_NE(refused.find(R"("values": [])"), std::string::npos);
}

}  // namespace
}  // namespace vakrel
