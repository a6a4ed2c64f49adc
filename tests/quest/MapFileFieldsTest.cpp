// The map file's string fields (the full name, a group's music): one line
// each, at most 62 bytes, and what is read is what the next save writes.
#include "helpers/QtPrinters.h"
#include "quest/MapFile.h"
#include "quest/QuestMap.h"
#include "support/io/TextCodec.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kMagic = "Vantraglen Tessellmancery Map File\r\n";

// A map without screens, with one group whose music is given and the full
// name given; Final Version on and Include Sound off, so that a shifted line
// shows in both.
QByteArray File(const QByteArray& music, const QByteArray& fullName)
{
    return kMagic + "0\r\n1\r\n0\r\n0\r\n0\r\n128\r\n96\r\n0\r\n" + music + "\r\n160\r\n120\r\n" + fullName + "\r\n1\r\n0\r\n";
}

// The bytes of a map file whose one group plays `music`, its full name `fullName`.
QByteArray MapFileWith(const QString& music, const QString& fullName)
{
    CQuestMap map;
    auto group = std::make_unique<CGroup>();
    group->right = 128;
    group->bottom = 96;
    group->music = music;
    map.groups.Append(std::move(group));
    map.properties.fullName = fullName;
    map.properties.finalVersion = 1;
    map.properties.includeSound = 0;
    return MapFileBytes(map);
}

} // namespace

TEST(MapFileFields, ALineBreakInAStringEndsItAndTheFieldsAfterItStay)
{
    const QString nul = QStringLiteral("A") + QChar(0) + QStringLiteral("B");
    for (const QString& pasted : {QStringLiteral("A\nB"), QStringLiteral("A\r\nB"), QStringLiteral("A\rB"), nul}) {
        SCOPED_TRACE(pasted.toStdString());
        const QByteArray bytes = MapFileWith(pasted, pasted);
        EXPECT_EQ(bytes, File("A", "A"));
        CQuestMap read;
        ASSERT_TRUE(ReadMapFileBytes(bytes, read).isMapFile);
        EXPECT_EQ(read.properties.fullName, QStringLiteral("A"));
        EXPECT_EQ(read.properties.finalVersion, 1);
        EXPECT_EQ(read.properties.includeSound, 0);
        EXPECT_EQ(read.groups.groups.At(0)->music, QStringLiteral("A"));
    }
}

TEST(MapFileFields, AStringReadsAsTheWriterWritesItBackAtEveryLength)
{
    const QByteArray a61(61, 'a');
    const struct {
        const char* name;
        QByteArray line; // in the file
        QByteArray kept; // what is read, shown and saved again
    } rows[] = {
        {"62 characters", QByteArray(62, 'n'), QByteArray(62, 'n')},
        {"63 characters", QByteArray(63, 'n'), QByteArray(62, 'n')},
        {"64 characters", QByteArray(64, 'n'), QByteArray(62, 'n')},
        {"a UTF-8 letter across the 62nd byte", a61 + "\xc3\xa9z", a61},
        {"a UTF-8 letter across the 63rd byte", QByteArray(62, 'a') + "\xc3\xa9", QByteArray(62, 'a')},
        {"Latin-1 across the 62nd byte", a61 + "\xe9\xe9", a61 + "\xe9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CQuestMap read;
        ASSERT_TRUE(ReadMapFileBytes(File(row.line, row.line), read).isMapFile);
        EXPECT_EQ(EncodeText(read.properties.fullName), row.kept);
        EXPECT_EQ(EncodeText(read.groups.groups.At(0)->music), row.kept);
        EXPECT_EQ(read.properties.finalVersion, 1);
        EXPECT_EQ(read.properties.includeSound, 0);
        EXPECT_EQ(MapFileBytes(read), File(row.kept, row.kept));
    }
}

TEST(MapFileFields, ATypedTitleIsCutTo62BytesBeforeACharacterThatDoesNotFit)
{
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
    const struct {
        QString typed;
        QByteArray written;
    } rows[] = {
        {QString(61, QLatin1Char('a')) + QStringLiteral("\u00e9"), QByteArray(61, 'a')},
        {QString(60, QLatin1Char('a')) + QStringLiteral("\u00e9"), QByteArray(60, 'a') + "\xc3\xa9"},
        {QString(60, QLatin1Char('a')) + QStringLiteral("\u20ac"), QByteArray(60, 'a')},
        {QString(59, QLatin1Char('a')) + emoji, QByteArray(59, 'a')},
        {QString(58, QLatin1Char('a')) + emoji, QByteArray(58, 'a') + "\xf0\x9f\x98\x80"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        const QByteArray bytes = MapFileWith(QString(), row.typed);
        EXPECT_EQ(bytes, File("", row.written));
        CQuestMap read;
        ReadMapFileBytes(bytes, read);
        EXPECT_FALSE(HoldsRawBytes(read.properties.fullName)); // it reads back as UTF-8, never as Latin-1
        EXPECT_EQ(MapStringField(row.typed), read.properties.fullName);
    }
}
