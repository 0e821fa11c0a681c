// The cigarettes not smoked: what their length compares with, and the count line.

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "engine/CigaretteCaption.h"
#include "engine/LengthComparisonTable.h"

namespace {

TEST(SelectComparisonText, LastRowReachedAndTheStratosphere) {
    const std::pair<std::int64_t, std::string_view> cases[] = {
        {INT64_MIN, "ガンバレ－"}, {-1, "ガンバレ－"}, {0, "ガンバレ－"}, {109, "ガンバレ－"},
        {110, "ダチョウの卵"}, {1700, "シーラカンス"}, {2950, "マカジキ"}, {3000, "ラグビークロスバー"},
        {4000, "ティラノサウルス"}, {4300, "マカジキ"}, {11900, "妖怪一反木綿"}, {13300, "ティラノサウルス"},
        {50999, "パリ凱旋門"}, {51000, "シンデレラ城"}, {333000, "東京タワー"}, {620500, "新東京タワー（予定）"},
        {3776000, "富士山"}, {799999999, "国道１号線"}, {800000000, "成層圏を脱しました！"},
        {999999998, "成層圏を脱しました！"}, {999999999, "成層圏を脱しました！"}, {INT64_MAX, "成層圏を脱しました！"}};
    for (const auto& [millimetres, text] : cases) EXPECT_EQ(SelectComparisonText(millimetres), text) << millimetres;
}

// Cartons for a positive multiple of 200, packs (10 short, 20 otherwise) for
// a multiple of a pack, single cigarettes otherwise or with packs off.
TEST(CigaretteCaption, CountAndMetreForms) {
    struct Case { std::int64_t cigarettes, hundredths; std::int32_t size, packs; std::string_view comparison, caption; };
    const Case cases[] = {
        {0, 1, 85, 1, "ガンバレ－", "0本 .01ｍ ガンバレ－"}, {0, 0, 50, 1, "x", "0本 0ｍ x"},
        {20, 170, 85, 1, "x", "1箱 1.7ｍ x"},             {20, 200, 100, 1, "x", "1箱 2ｍ x"},
        {20, 100, 50, 1, "x", "2箱 1ｍ x"},               {10, 50, 50, 1, "x", "1箱 .5ｍ x"},
        {10, 85, 85, 1, "x", "10本 .85ｍ x"},             {10, 70, 70, 1, "x", "10本 .7ｍ x"},
        {20, 140, 70, 1, "x", "1箱 1.4ｍ x"},             {200, 1000, 50, 1, "x", "1カートン 10ｍ x"},
        {200, 1700, 85, 1, "x", "1カートン 17ｍ x"},       {200, 2000, 100, 1, "x", "1カートン 20ｍ x"},
        {190, 950, 50, 1, "x", "19箱 9.5ｍ x"},           {210, 1050, 50, 1, "x", "21箱 10.5ｍ x"},
        {210, 1785, 85, 1, "x", "210本 17.85ｍ x"},        {220, 1870, 85, 1, "x", "11箱 18.7ｍ x"},
        {4000, 20000, 50, 1, "x", "20カートン 200ｍ x"},    {20, 170, 85, 0, "x", "20本 1.7ｍ x"},
        {200, 1000, 50, 0, "x", "200本 10ｍ x"},           {1234, 10489, 85, 0, "x", "1234本 104.89ｍ x"},
        {0, 7, 85, 1, "x", "0本 .07ｍ x"},                 {5, 42, 85, 1, "", "5本 .42ｍ "},
        {122, 1037, 85, 1, "豊浜祭り 鯛の張り子", "122本 10.37ｍ 豊浜祭り 鯛の張り子"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CigaretteCaption(c.cigarettes, c.hundredths, c.comparison, c.size, c.packs), c.caption);
    }
}

}  // namespace
