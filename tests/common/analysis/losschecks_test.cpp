// The loss checks on an analysis: each rule where it just fires and where it just does not.
#include <gtest/gtest.h>

#include <limits>

#include "common/analysis/losschecks.h"
#include "support/checkstesting.h"

namespace fb {
namespace {

// A valid analysis read from the former's data: 40 °C ambient, 40 K allowed, one winding.
LossAnalysis Analysis(double rise, double build, double acFactor) {
    LossAnalysis a;
    a.valid = true;
    a.ambient = 40;
    a.riseLimit = 40;
    a.rise = rise;
    a.hotSpot = a.ambient + rise;
    a.formerHeight = 5;
    a.build = build;
    a.buildFill = build / 5;
    a.fits = build <= 5;
    WindingResult w;
    w.name = "Первичная";
    w.acFactor = acFactor;
    w.build.layers = 4;
    a.windings.push_back(w);
    return a;
}

TEST(LossCheckRules, EachRuleAtItsThreshold) {
    struct Case {
        double rise, build, ac;
        const char* rule;
        const char* severity;
    };
    const Case cases[] = {
        {10, 5.01, 1, "build_not_fit", "error"},
        {10, 5.00, 1, "build_not_fit", ""},
        {40.1, 1, 1, "temperature_rise", "warning"},
        {40.0, 1, 1, "temperature_rise", ""},
        {85.1, 1, 1, "hot_spot_rated", "error"},  // 40 + 85.1 > 125 °C
        {85.0, 1, 1, "hot_spot_rated", ""},
        {10, 1, 2.01, "ac_resistance_ratio", "warning"},
        {10, 1, 2.00, "ac_resistance_ratio", ""},
        {std::numeric_limits<double>::infinity(), 1, 1, "hot_spot_rated", "error"},  // runaway
    };
    for (const Case& c : cases) {
        Checks out;
        CheckLosses(Analysis(c.rise, c.build, c.ac), out);
        EXPECT_EQ(Fired(out, c.rule), c.severity) << c.rule << " " << c.rise << " " << c.build << " " << c.ac;
    }
    // The rated temperature of a material that states one replaces the default.
    Checks rated;
    CheckLosses(Analysis(70, 1, 1), rated, 100);  // 110 °C
    EXPECT_EQ(Fired(rated, "hot_spot_rated"), "error");
}

TEST(LossCheckRules, TextsCarryTheNumbersAndNotesExplainGaps) {
    Checks out;
    CheckLosses(Analysis(10, 6, 2.5), out);
    ASSERT_EQ(out.size(), 2u) << Listed(out);
    EXPECT_NE(out[0].text.find("6.00 мм при высоте каркаса 5.00 мм"), std::string::npos) << out[0].text;
    EXPECT_NE(out[1].text.find("Первичная: Rac/Rdc = 2.50, слоёв 4"), std::string::npos) << out[1].text;

    LossAnalysis estimated = Analysis(10, 1, 1);
    estimated.geometryEstimated = true;
    Checks note;
    CheckLosses(estimated, note);
    EXPECT_EQ(Fired(note, "geometry_estimated"), "note");

    LossAnalysis invalid;
    invalid.notes.push_back("Нет размеров каркаса.");
    Checks none;
    CheckLosses(invalid, none);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].rule, "losses_not_analysed");
    EXPECT_FALSE(HasError(none));

    // A design whose results are not numbers gets no loss checks; a rise that is not a number
    // (no loss figures) gets no temperature check.
    Checks design{{"not_finite", Severity::Error, "", {}}};
    AddLossChecks(Analysis(100, 9, 3), design);
    EXPECT_EQ(design.size(), 1u);
    Checks unknown;
    CheckLosses(Analysis(std::numeric_limits<double>::quiet_NaN(), 1, 1), unknown);
    EXPECT_TRUE(unknown.empty()) << Listed(unknown);
}

}  // namespace
}  // namespace fb
