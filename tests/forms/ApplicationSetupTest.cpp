#include "platform/forms/ApplicationSetup.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace tarvello::forms {
namespace {

QImage drawn(const QIcon &icon, int size, QIcon::Mode mode)
{
    return icon.pixmap(QSize(size, size), mode).toImage();
}

// The game's style draws every standard icon as its base style does, the extension buttons' icons
// made only when drawn included.
TEST(GameStyle, DrawsTheBaseStylesIcons)
{
    GameStyle game;
    const std::unique_ptr<QStyle> base(QStyleFactory::create(game.baseStyle()->name()));
    ASSERT_NE(base, nullptr);
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_ArrowDown}) {
        SCOPED_TRACE(static_cast<int>(icon));
        const QIcon ours = game.standardIcon(icon);
        const QIcon theirs = base->standardIcon(icon);
        EXPECT_FALSE(ours.isNull());
        EXPECT_EQ(ours.availableSizes(), theirs.availableSizes());
        for (const int size : {12, 16, 32})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                EXPECT_EQ(drawn(ours, size, mode), drawn(theirs, size, mode)) << size << " " << mode;
    }
}

} // namespace
} // namespace tarvello::forms
