#include "engine/RefreshStatus.h"

#include "engine/CigaretteCaption.h"
#include "engine/DailyMessage.h"
#include "engine/ElapsedFigures.h"
#include "engine/LengthComparisonTable.h"
#include "engine/LungAndCharacters.h"
#include "engine/RankTitles.h"
#include "engine/ReportText.h"

TrackerStatus ComputeStatus(const TrackerSettings& settings, const MomentParts& now, std::int32_t draw,
                            ElapsedForm elapsedForm) {
    TrackerStatus status;
    ComputeElapsedFigures(settings, now, status);

    status.comparisonText = SelectComparisonText(status.lengthWholeMillimetres);
    status.captions[kCigaretteCaption] =
        CigaretteCaption(status.cigarettesNotSmoked, status.lengthCentimetres, status.comparisonText,
                         settings.sizeMillimetres, settings.packDisplay);

    status.messageIndex = SelectMessageIndex(status.dayNumber, status.elapsedYears, status.elapsedMonths, draw);
    status.captions[kMessageCaption] = DailyMessageText(status.messageIndex);

    status.rankTitle = SelectRankTitle(settings.statusMode, status.dayNumber, status.elapsedYears);
    status.captions[kRankCaption] = status.rankTitle;

    status.lungColor = LungColorForDay(status.dayNumber);
    status.characters = CharactersForDay(status.dayNumber);
    status.progressValue = ProgressValueForDay(status.dayNumber);

    status.reportText = BuildReportText(settings, status, elapsedForm, status.captions[kRankCaption],
                                        status.captions[kMoneyCaption], status.captions[kCigaretteCaption]);
    return status;
}
