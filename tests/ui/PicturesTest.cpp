#include "ui/Pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSize>

#include <functional>
#include <string_view>

namespace {

QImage Pixels(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_ARGB32); }

int CountPixels(const QImage& image, const std::function<bool(const QColor&)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(image.pixelColor(x, y))) ++count;
    return count;
}

int CountDifferentPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    return count;
}

bool IsYellow(const QColor& c) { return c.alpha() == 255 && c.red() > 220 && c.green() > 190 && c.blue() < 110; }
bool IsBeakOrange(const QColor& c) {
    return c.alpha() == 255 && c.red() > 220 && c.green() > 90 && c.green() < 160 && c.blue() < 80;
}
bool IsGold(const QColor& c) { return c.alpha() == 255 && c.red() > 200 && c.green() > 150 && c.blue() < 120; }
bool IsBerryRed(const QColor& c) { return c.alpha() == 255 && c.red() > 180 && c.green() < 70 && c.blue() < 70; }
bool IsHollyGreen(const QColor& c) {
    return c.alpha() == 255 && c.green() > 100 && c.red() < 80 && c.blue() < 90;
}

void ExpectTransparentCorners(const QImage& image, std::string_view what) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << what << " top left";
    EXPECT_EQ(image.pixelColor(right, 0).alpha(), 0) << what << " top right";
    EXPECT_EQ(image.pixelColor(0, bottom).alpha(), 0) << what << " bottom left";
    EXPECT_EQ(image.pixelColor(right, bottom).alpha(), 0) << what << " bottom right";
}

TEST(Pictures, Sizes) {
    EXPECT_EQ(DuckPicture().size(), QSize(30, 29));
    EXPECT_EQ(RejoicingDuckPicture().size(), QSize(30, 29));
    EXPECT_EQ(ProgramIconPicture().size(), QSize(16, 16));
    for (int frame = 0; frame < kBellFrameCount; ++frame) EXPECT_EQ(BellFrame(frame).size(), QSize(25, 23));
}

TEST(Pictures, ProgramIconBandsRowByRow) {
    // 3 orange, 3 white, 4 orange, 3 white, 3 orange, from the top.
    constexpr std::string_view rows = "OOOWWWOOOOWWWOOO";
    const QColor orange(255, 128, 64);
    const QColor white(255, 255, 255);
    const QImage image = ProgramIconPicture().toImage();
    ASSERT_EQ(image.height(), static_cast<int>(rows.size()));
    EXPECT_FALSE(image.hasAlphaChannel());
    for (int y = 0; y < image.height(); ++y) {
        const QColor expected = rows[static_cast<std::size_t>(y)] == 'O' ? orange : white;
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixelColor(x, y).rgba(), expected.rgba()) << "row " << y << " column " << x;
    }
}

TEST(Pictures, ProgramIconShowsTheBands) {
    const QIcon& icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage shown = icon.pixmap(QSize(16, 16)).toImage();
    ASSERT_EQ(shown.size(), QSize(16, 16));
    EXPECT_EQ(shown.pixelColor(8, 0), QColor(255, 128, 64));
    EXPECT_EQ(shown.pixelColor(8, 4), QColor(Qt::white));
}

TEST(Pictures, DucksAreYellowOnTransparent) {
    for (const auto& [what, picture] : {std::pair{"duck", DuckPicture()},
                                        std::pair{"rejoicing duck", RejoicingDuckPicture()}}) {
        const QImage image = Pixels(picture);
        ExpectTransparentCorners(image, what);
        // The body alone covers well over a fifth of the picture.
        EXPECT_GT(CountPixels(image, IsYellow), 200) << what;
        EXPECT_GT(CountPixels(image, IsBeakOrange), 4) << what << " beak";
        EXPECT_GT(CountPixels(image, [](const QColor& c) { return c.alpha() == 0; }), 100) << what;
    }
}

TEST(Pictures, RejoicingDuckIsADifferentPose) {
    const QImage calm = Pixels(DuckPicture());
    const QImage rejoicing = Pixels(RejoicingDuckPicture());
    EXPECT_GT(CountDifferentPixels(calm, rejoicing), 60);
}

TEST(Pictures, BellsHaveGoldBerriesAndHolly) {
    for (int frame = 0; frame < kBellFrameCount; ++frame) {
        const QImage image = Pixels(BellFrame(frame));
        ExpectTransparentCorners(image, "bell frame");
        EXPECT_GT(CountPixels(image, IsGold), 40);
        EXPECT_GT(CountPixels(image, IsBerryRed), 3);
        EXPECT_GT(CountPixels(image, IsHollyGreen), 10);
    }
}

TEST(Pictures, BellFramesSwingDifferently) {
    const QImage first = Pixels(BellFrame(0));
    const QImage second = Pixels(BellFrame(1));
    EXPECT_GT(CountDifferentPixels(first, second), 40);
}

}  // namespace
