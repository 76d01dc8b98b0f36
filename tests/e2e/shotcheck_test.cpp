// The screenshot checker's own arithmetic: twips to screen pixels, and the sprite search.
#include <gtest/gtest.h>

#include <QImage>

#include "screen_map.h"
#include "sprite_search.h"

namespace gravok::shotcheck {
namespace {

// A form of the main window's size.
struct MainSizedForm : Form {
    MainSizedForm() : Form("frmHaupt")
    {
        Width = 9600;
        Height = 8640;
    }
};

TEST(ScreenMap, WindowOfTheFormsSizeMapsFifteenTwipsToOnePixel)
{
    MainSizedForm f;
    const ScreenMap map = ScreenMap::fitted(QRect(320, 224, 640, 576), f);
    EXPECT_EQ(map.scale(), 1.0);
    EXPECT_EQ(map.twipsToScreen(0, 0), QPoint(320, 224));
    EXPECT_EQ(map.twipsToScreen(4372, 3172), QPoint(320 + 291, 224 + 211));
    EXPECT_EQ(map.formRect(), QRect(320, 224, 640, 576));
}

TEST(ScreenMap, LargerWindowScalesByWholeNumbersAndCentres)
{
    MainSizedForm f;
    // 1400 x 1200 fits scale 2 (1280 x 1152), bars of 60 and 24 pixels.
    const ScreenMap map = ScreenMap::fitted(QRect(0, 0, 1400, 1200), f);
    EXPECT_EQ(map.scale(), 2.0);
    EXPECT_EQ(map.twipsToScreen(0, 0), QPoint(60, 24));
    EXPECT_EQ(map.twipsToScreen(150, 15), QPoint(60 + 20, 24 + 2));
    EXPECT_EQ(map.formRect(), QRect(60, 24, 1280, 1152));
}

TEST(ScreenMap, ControlsInAFrameAreOffsetByIt)
{
    MainSizedForm f;
    Control& frame = f.add(makeControl(ControlKind::Frame, "fra", 3360, 7320, 4695, 615));
    Control& seg = f.add(makeControl(ControlKind::Shape, "spe", 240, 240, 135, 255), &frame);
    const ScreenMap map = ScreenMap::fitted(QRect(10, 20, 640, 576), f);
    EXPECT_EQ(map.controlRect(seg), QRect(10 + 224 + 16, 20 + 488 + 16, 9, 17));
}

TEST(ScreenMap, DialogKeepsTheGivenScale)
{
    Form d("frmNeu");
    d.Width = 4530;
    d.Height = 3615;
    const ScreenMap map = ScreenMap::atScale(QRect(100, 50, 604, 482), d, 2.0);
    EXPECT_EQ(map.twipsToScreen(1740, 2955), QPoint(100 + 232, 50 + 394));
}

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

QImage ring()
{
    QImage s(5, 5, QImage::Format_ARGB32);
    s.fill(qRgb(0, 0, 0));
    for (int i = 0; i < 5; ++i) {
        s.setPixel(i, 0, qRgb(200, 100, 50));
        s.setPixel(i, 4, qRgb(50, 100, 200));
        s.setPixel(0, i, qRgb(90, 200, 90));
    }
    return s;
}

void draw(QImage& shot, const QImage& sprite, QPoint at)
{
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (shot.rect().contains(at + QPoint(x, y)))
                shot.setPixel(at + QPoint(x, y), sprite.pixel(x, y));
}

TEST(SpriteSearch, FindsTheSpriteWhereItIsDrawn)
{
    QImage shot = blank(100, 80);
    draw(shot, ring(), QPoint(40, 30));
    const auto hit = findSprite(shot, ring(), QRect(30, 20, 30, 30), shot.rect(), 0.8, QPoint(35, 25));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->at, QPoint(40, 30));
    EXPECT_DOUBLE_EQ(hit->share, 1.0);
}

TEST(SpriteSearch, NothingOnABlankShotOrOutsideTheArea)
{
    QImage shot = blank(100, 80);
    EXPECT_FALSE(findSprite(shot, ring(), shot.rect(), shot.rect(), 0.5, QPoint(0, 0)));
    draw(shot, ring(), QPoint(70, 60));
    EXPECT_FALSE(findSprite(shot, ring(), QRect(0, 0, 40, 40), shot.rect(), 0.5, QPoint(0, 0)));
}

TEST(SpriteSearch, OtherColoursDoNotCount)
{
    QImage shot = blank(40, 40);
    QImage other = ring();
    other.setPixel(0, 0, qRgb(255, 255, 255));
    for (int i = 1; i < 5; ++i)
        other.setPixel(i, 0, qRgb(255, 255, 255));
    draw(shot, other, QPoint(10, 10));
    const auto share = spriteShare(shot, ring(), QPoint(10, 10), shot.rect());
    ASSERT_TRUE(share);
    EXPECT_LT(*share, 0.8);
}

TEST(SpriteSearch, ClippedSpriteCountsOnlyItsVisiblePart)
{
    QImage shot = blank(50, 50);
    draw(shot, ring(), QPoint(47, 10)); // the right part is off the shot
    const auto share = spriteShare(shot, ring(), QPoint(47, 10), shot.rect());
    ASSERT_TRUE(share);
    EXPECT_DOUBLE_EQ(*share, 1.0);
    EXPECT_FALSE(spriteShare(shot, ring(), QPoint(60, 10), shot.rect()));
}

TEST(SpriteSearch, ScaledSpriteKeepsHardPixels)
{
    const QImage big = scaledSprite(ring(), 2.0);
    EXPECT_EQ(big.size(), QSize(10, 10));
    EXPECT_EQ(big.pixel(1, 1), ring().pixel(0, 0));
    QImage shot = blank(60, 60);
    draw(shot, big, QPoint(20, 22));
    const auto hit = findSprite(shot, big, QRect(10, 10, 30, 30), shot.rect(), 0.9, QPoint(10, 10));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->at, QPoint(20, 22));
}

TEST(SpriteSearch, DriftAreaGrowsWithStepAndTicks)
{
    EXPECT_EQ(driftArea(QPoint(100, 100), QPointF(0, 0), 50, 3), QRect(QPoint(97, 97), QPoint(103, 103)));
    EXPECT_EQ(driftArea(QPoint(100, 100), QPointF(-0.5, 2), 10, 3), QRect(QPoint(92, 77), QPoint(108, 123)));
}

TEST(SpriteSearch, TextLinesCountsBrightRuns)
{
    QImage shot = blank(50, 50);
    for (int x = 5; x < 20; ++x) {
        shot.setPixel(x, 10, qRgb(255, 255, 255));
        shot.setPixel(x, 11, qRgb(230, 230, 230));
        shot.setPixel(x, 30, qRgb(255, 255, 255));
    }
    shot.setPixel(40, 45, qRgb(255, 255, 255)); // a speck is no line
    EXPECT_EQ(textLines(shot, shot.rect()), 2);
    EXPECT_EQ(textLines(shot, QRect(0, 20, 50, 30)), 1);
    EXPECT_EQ(textLines(blank(20, 20), QRect(0, 0, 20, 20)), 0);
}

} // namespace
} // namespace gravok::shotcheck
