#include "app/ApplicationStyle.h"
#include "app/IconMadeWhenUsed.h"

#include <QPointer>

QIcon CApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option is the caller's for this call only; the widget may be gone
    // when the arrow is first drawn.
    const QPointer<const QWidget> owner(widget);
    const QPointer<const QStyle> base(baseStyle());
    return IconMadeWhenUsed([base, owner, icon] {
        return base ? base->standardIcon(icon, nullptr, owner.data()) : QIcon();
    });
}
