#include "app/SettingsCheck.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

#include "support/GoldenTable.h"

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

}  // namespace
