#include "app/SettingsCheck.h"

#include <gtest/gtest.h>

#include "storage/DataFiles.h"
#include "support/Printers.h"

namespace {

const MomentParts kNow{2008, 10, 15, 12, 7};
const QString kRange = QStringLiteral("有効範囲内にある半角数字を入れてください");
const QString kFuture = QStringLiteral("現在より未来の日時は設定できません");
const QString kQuote = QStringLiteral("アドレスとステータスには「\"」を使えません");

using Moment = std::array<const char*, 5>;
// Last year, so that each box of the quit moment may reach its highest value.
const Moment kPast = {"2007", "10", "5", "9", "0"};

// The boxes in the form's order, the quit moment's five first.
enum Box { Year, Month, Day, Hour, Minute, Count, Price, TobaccoTax, ConsumptionTax, SmokingYears, Address, Mode };

SettingsForm Form(const Moment& m) {
    return {.quitMoment = {m[0], m[1], m[2], m[3], m[4]},
            .cigarettesPerDay = "20",
            .pricePer20 = "300",
            .sizeChoice = 1,
            .blogUrl = "",
            .statusMode = QStringLiteral("ソルジャー"),
            .copyPlusChoice = CopyPlusMode::kOff,
            .packDisplay = true,
            .tobaccoTaxPer1000 = "8744",
            .consumptionTaxPercent = "5",
            .smokingYears = "5"};
}

QString& Text(SettingsForm& f, Box box) {
    QString* const boxes[] = {&f.quitMoment[0],         &f.quitMoment[1],    &f.quitMoment[2], &f.quitMoment[3],
                              &f.quitMoment[4],         &f.cigarettesPerDay, &f.pricePer20,    &f.tobaccoTaxPer1000,
                              &f.consumptionTaxPercent, &f.smokingYears,     &f.blogUrl,       &f.statusMode};
    return *boxes[box];
}

// The box, a text it takes and the one beside it that it refuses, the
// message that refuses it, and the quit moment the other boxes hold.
const std::tuple<Box, const char*, const char*, QString, Moment> kBoundaries[] = {
    {Year, "1900", "1899", kRange, kPast},
    {Year, "2008", "2009", kRange, kPast},  // the next year: range, not future
    {Month, "1", "0", kRange, kPast},
    {Month, "12", "13", kRange, kPast},
    {Day, "1", "0", kRange, kPast},
    {Day, "31", "32", kRange, kPast},
    {Hour, "0", "-1", kRange, kPast},
    {Hour, "23", "24", kRange, kPast},
    {Minute, "0", "-1", kRange, kPast},
    {Minute, "59", "60", kRange, kPast},
    {Count, "1", "0", kRange, kPast},
    {Count, "200", "201", kRange, kPast},
    {Price, "1", "0", kRange, kPast},
    {Price, "2000", "2001", kRange, kPast},
    {TobaccoTax, "0", "-1", kRange, kPast},
    {TobaccoTax, "100000", "100001", kRange, kPast},
    {TobaccoTax, "0", "0x", kRange, kPast},  // the tax boxes take one number and nothing else
    {ConsumptionTax, "0", "-1", kRange, kPast},
    {ConsumptionTax, "100", "101", kRange, kPast},
    {SmokingYears, "1", "0", kRange, kPast},
    {SmokingYears, "99", "100", kRange, kPast},
    {Address, "example.jp/", "example.jp/\"", kQuote, kPast},
    {Mode, "コスモ", "コスモ\"", kQuote, kPast},
    {Day, "30", "31", kRange, {"2007", "4", "30", "9", "0"}},
    {Day, "30", "31", kRange, {"2007", "6", "30", "9", "0"}},
    {Day, "30", "31", kRange, {"2007", "9", "30", "9", "0"}},
    {Day, "30", "31", kRange, {"2007", "11", "30", "9", "0"}},
    {Year, "2008", "2007", kRange, {"2008", "2", "29", "9", "0"}},
    {Year, "2000", "1900", kRange, {"2008", "2", "29", "9", "0"}},
    {Minute, "7", "8", kFuture, {"2008", "10", "15", "12", "7"}},  // the current minute is not the future
    {Day, "15", "32", kRange, {"2008", "10", "15", "12", "7"}},    // out of range and later than now
};

TEST(SettingsCheck, AcceptsEachBoundaryAndRefusesItsNeighbour) {
    for (const auto& boundary : kBoundaries) {
        SCOPED_TRACE(::testing::PrintToString(boundary));
        const auto& [box, accepted, refused, refusal, moment] = boundary;
        SettingsForm form = Form(moment);
        Text(form, box) = QString::fromUtf8(accepted);
        EXPECT_TRUE(std::holds_alternative<TrackerSettings>(CheckSettings(form, {}, kNow)));
        Text(form, box) = QString::fromUtf8(refused);
        const SettingsCheckResult result = CheckSettings(form, {}, kNow);
        ASSERT_TRUE(std::holds_alternative<QString>(result));
        EXPECT_EQ(std::get<QString>(result), refusal);
    }
}

// The form's texts as the numbers they stand for, and the window places and
// colours as they were, shown as the data files would hold them.
TEST(SettingsCheck, AnAcceptedFormGivesTheSettingsItHolds) {
    const TrackerSettings current{
        .setupDone = 1, .mainLeft = 1200, .backColor = 0, .windowMode = WindowMode::kMini, .miniTop = 40};
    SettingsForm form = Form({"2007", "11", "3", "21", "45"});
    form.sizeChoice = 2;
    form.blogUrl = QStringLiteral(" \texample.jp/日記 \t");
    form.statusMode = QStringLiteral("コスモ");
    form.copyPlusChoice = CopyPlusMode::kSmokingYears;
    form.packDisplay = false;
    form.tobaccoTaxPer1000 = "8744.9";
    form.consumptionTaxPercent = "8.9";
    form.smokingYears = "12本";
    const SettingsCheckResult result = CheckSettings(form, current, kNow);
    ASSERT_TRUE(std::holds_alternative<TrackerSettings>(result)) << std::get<QString>(result).toStdString();
    const TrackerSettings& accepted = std::get<TrackerSettings>(result);
    EXPECT_EQ(DataFiles::ProfileLine(accepted), "2007,11,3,21,45,20,300,100\r\n");
    EXPECT_EQ(DataFiles::OptionsLine(accepted),
              "1,8744,8,2,12,0,1200,0,0,16777215,\"example.jp/日記\",1,0,40,\"コスモ\"\r\n");
    for (const auto& [choice, millimetres] : {std::pair{0, 50}, {1, 85}, {2, 100}}) {
        form.sizeChoice = choice;
        EXPECT_EQ(std::get<TrackerSettings>(CheckSettings(form, current, kNow)).sizeMillimetres, millimetres);
    }
}

}  // namespace
