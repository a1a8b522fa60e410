// The painted button pictures: their sizes, that each shows something on a
// transparent background, and the greyed send button.
#include "order/button_pictures.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct Designed {
    ButtonPicture which;
    QSize size;
};

// The sizes the buttons were laid out for.
const Designed designedSizes[] = {
    {ButtonPicture::Kassa, {18, 19}},
    {ButtonPicture::KassaDisabled, {18, 19}},
    {ButtonPicture::Print, {30, 28}},
    {ButtonPicture::Status, {32, 32}},
    {ButtonPicture::Info, {32, 32}},
    {ButtonPicture::Down, {16, 16}},
    {ButtonPicture::Up, {16, 16}},
    {ButtonPicture::Menu, {32, 32}},
    {ButtonPicture::Cancel, {32, 32}},
    {ButtonPicture::Exit, {32, 32}},
    {ButtonPicture::Ok, {16, 16}},
    {ButtonPicture::CancelCross, {16, 16}},
    {ButtonPicture::DeleteLeft, {24, 24}},
    {ButtonPicture::KeypadOk, {32, 32}},
    {ButtonPicture::OpenFolder, {16, 16}},
    {ButtonPicture::Connection, {24, 24}},
    {ButtonPicture::Key, {24, 24}},
    {ButtonPicture::Defaults, {24, 24}},
};

QImage imageOf(ButtonPicture which)
{
    return buttonPicture(which).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The strongest difference in lightness between the picture laid on a
// light-grey button face and the bare face.
int contrastOnButtonFace(const QImage& image)
{
    const int face = 240;
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int shown = (qGray(pixel) * qAlpha(pixel) + face * (255 - qAlpha(pixel))) / 255;
            strongest = std::max(strongest, std::abs(face - shown));
        }
    return strongest;
}

} // namespace

TEST(ButtonPictures, EachHasItsSizeAndShowsAShapeOnATransparentGround)
{
    for (const Designed& row : designedSizes) {
        SCOPED_TRACE(int(row.which));
        EXPECT_EQ(buttonPictureSize(row.which), row.size);
        const QImage image = imageOf(row.which);
        ASSERT_EQ(image.size(), row.size);

        QSet<QRgb> colours;
        int transparent = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    ++transparent;
                else
                    colours.insert(pixel);
            }
        EXPECT_GT(transparent, 0) << "no transparent background";
        EXPECT_GE(colours.size(), 3) << "blank or a single colour";
        if (row.which != ButtonPicture::KassaDisabled) {
            EXPECT_GE(contrastOnButtonFace(image), 120) << "too faint on the button face";
        }
    }
}

TEST(ButtonPictures, SendButtonHasItsOwnGreyedPictureWhenDisabled)
{
    const QIcon icon = buttonIcon(ButtonPicture::Kassa);
    const QSize size = buttonPictureSize(ButtonPicture::Kassa);
    const QImage normal = icon.pixmap(size, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(size, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);

    EXPECT_EQ(normal, imageOf(ButtonPicture::Kassa));
    EXPECT_EQ(disabled, imageOf(ButtonPicture::KassaDisabled));
    EXPECT_NE(disabled, normal);
    for (int y = 0; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x) {
            const QRgb pixel = disabled.pixel(x, y);
            ASSERT_EQ(qRed(pixel), qGreen(pixel));
            ASSERT_EQ(qGreen(pixel), qBlue(pixel));
            ASSERT_EQ(qAlpha(pixel), qAlpha(normal.pixel(x, y))) << "the shape itself must stay";
        }
}
