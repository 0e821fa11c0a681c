#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/CigaretteCaption.h"

namespace {

constexpr std::int32_t kShort = 50;
constexpr std::int32_t kStandard = 85;
constexpr std::int32_t kLong = 100;
constexpr std::int32_t kPacksOn = 1;
constexpr std::int32_t kPacksOff = 0;

struct CaptionCase {
    const char* what;
    std::int64_t cigarettes;
    std::int64_t centimetres;
    std::string_view comparison;
    std::int32_t size;
    std::int32_t packDisplay;
    std::string_view expected;
};

TEST(CigaretteCaption, CountForms) {
    const CaptionCase cases[] = {
        {"ten minutes in: zero is cigarettes, not packs", 0, 1, "ガンバレ－", kStandard, kPacksOn,
         "0本 .01ｍ ガンバレ－"},
        {"zero at short size", 0, 0, "ガンバレ－", kShort, kPacksOn, "0本 0ｍ ガンバレ－"},
        {"zero at long size", 0, 0, "ガンバレ－", kLong, kPacksOn, "0本 0ｍ ガンバレ－"},
        {"one day, standard: one pack of twenty", 20, 170, "シーラカンス", kStandard, kPacksOn,
         "1箱 1.7ｍ シーラカンス"},
        {"one day, long: one pack of twenty", 20, 200, "アホウドリの翼長", kLong, kPacksOn,
         "1箱 2ｍ アホウドリの翼長"},
        {"one day, short: two packs of ten", 20, 100, "新札１億円の高さ", kShort, kPacksOn,
         "2箱 1ｍ 新札１億円の高さ"},
        {"ten days, short: twenty packs of ten", 200, 1000, "テキスト", kShort, kPacksOn,
         "1カートン 10ｍ テキスト"},
        {"ten days, standard: ten packs of twenty", 200, 1700, "テキスト", kStandard, kPacksOn,
         "1カートン 17ｍ テキスト"},
        {"ten days, long: ten packs of twenty", 200, 2000, "テキスト", kLong, kPacksOn,
         "1カートン 20ｍ テキスト"},
        {"210 standard is ten and a half packs", 210, 1785, "テキスト", kStandard, kPacksOn,
         "210本 17.85ｍ テキスト"},
        {"210 short is 21 packs", 210, 1050, "テキスト", kShort, kPacksOn, "21箱 10.5ｍ テキスト"},
        {"ten short is a pack", 10, 50, "テキスト", kShort, kPacksOn, "1箱 .5ｍ テキスト"},
        {"ten standard is no pack", 10, 85, "テキスト", kStandard, kPacksOn, "10本 .85ｍ テキスト"},
        {"just short of a carton", 190, 950, "テキスト", kShort, kPacksOn, "19箱 9.5ｍ テキスト"},
        {"just past a carton", 220, 1870, "テキスト", kStandard, kPacksOn, "11箱 18.7ｍ テキスト"},
        {"several cartons", 4000, 20000, "テキスト", kShort, kPacksOn, "20カートン 200ｍ テキスト"},
        {"unknown size packs like standard", 20, 140, "テキスト", 70, kPacksOn,
         "1箱 1.4ｍ テキスト"},
        {"unknown size, ten is no pack", 10, 70, "テキスト", 70, kPacksOn, "10本 .7ｍ テキスト"},
        {"unknown size carton", 200, 1400, "テキスト", 70, kPacksOn, "1カートン 14ｍ テキスト"},
        {"packs off, a pack's worth", 20, 170, "テキスト", kStandard, kPacksOff,
         "20本 1.7ｍ テキスト"},
        {"packs off, a carton's worth", 200, 1000, "テキスト", kShort, kPacksOff,
         "200本 10ｍ テキスト"},
        {"packs off, ten short", 10, 50, "テキスト", kShort, kPacksOff, "10本 .5ｍ テキスト"},
    };
    for (const CaptionCase& c : cases) {
        EXPECT_EQ(
            CigaretteCaption(c.cigarettes, c.centimetres, c.comparison, c.size, c.packDisplay),
            c.expected)
            << c.what;
    }
}

TEST(CigaretteCaption, MetreTextForms) {
    const CaptionCase cases[] = {
        {"trailing zero dropped", 20, 170, "x", kStandard, kPacksOff, "20本 1.7ｍ x"},
        {"whole metres have no mark", 20, 200, "x", kStandard, kPacksOff, "20本 2ｍ x"},
        {"no zero before the mark", 0, 1, "x", kStandard, kPacksOff, "0本 .01ｍ x"},
        {"hundredths below a tenth", 0, 7, "x", kStandard, kPacksOff, "0本 .07ｍ x"},
        {"tenths below a metre", 1, 10, "x", kStandard, kPacksOff, "1本 .1ｍ x"},
        {"zero length", 0, 0, "x", kStandard, kPacksOff, "0本 0ｍ x"},
        {"two decimals", 1234, 10489, "x", kStandard, kPacksOff, "1234本 104.89ｍ x"},
        {"kilometres stay in metres", 7300, 62050, "x", kStandard, kPacksOff, "7300本 620.5ｍ x"},
    };
    for (const CaptionCase& c : cases) {
        EXPECT_EQ(
            CigaretteCaption(c.cigarettes, c.centimetres, c.comparison, c.size, c.packDisplay),
            c.expected)
            << c.what;
    }
}

TEST(CigaretteCaption, ComparisonTextEndsTheCaptionUnchanged) {
    EXPECT_EQ(CigaretteCaption(122, 1037, "豊浜祭り 鯛の張り子", kStandard, kPacksOn),
              "122本 10.37ｍ 豊浜祭り 鯛の張り子");
    EXPECT_EQ(CigaretteCaption(2140, 18190, "Burj Dubai（仮）", kStandard, kPacksOn),
              "107箱 181.9ｍ Burj Dubai（仮）");
    EXPECT_EQ(CigaretteCaption(5, 42, "", kStandard, kPacksOn), "5本 .42ｍ ");
}

struct ShownCount {
    std::int64_t value;
    std::int64_t cigarettesPerUnit;
};

// Reads back the count at the head of a caption, in cigarettes per unit shown.
ShownCount ReadCount(const std::string& caption, std::int64_t perPack) {
    const std::size_t digits = caption.find_first_not_of("0123456789");
    const std::int64_t value = std::stoll(caption.substr(0, digits));
    const std::string_view rest = std::string_view(caption).substr(digits);
    if (rest.starts_with("本 ")) return {value, 1};
    if (rest.starts_with("箱 ")) return {value, perPack};
    if (rest.starts_with("カートン ")) return {value, 200};
    ADD_FAILURE() << "no unit word in " << caption;
    return {value, 0};
}

// Whatever the form, the count shown stands for exactly the cigarettes not
// smoked, in the largest whole unit they fill, and never as zero packs.
TEST(CigaretteCaption, ShownCountAlwaysAddsUpToTheCigarettes) {
    struct Size {
        std::int32_t millimetres;
        std::int64_t perPack;
    };
    const Size sizes[] = {{kShort, 10}, {kStandard, 20}, {kLong, 20}, {70, 20}};
    for (const Size& size : sizes) {
        for (std::int64_t n = 0; n <= 4200; ++n) {
            SCOPED_TRACE("size " + std::to_string(size.millimetres) + ", count " +
                         std::to_string(n));
            const ShownCount on =
                ReadCount(CigaretteCaption(n, 0, "x", size.millimetres, kPacksOn), size.perPack);
            EXPECT_EQ(on.value * on.cigarettesPerUnit, n);
            const std::int64_t largestUnit = n == 0                  ? 1
                                             : n % 200 == 0          ? 200
                                             : n % size.perPack == 0 ? size.perPack
                                                                     : 1;
            EXPECT_EQ(on.cigarettesPerUnit, largestUnit);

            const ShownCount off =
                ReadCount(CigaretteCaption(n, 0, "x", size.millimetres, kPacksOff), size.perPack);
            EXPECT_EQ(off.cigarettesPerUnit, 1);
            EXPECT_EQ(off.value, n);
        }
    }
}

}  // namespace
