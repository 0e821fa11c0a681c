#include "engine/ElapsedFigures.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "Examples.h"
#include "support/GoldenTable.h"

namespace {

constexpr std::int32_t kMax = INT32_MAX;

TrackerStatus Figures(const TrackerSettings& settings, const MomentParts& now) {
    TrackerStatus status;
    ComputeElapsedFigures(settings, now, status);
    return status;
}

}  // namespace

TEST(ElapsedFigures, CalendarPartsTotalAndBothCaptions) {
    CheckGoldenTable("engine/ElapsedFigures-span.txt", [](const GoldenRow& row) {
        const TrackerStatus status = Figures(QuitAt(Moment(row.Text("quit"))), Moment(row.Text("now")));
        EXPECT_EQ(status.captions[kElapsedCaption], ElapsedCalendarCaption(status));
        return Results(status.totalMinutes, ElapsedCalendarCaption(status), ElapsedDayCaption(status));
    });
}

TEST(ElapsedFigures, MoneyLifeCigarettesAndMetres) {
    CheckGoldenTable("engine/ElapsedFigures-money.txt", [](const GoldenRow& row) {
        TrackerSettings settings = Profile({2024, 6, 1, 0, 0}, row.Int("perDay"), row.Int("price"), row.Int("size"));
        settings.tobaccoTaxPer1000 = row.Int("tax");
        settings.consumptionTaxPercent = row.Int("percent");
        const TrackerStatus figures = Figures(settings, Moment(row.Text("now")));
        return Results(figures.moneySaved, figures.tobaccoTaxPart, figures.consumptionTaxPart, figures.lifeMinutes,
                       figures.cigarettesNotSmoked, figures.lengthCentimetres, figures.captions[kMoneyCaption],
                       figures.captions[kLifeCaption]);
    });
}

TEST(ElapsedFigures, FiguresClampWithTheRightSign) {
    CheckGoldenTable("engine/ElapsedFigures-clamps.txt", [](const GoldenRow& row) {
        TrackerSettings settings =
            Profile({row.Int("quitYear"), 1, 1, 0, 0}, row.Int("perDay"), row.Int("price"), row.Int("size"));
        settings.tobaccoTaxPer1000 = kMax;
        settings.consumptionTaxPercent = row.Int("percent");
        const TrackerStatus figures = Figures(settings, {2024, 1, 1, 0, 0});
        return Results(figures.moneySaved, figures.tobaccoTaxPart, figures.consumptionTaxPart, figures.lifeMinutes,
                       figures.cigarettesNotSmoked, figures.lengthWholeMillimetres, figures.lengthCentimetres,
                       figures.lengthMillimetres > 0);
    });
}

TEST(ElapsedFigures, CaptionsOfClampedFigures) {
    CheckGoldenTable("engine/ElapsedFigures-captions.txt", [](const GoldenRow& row) {
        TrackerSettings settings = Profile(Moment(row.Text("quit")), row.Int("perDay"), kMax, 85);
        settings.tobaccoTaxPer1000 = 0;
        settings.consumptionTaxPercent = 0;
        const TrackerStatus figures = Figures(settings, Moment(row.Text("now")));
        return Results(figures.captions[kMoneyCaption], figures.captions[kLifeCaption]);
    });
}
