// The quest check on the shipped Demo, each case with one thing changed.
#include "helpers/TempBase.h"

#include "quest/QuestCheck.h"

#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace {

void Replace(const CTempBase& base, const QString& logical, const QByteArray& from, const QByteArray& to)
{
    QByteArray bytes = base.Read(logical);
    ASSERT_TRUE(bytes.contains(from)) << logical.toStdString();
    base.Write(logical, bytes.replace(from, to));
}

} // namespace

void PrintTo(const QuestProblem& problem, std::ostream* out)
{
    *out << int(problem.kind) << " " << problem.path.toStdString() << ":" << problem.line << ": "
         << problem.text.toStdString();
}

TEST(QuestCheck, FindsWhatWasChangedInTheShippedDemo)
{
    using Kind = QuestProblemKind;
    const QString map = QStringLiteral("save\\Demo.qss");
    const struct {
        const char* change;
        std::function<void(const CTempBase&)> apply;
        std::vector<QuestProblem> expected;
    } cases[] = {
        {"nothing", [](const CTempBase&) {}, {}},
        {"the sound list gone",
         [](const CTempBase& base) { QFile::remove(base.Path(QStringLiteral("questdata\\Demo\\soundlist.txt"))); },
         {{Kind::ResourceLists, "questdata\\Demo\\soundlist.txt", 0, "Couldnt open sound List"}}},
        {"two cell records off the grid",
         [&](const CTempBase& base) {
             Replace(base, map, "Map File\r\n6\r\n", "Map File\r\n8\r\n256\r\n0\r\n0\r\n0\r\n-1\r\n0\r\n");
         },
         {{Kind::MapFile, map, 0, "2 cell records lie off the 256 x 256 grid, the editor passes over them"}}},
        {"the second group moved off its screens, which are found in grid order",
         [&](const CTempBase& base) { Replace(base, map, "1\r\n384\r\n96\r\n512\r\n", "1\r\n384\r\n960\r\n512\r\n"); },
         {{Kind::BuildCheck, "questdata\\Demo\\screens\\3-1.lnd", 0,
           "One or more of your screens is not in a group, you can create a group by right-clicking and dragging "
           "in the map designer, please put all you screens in a group and try again."},
          {Kind::BuildCheck, "questdata\\Demo\\screens\\3-2.lnd", 0,
           "One or more of your screens is not in a group, you can create a group by right-clicking and dragging "
           "in the map designer, please put all you screens in a group and try again."}}},
        {"the wisp listed as wis#, whose script is wisp.ves",
         [](const CTempBase& base) {
             Replace(base, QStringLiteral("questdata\\Demo\\entitylist.txt"), "wisp\r\nwisp\r\n", "wis#\r\nwis#\r\n");
         },
         {{Kind::ResourceLists, "questdata\\Demo\\entitylist.txt", 4,
           "Names \"wis#\", but there is no file entities\\wis#.ves"}}},
    };
    for (const auto& c : cases) {
        CTempBase base(true);
        ASSERT_TRUE(base.CopyShippedWorkspace());
        c.apply(base);
        EXPECT_EQ(c.expected, CheckQuest(QStringLiteral("Demo"))) << c.change;
    }
}
