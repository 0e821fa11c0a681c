#include "app/SettingsCheck.h"

#include <gtest/gtest.h>

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
    return {{m[0], m[1], m[2], m[3], m[4]}, "20", "300", 1, "", QStringLiteral("ソルジャー"), 0, true, "8744", "5", "5"};
}

QString& Text(SettingsForm& f, Box box) {
    QString* const boxes[] = {&f.quitMoment[0], &f.quitMoment[1], &f.quitMoment[2], &f.quitMoment[3],
                              &f.quitMoment[4], &f.cigarettesPerDay, &f.pricePer20, &f.tobaccoTaxPer1000,
                              &f.consumptionTaxPercent, &f.smokingYears, &f.blogUrl, &f.statusMode};
    return *boxes[box];
}

struct Boundary { Box box; const char* accepted; const char* refused; const QString& refusal; Moment moment = kPast; };

const Boundary kBoundaries[] = {
    {Box::Year, "1900", "1899", kRange},             {Box::Year, "2008", "2009", kRange},  // the next year: range, not future
    {Box::Month, "1", "0", kRange},                  {Box::Month, "12", "13", kRange},
    {Box::Day, "1", "0", kRange},                    {Box::Day, "31", "32", kRange},
    {Box::Hour, "0", "-1", kRange},                  {Box::Hour, "23", "24", kRange},
    {Box::Minute, "0", "-1", kRange},                {Box::Minute, "59", "60", kRange},
    {Box::Count, "1", "0", kRange},                  {Box::Count, "200", "201", kRange},
    {Box::Price, "1", "0", kRange},                  {Box::Price, "2000", "2001", kRange},
    {Box::TobaccoTax, "0", "-1", kRange},            {Box::TobaccoTax, "100000", "100001", kRange},
    {Box::ConsumptionTax, "0", "-1", kRange},        {Box::ConsumptionTax, "100", "101", kRange},
    {Box::SmokingYears, "1", "0", kRange},           {Box::SmokingYears, "99", "100", kRange},
    {Box::Address, "example.jp/", "example.jp/\"", kQuote}, {Box::Mode, "コスモ", "コスモ\"", kQuote},
    {Box::Day, "30", "31", kRange, {"2007", "4", "30", "9", "0"}},  {Box::Day, "30", "31", kRange, {"2007", "6", "30", "9", "0"}},
    {Box::Day, "30", "31", kRange, {"2007", "9", "30", "9", "0"}},  {Box::Day, "30", "31", kRange, {"2007", "11", "30", "9", "0"}},
    {Box::TobaccoTax, "0", "0x", kRange},  // the tax boxes take one number and nothing else
    {Box::Year, "2008", "2007", kRange, {"2008", "2", "29", "9", "0"}},
    {Box::Year, "2000", "1900", kRange, {"2008", "2", "29", "9", "0"}},
    {Box::Minute, "7", "8", kFuture, {"2008", "10", "15", "12", "7"}},  // the current minute is not the future
    {Box::Day, "15", "32", kRange, {"2008", "10", "15", "12", "7"}},    // out of range and later than now
};

TEST(SettingsCheck, AcceptsEachBoundaryAndRefusesItsNeighbour) {
    for (const Boundary& b : kBoundaries) {
        SCOPED_TRACE(std::string(b.accepted) + " / " + b.refused);
        SettingsForm form = Form(b.moment);
        Text(form, b.box) = QString::fromUtf8(b.accepted);
        EXPECT_TRUE(std::holds_alternative<TrackerSettings>(CheckSettings(form, {}, kNow)));
        Text(form, b.box) = QString::fromUtf8(b.refused);
        const SettingsCheckResult refused = CheckSettings(form, {}, kNow);
        ASSERT_TRUE(std::holds_alternative<QString>(refused));
        EXPECT_EQ(std::get<QString>(refused).toStdString(), b.refusal.toStdString());
    }
}

TEST(SettingsCheck, AnAcceptedFormGivesTheSettingsItHolds) {
    const TrackerSettings current{.setupDone = 1, .mainLeft = 1200, .backColor = 0, .windowMode = 1, .miniTop = 40};
    SettingsForm form = Form({"2007", "11", "3", "21", "45"});
    form.sizeChoice = 2;
    form.blogUrl = QStringLiteral(" \texample.jp/日記 \t");
    form.statusMode = QStringLiteral("コスモ");
    form.copyPlusChoice = 2;
    form.packDisplay = false;
    form.tobaccoTaxPer1000 = "8744.9";
    form.consumptionTaxPercent = "8.9";
    form.smokingYears = "12本";
    TrackerSettings expected{.quitYear = 2007, .quitMonth = 11, .quitDay = 3, .quitHour = 21, .quitMinute = 45,
                             .sizeMillimetres = 100, .setupDone = 1, .consumptionTaxPercent = 8, .copyPlusMode = 2,
                             .smokingYears = 12, .packDisplay = 0, .mainLeft = 1200, .backColor = 0,
                             .blogUrl = "example.jp/日記", .windowMode = 1, .miniTop = 40, .statusMode = "コスモ"};
    const SettingsCheckResult result = CheckSettings(form, current, kNow);
    ASSERT_TRUE(std::holds_alternative<TrackerSettings>(result)) << std::get<QString>(result).toStdString();
    EXPECT_EQ(std::get<TrackerSettings>(result), expected);
    for (const auto& [choice, millimetres] : {std::pair{0, 50}, {1, 85}, {2, 100}}) {
        form.sizeChoice = choice;
        EXPECT_EQ(std::get<TrackerSettings>(CheckSettings(form, current, kNow)).sizeMillimetres, millimetres);
    }
}

}  // namespace
