#include "resources/ResourceManagerKind.h"

namespace {

QString HelpText(const char* what)
{
    return QStringLiteral("The above tree list contains all the %1 in your quest - Right-click on a node in the tree "
                          "list to add/delete/edit files.")
        .arg(QLatin1String(what));
}

} // namespace

const ResourceManagerKind& EntityManagerKind()
{
    static const ResourceManagerKind kind{ModeEntities,
                                          141,
                                          QStringLiteral("Entity Manager"),
                                          1015,
                                          1028,
                                          QStringLiteral("entitylist.txt"),
                                          QStringLiteral("Entities in project:"),
                                          0,
                                          QStringLiteral("Edit this Script..."),
                                          QStringLiteral("Remove this Script"),
                                          HelpText("entities")};
    return kind;
}

const ResourceManagerKind& SoundManagerKind()
{
    static const ResourceManagerKind kind{ModeSounds,
                                          154,
                                          QStringLiteral("Sound Manager"),
                                          1020,
                                          0,
                                          QStringLiteral("soundlist.txt"),
                                          QStringLiteral("Sound Files in Project:"),
                                          4,
                                          QStringLiteral("Play this Sound..."),
                                          QStringLiteral("Remove this Sound"),
                                          HelpText("sounds")};
    return kind;
}

const ResourceManagerKind& SheetManagerKind()
{
    static const ResourceManagerKind kind{ModeSheets,
                                          153,
                                          QStringLiteral("Sprite Sheet Manager"),
                                          1019,
                                          1027,
                                          QStringLiteral("sheets.txt"),
                                          QStringLiteral("Sprite Sheets in Project:"),
                                          2,
                                          QStringLiteral("Edit this Sheet..."),
                                          QStringLiteral("Remove this Sheet"),
                                          HelpText("sprite sheets")};
    return kind;
}

const ResourceManagerKind& ManagerKindOf(ResourceMode mode)
{
    switch (mode) {
    case ModeSounds:
        return SoundManagerKind();
    case ModeSheets:
        return SheetManagerKind();
    case ModeEntities:
        break;
    }
    return EntityManagerKind();
}
