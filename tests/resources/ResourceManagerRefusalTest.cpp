// What the managers refuse, and that each refusal says why; the entries a tree
// cannot show kept through every save; files chosen from outside the resource
// folders copied in; the tree showing what its file holds.
#include "resources/ResourceManagerFixture.h"

#include "support/io/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QByteArray kCreatures = Lines({"Creatures\\", "Creatures\\", "Creatures\\wisp", "wisp", "troll", "troll"});

QString Text(const RecordedMessage& m)
{
    return m.caption + QStringLiteral(": ") + m.text;
}

TEST_F(ResourceManagerTest, EveryRefusalSaysWhyAndChangesNothing)
{
    const QString n130(130, QLatin1Char('n'));
    const QString f127(127, QLatin1Char('f'));
    const QByteArray deep = Lines({"A\\" + f127.toLatin1() + "\\", f127.toLatin1() + "\\"});
    const struct {
        const char* what;
        QByteArray tree;
        const char* item; // right-clicked
        int command;
        QString answer; // the name typed, or the file chosen (below the base)
        QString message;
    } rows[] = {
        {"a file name of 130 characters", kCreatures, "Entities in project:", ID_ADD_FILE,
         QStringLiteral("elsewhere\\") + n130 + QStringLiteral(".ves"),
         QStringLiteral("Error: That name is too long for the tree list, which holds names of up to 127 bytes")},
        {"a folder named a\\b", kCreatures, "Creatures", ID_NEW_FOLDER, QStringLiteral("a\\b"),
         QStringLiteral("Error: A name in the tree list can't hold \\ or a line break")},
        {"a folder too deep for a path line", deep, "fffffff", ID_NEW_FOLDER, f127,
         QStringLiteral("Error: That folder lies too deep for the tree list, which holds paths of up to 254 bytes")},
        {"the same file twice in a folder", kCreatures, "Creatures", ID_ADD_FILE, QStringLiteral("entities\\wisp.ves"),
         QStringLiteral("Error: \"wisp\" is already in this folder")},
        {"a folder named like the file beside it", kCreatures, "Creatures", ID_NEW_FOLDER, QStringLiteral("wisp"),
         QStringLiteral("Error: \"wisp\" is already in this folder")},
        {"a file named like the folder beside it", kCreatures, "Entities in project:", ID_ADD_FILE,
         QStringLiteral("entities\\Creatures.ves"), QStringLiteral("Error: \"Creatures\" is already in this folder")},
    };
    base.Write(QStringLiteral("entities\\wisp.ves"), "wisp");
    base.Write(QStringLiteral("entities\\Creatures.ves"), "creatures");
    base.Write(QStringLiteral("elsewhere\\") + n130 + QStringLiteral(".ves"), "long");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Open(EntityManagerKind(), QStringLiteral("entitylist.txt"), r.tree);
        ui.messages.clear();
        const QString clicked = r.item[0] == 'f' ? f127 : QLatin1String(r.item);
        if (r.command == ID_NEW_FOLDER)
            ui.nameAnswers = {r.answer};
        else
            ui.fileAnswers = {base.Path(r.answer)};
        Pick(clicked, r.command);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(Text(ui.messages[0]), r.message);
        EXPECT_EQ(TreeFile(), r.tree);
    }
    // Refused before anything was copied.
    EXPECT_FALSE(base.Exists(QStringLiteral("entities\\") + n130 + QStringLiteral(".ves")));
}

TEST_F(ResourceManagerTest, CreateNewOverAListedEntityReplacesItsScriptAndListsItOnce)
{
    base.Write(QStringLiteral("entities\\troll.ves"), "my troll");
    Open(EntityManagerKind(), QStringLiteral("entitylist.txt"), kCreatures);
    ui.nameAnswers = {QStringLiteral("troll"), QStringLiteral("wisp")};
    ui.messageAnswers = {CMessagePort::AnswerYes, CMessagePort::AnswerYes};
    manager->CreateNew();
    manager->CreateNew(); // wisp is listed in Creatures: not again at the top level
    EXPECT_EQ(base.Read(QStringLiteral("entities\\troll.ves")), base.Read(QStringLiteral("questdata\\standardentity.txt")));
    EXPECT_EQ(TreeFile(), kCreatures);
    EXPECT_EQ(ui.messages.size(), 1u); // only the question about replacing troll's script
}

