#include <gtest/gtest.h>

#include <algorithm>

#include "core/control.h"
#include "core/errors.h"
#include "core/pictures.h"

namespace gravok {
namespace {

struct Range {
    int from, to, width, height;
};

// Every bitmap the game loads, with its pixel size.
constexpr Range Known[] = {{1, 16, 57, 57},    {21, 36, 57, 57},   {50, 51, 9, 9},     {60, 60, 18, 18},
                           {101, 111, 32, 32}, {112, 112, 30, 30}, {151, 153, 32, 32}};

TEST(Pictures, EveryNumberHasItsSize)
{
    for (const Range& r : Known) {
        for (int n = r.from; n <= r.to; ++n) {
            SCOPED_TRACE(n);
            const auto size = pictureSize(n);
            ASSERT_TRUE(size);
            EXPECT_EQ(size->width, r.width);
            EXPECT_EQ(size->height, r.height);
        }
    }
}

TEST(Pictures, UnknownNumbersHaveNone)
{
    for (int n : {0, 17, 20, 37, 49, 52, 59, 61, 100, 113, 150, 154, -1, 32767}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(pictureSize(n));
    }
}

TEST(Pictures, TheListMatchesTheSizes)
{
    const auto numbers = pictureNumbers();
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
    int expected = 0;
    for (const Range& r : Known)
        expected += r.to - r.from + 1;
    EXPECT_EQ(static_cast<int>(numbers.size()), expected);
    for (int n : numbers)
        EXPECT_TRUE(pictureSize(n)) << n;
}

TEST(SetPicture, AnImageTakesItsPicturesSize)
{
    const struct {
        int picture;
        float twips;
    } cases[] = {{112, 450}, {101, 480}, {1, 855}, {36, 855}, {50, 135}, {60, 270}, {153, 480}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        Control img;
        img.Width = 480;
        img.Height = 480;
        img.setPicture(c.picture);
        EXPECT_EQ(img.Picture(), c.picture);
        EXPECT_EQ(img.Width, c.twips);
        EXPECT_EQ(img.Height, c.twips);
    }
}

TEST(SetPicture, ClearingKeepsTheLastSize)
{
    Control img;
    img.setPicture(112);
    img.setPicture(0);
    EXPECT_EQ(img.Picture(), 0);
    EXPECT_EQ(img.Width, 450);
    EXPECT_EQ(img.Height, 450);
}

TEST(SetPicture, UnknownPictureThrowsAndChangesNothing)
{
    Control img;
    img.setPicture(60);
    for (int n : {17, 113, -1}) {
        SCOPED_TRACE(n);
        EXPECT_THROW(img.setPicture(n), GameError);
        EXPECT_EQ(img.Picture(), 60);
        EXPECT_EQ(img.Width, 270);
        EXPECT_EQ(img.Height, 270);
    }
}

} // namespace
} // namespace gravok
