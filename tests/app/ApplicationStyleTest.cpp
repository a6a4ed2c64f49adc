// The editor's style gives the same icons as the style beneath it, the
// extension arrows only read later.
#include "app/ApplicationStyle.h"

#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

TEST(ApplicationStyle, GivesTheIconsOfTheStyleBeneathIt)
{
    CApplicationStyle style;
    for (const QStyle::StandardPixmap kind : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                              QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_DialogOkButton}) {
        const QIcon plain = style.baseStyle()->standardIcon(kind);
        const QIcon given = style.standardIcon(kind);
        ASSERT_FALSE(plain.isNull()) << kind;
        EXPECT_FALSE(given.isNull()) << kind;
        EXPECT_EQ(plain.availableSizes(), given.availableSizes()) << kind;
        const QIcon copy = given; // a copy made before the first use shares it
        for (const int extent : {16, 32})
            EXPECT_EQ(plain.pixmap(extent).toImage(), copy.pixmap(extent).toImage()) << kind << " " << extent;
    }
}