TEST_F(ResourceManagerTest, EntriesTheTreeCannotShowAreToldOnceAndKeptThroughEverySave)
{
    const QByteArray kept = Lines({QByteArray(300, 'p'), "p", "Sfx\\" + QByteArray(130, 'c'), QByteArray(130, 'c')});
    const QByteArray ghost = Lines({"Sfx\\ghost.wav", "ghost.wav"});
    Open(SoundManagerKind(), QStringLiteral("soundlist.txt"), ghost + kept);
    EXPECT_EQ(manager->tree.rowCount(), 2); // the title and Sfx
    ui.nameAnswers = {QStringLiteral("New")};
    Pick(QStringLiteral("Sound Files in Project:"), ID_NEW_FOLDER);
    EXPECT_EQ(TreeFile(), ghost + kept + Lines({"New\\", "New\\"}));
    Pick(QStringLiteral("Sfx"), ID_REMOVE_FOLDER);
    EXPECT_EQ(TreeFile(), kept + Lines({"New\\", "New\\"}));
    ASSERT_EQ(ui.messages.size(), 1u); // told once, as the manager opened
    EXPECT_EQ(Text(ui.messages[0]), QStringLiteral("Warning: Some entries of this tree list are too long to be shown "
                                                   "here; they are kept in the file as they are"));
}

TEST_F(ResourceManagerTest, AFileChosenFromElsewhereIsCopiedIntoItsFolderAskingBeforeReplacingAnother)
{
    const struct {
        const ResourceManagerKind& kind;
        const char* file;        // chosen in "mine\", with a bitmap beside it
        const char* destination; // where it is copied to
        bool another;            // another file lies there already
        int answer;              // to the question about replacing it
        bool copied;             // and listed
    } rows[] = {
        {EntityManagerKind(), "ghost.ves", "entities\\ghost.ves", false, 0, true},
        {EntityManagerKind(), "ghost.ves", "entities\\ghost.ves", true, CMessagePort::AnswerNo, false},
        {SheetManagerKind(), "cave.spt", "sprite sheets\\cave.spt", false, 0, true},
        {SoundManagerKind(), "roar.wav", "sounds\\roar.wav", true, CMessagePort::AnswerYes, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.destination);
        const QString file = QLatin1String(r.file), destination = QLatin1String(r.destination);
        base.Write(QStringLiteral("mine\\") + file, "new");
        base.Write(QStringLiteral("mine\\cave.bmp"), "BMnew");
        QFile::remove(base.Path(destination));
        if (r.another)
            base.Write(destination, "old");
        Open(r.kind, r.kind.treeFile, QByteArray());
        ui.messageAnswers = {r.answer};
        ui.fileAnswers = {base.Path(QStringLiteral("mine\\") + file)};
        ui.messages.clear();
        Pick(r.kind.titleLine, ID_ADD_FILE);
        EXPECT_EQ(base.Read(destination), r.copied ? "new" : "old");
        const QString name = r.kind.mode == ModeSounds ? file : QFileInfo(file).completeBaseName();
        EXPECT_EQ(TreeFile(), r.copied ? Lines({name.toLatin1(), name.toLatin1()}) : QByteArray());
        EXPECT_EQ(ui.MessageTexts(), r.another ? QStringList{destination + QStringLiteral(" already exists and is not "
                                                                                          "the chosen file. Replace it?")}
                                               : QStringList());
    }
    EXPECT_EQ(base.Read(QStringLiteral("sprite sheets\\cave.bmp")), "BMnew");
    // The sheet copied in is the one the import reads: no "Couldn't Open Sheet file".
    EXPECT_FALSE(base.Read(QStringLiteral("ErrorChk.txt")).contains("Couldn't Open Sheet file"));
}

TEST_F(ResourceManagerTest, TheSoundNameLimitIsSaidInWhatItCounts)
{
    Open(SoundManagerKind(), QStringLiteral("soundlist.txt"), QByteArray());
    // 13 characters and 22 bytes are refused, 18 bytes are accepted.
    for (const QString& name : {QString(9, QChar(0xe9)) + QStringLiteral(".wav"), QString(7, QChar(0xe9)) + QStringLiteral(".wav")}) {
        base.Write(QStringLiteral("mine\\") + name, "RIFF");
        ui.fileAnswers.push_back(base.Path(QStringLiteral("mine\\") + name));
        Pick(QStringLiteral("Sound Files in Project:"), ID_ADD_FILE);
    }
    EXPECT_EQ(ui.MessageTexts(), QStringList{QStringLiteral("Sound filename too long, please rename it to under 20 "
                                                            "bytes (a letter such as \u00e9 takes two)")});
    EXPECT_EQ(TreeFile(), Lines({EncodeText(QString(7, QChar(0xe9)) + QStringLiteral(".wav")),
                                 EncodeText(QString(7, QChar(0xe9)) + QStringLiteral(".wav"))}));
}

TEST_F(ResourceManagerTest, CreateNewWithAnUnreadableTreeSaysTheEntityWasNotAdded)
{
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Forest\\entitylist.txt"))); // a folder in its place
    manager = std::make_unique<CResourceManager>(EntityManagerKind(), ui, ui, host);
    manager->Initialise();
    ui.nameAnswers = {QStringLiteral("ghost")};
    manager->CreateNew();
    EXPECT_TRUE(base.Exists(QStringLiteral("entities\\ghost.ves")));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't open Tree List"));
    EXPECT_EQ(Text(ui.messages[1]), QStringLiteral("questdata\\Forest\\entitylist.txt: The tree list could not be read, "
                                                   "so \"ghost\" was not added to it"));
}

} // namespace
