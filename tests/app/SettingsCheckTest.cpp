#include "app/SettingsCheck.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

#include "storage/DataFiles.h"
#include "support/GoldenTable.h"
#include "support/Printers.h"

namespace {

const MomentParts kNow{2008, 10, 15, 12, 7};

// moment: "year-month-day hour:minute".
SettingsForm Form(const QString& moment) {
    const QStringList parts = moment.split(QRegularExpression("[- :]"));
    return {.quitMoment = {parts.value(0), parts.value(1), parts.value(2), parts.value(3), parts.value(4)},
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

QString& Box(SettingsForm& f, const std::string& name) {
    const std::map<std::string, QString*> boxes = {
        {"year", &f.quitMoment[0]},
        {"month", &f.quitMoment[1]},
        {"day", &f.quitMoment[2]},
        {"hour", &f.quitMoment[3]},
        {"minute", &f.quitMoment[4]},
        {"count", &f.cigarettesPerDay},
        {"price", &f.pricePer20},
        {"tobaccoTax", &f.tobaccoTaxPer1000},
        {"consumptionTax", &f.consumptionTaxPercent},
        {"smokingYears", &f.smokingYears},
        {"address", &f.blogUrl},
        {"mode", &f.statusMode},
    };
    return *boxes.at(name);
}

TEST(SettingsCheck, AcceptsEachBoundaryAndRefusesItsNeighbour) {
    CheckGoldenTable("app/SettingsCheck.txt", [](const GoldenRow& row) {
        SettingsForm form = Form(QString::fromStdString(row.Text("quitMoment")));
        Box(form, row.Text("box")) = QString::fromStdString(row.Text("accepted"));
        EXPECT_TRUE(std::holds_alternative<TrackerSettings>(CheckSettings(form, {}, kNow)));
        Box(form, row.Text("box")) = QString::fromStdString(row.Text("refused"));
        const SettingsCheckResult result = CheckSettings(form, {}, kNow);
        return Results(std::holds_alternative<QString>(result) ? std::get<QString>(result).toStdString() : "taken");
    });
}

// The form's texts as the numbers they stand for, and the window places and
// colours as they were, shown as the data files would hold them.
TEST(SettingsCheck, AnAcceptedFormGivesTheSettingsItHolds) {
    const TrackerSettings current{
        .setupDone = 1, .mainLeft = 1200, .backColor = 0, .windowMode = WindowMode::kMini, .miniTop = 40};
    SettingsForm form = Form("2007-11-3 21:45");
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
