#include "engine/DailyMessage.h"

#include <array>

namespace {

// Indexes 0 to 30 are the day messages of the first calendar month, indexed
// by the day itself; 32 to 42 the month messages, at 31 + months. Entry 31 is
// kept so that those offsets hold, but no rule selects it.
// The blanks in entries 12, 28, 43 and 55 are part of the wording (all
// half-width except the full-width one before the first "がぁー"), and the
// tildes of entry 43 are full-width tildes, not wave dashes.
constexpr std::array<std::string_view, 60> DailyMessageTable{
    "さあ今日からいよいよヨルマです！がんばりましょう！",
    "とにかく今日です！どんな手を使ってもいい！がんばれ！",
    "がんばれ、まけるな。がんばれ、まけるな。",
    "タバコは一時の満足、肺ガンは一生の苦しみ。やめるのは今！",
    "タバコにだまされてはいけません。ただの枯れた葉っぱです",
    "タバコ＝血行不良＝皮膚への栄養不足＝皮膚カサカサ＝老化",
    "このキツイヨルマ経験は、あなたを大きく成長させるでしょう",
    "よし！！一週間だ！！よくやった！！エライゾー！！",
    "ゆったりと生活。のんびりと生活。けむりのない生活。",
    "子供の頃を思い出そう。元々タバコなんて必要ないのです",
    "「自分の意志で簡単にやめられない」←コレが煙草害の筆頭",
    "ヨルマして１１日目です。アヒル副隊長がお祝いに来ました",
    "リラックス、リラックス。 ひとやすみ、ひとやすみ。",
    "春夏秋冬。いつもおいしい空気。そして、おいしいごはん",
    "キターーー！！２週間だーーー！！よくやったーーー！！",
    "一本だけ。それは絶対にダメ！一本吸ったら全て終わりです",
    "大丈夫。ヨルマした多くの先輩達が貴方の味方です",
    "ゆったり、ゆったり。ひとやすみ、ひとやすみ。",
    "臭い新幹線の喫煙車両、臭い空港の喫煙ルーム、さようなら",
    "タバコをやめた貴方の勇気に乾杯！",
    "タバコの煙は有料ですが、おいしい空気は無料です",
    "ヨシー！キター！３週間だ！エライゾー！！",
    "ヨルマして２２日目です。アヒル隊長がお祝いに来ました",
    "イライラしたら、気分転換。コーヒーか、お茶でもどーぞ",
    "タバコ臭いという理由だけで振られました・・・",
    "もし夢で煙草を吸っていたら、それはタバコ脳の断末魔",
    "ヨルマしたいという気持ちがある限り、必ずできるのです",
    "もうタバコに無煙なわたし（おやぢぎゃぐ）",
    "アヒル隊長から一言 「もうすぐ一ヶ月達成です」",
    "吸いたくなったら、まずは大きく深呼吸です",
    "人生を２度楽しめる。ヨルマ前とヨルマ後",
    "きれいな肺で、はーい元気（おやぢぎゃぐ２）",
    "ヨルマから１ヶ月経過しました。おめでとうございます",
    "おめでとうございます。ヨルマから２ヶ月経過しました",
    "おめでとうございます。ヨルマから３ヶ月経過しました",
    "おめでとうございます。ヨルマから４ヶ月経過しました",
    "おめでとうございます。ヨルマから５ヶ月経過しました",
    "おめでとうございます。ヨルマから６ヶ月経過しました",
    "おめでとうございます。ヨルマから７ヶ月経過しました",
    "おめでとうございます。ヨルマから８ヶ月経過しました",
    "おめでとうございます。ヨルマから９ヶ月経過しました",
    "おめでとうございます。ヨルマから１０ヶ月経過しました",
    "おめでとうございます。ヨルマから１１ヶ月経過しました",
    "～ ごヨルマおめでとうございます ～",
    "ヨルマして３３日目です。アヒルの王様がお祝いに来ました",
    "油断は禁物です。一本だけオバケに注意してください",
    "飲み会では特に注意してください",
    "煙草友達の喫煙の誘いには注意してください",
    "気合いだ！気合いだ！気合いだ！気合いだ！気合いだー！",
    "煮詰まったら、フッと肩の力を抜いてリラックスです",
    "がんばれ！がんばれ！がんばれ！がんばれ！がんばれー！",
    "根性です！今日は根性で乗り切るのです！",
    "苦しくなったら気分転換！がんばれー！がんばれー！",
    "ガンバレ！ガンバレ！ガンバレ！ガンバレ！ガンバレー！",
    "今日を乗り切れば、取り合えず一山超えたことになります",
    "よるま いっかげつ おめでとぉー　がぁーがぁーがぁー",
    "ヨルマして１ヶ月越えしましたが、油断は大敵です",
    "ヨルマして４４日目です。アヒル副隊長が喜んでいます",
    "ヨルマして５５日目です。アヒル隊長が喜んでいます",
    "ヨルマして６６日目です。アヒルの王様が喜んでいます",
};

constexpr std::int32_t kFirstMonthMessage = 32;
constexpr std::int32_t kLastMonthMessage = 42;
constexpr std::int32_t kYearMessage = 43;

struct CharacterDay {
    std::int32_t dayNumber;
    std::int32_t messageIndex;
};

// The days on which the ducks arrive or rejoice have their own greeting.
constexpr std::array<CharacterDay, 6> kCharacterDays{{
    {33, 44},
    {34, 55},
    {35, 56},
    {44, 57},
    {55, 58},
    {66, 59},
}};

}  // namespace

std::int32_t SelectMessageIndex(std::int32_t dayNumber, std::int32_t elapsedYears, std::int32_t elapsedMonths,
                                std::int32_t draw) {
    // Stays at the first entry when no rule applies, which happens only with
    // the clock set back before the quit moment.
    std::int32_t index = 0;
    if (elapsedYears == 0 && elapsedMonths == 0) index = dayNumber;
    if (elapsedMonths >= 1 && elapsedMonths <= 11) index = 31 + elapsedMonths;
    if (elapsedYears > 0) index = kYearMessage;
    for (const CharacterDay& day : kCharacterDays) {
        if (dayNumber == day.dayNumber) index = day.messageIndex;
    }

    // Each test below reads the index left by the one before, so a day 1
    // alternative can never be taken for a day 2 or day 3 message.
    if (index >= kFirstMonthMessage && index <= kLastMonthMessage) {
        if (draw == 1 || draw == 2)
            index = 45;
        else if (draw == 3)
            index = 46;
        else if (draw == 4)
            index = 47;
    }
    if (index == 1) {
        if (draw > 70) index = 48;
        if (draw < 20) index = 49;
        if (draw >= 21 && draw <= 29) index = 50;
    }
    if (index == 2) {
        if (draw > 70) index = 51;
        if (draw < 20) index = 52;
        if (draw >= 21 && draw <= 29) index = 53;
    }
    if (index == 3 && draw >= 71) index = 54;
    return index;
}

std::string_view DailyMessageText(std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(DailyMessageTable.size())) return {};
    return DailyMessageTable[static_cast<std::size_t>(index)];
}
