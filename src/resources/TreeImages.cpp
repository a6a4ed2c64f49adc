#include "resources/TreeImages.h"

#include <QPixmap>

// The resources live in a static library, so they are registered by hand
// before the first look-up.
static void RegisterResources()
{
    Q_INIT_RESOURCE(resources);
}

std::vector<QIcon> LoadTreeImages()
{
    RegisterResources();
    static const char* const kNames[kTreeImageCount] = {
        "project", "folder_open", "folder_closed", "script", "script_highlighted",
        "sheet", "sheet_highlighted", "music", "wave"};
    std::vector<QIcon> images;
    images.reserve(kTreeImageCount);
    for (const char* name : kNames) {
        const QPixmap picture(QStringLiteral(":/icons/tree/%1.png").arg(QLatin1String(name)));
        QIcon icon;
        icon.addPixmap(picture, QIcon::Normal);
        icon.addPixmap(picture, QIcon::Selected);
        images.push_back(icon);
    }
    return images;
}
