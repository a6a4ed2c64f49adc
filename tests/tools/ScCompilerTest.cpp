// tools/sc, the Small compiler on embryo_cc: the command line the editor
// passes, the classic error file and the exit codes.
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ScRun {
    int exitCode;
    QString output;
};

ScRun RunSc(const CTempBase& base, const QStringList& arguments, const QString& path = QString())
{
    QProcess process;
    process.setWorkingDirectory(base.root);
    if (!path.isNull()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), path);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(TESSELL_SC_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

class ScCompilerTest : public ::testing::Test {
protected:
    // The editor's command line for a logical source path: paths relative to
    // the base directory, with the platform's separators.
    ScRun Compile(const QString& source, const QString& output, const QString& path = QString())
    {
        return RunSc(base,
                     {Relative(source), QStringLiteral("-o") + Relative(output),
                      QStringLiteral("-e") + Relative(QStringLiteral("compiler\\errors.txt"))},
                     path);
    }
    QString Relative(const QString& logical) const { return QDir(base.root).relativeFilePath(base.Path(logical)); }
    QByteArray Errors() const { return base.Read(QStringLiteral("compiler\\errors.txt")); }

    CTempBase base;
};

TEST_F(ScCompilerTest, ACleanScriptExitsZeroWithAnEmptyErrorFile)
{
    base.Write(QStringLiteral("compiler\\errors.txt"), "stale\r\n");
    base.Write(QStringLiteral("questdata\\Q\\main.ves"), "main()\n{\n}\n");
    const ScRun run = Compile(QStringLiteral("questdata\\Q\\main.ves"), QStringLiteral("questdata\\Q\\main.amx"));
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(Errors(), QByteArray());
    // A compiled Small program begins with its size and the AMX magic.
    const QByteArray amx = base.Read(QStringLiteral("questdata\\Q\\main.amx"));
    ASSERT_GT(amx.size(), 8);
    EXPECT_EQ(uint8_t(amx[4]), 0xE0);
    EXPECT_EQ(uint8_t(amx[5]), 0xF1);
}

TEST_F(ScCompilerTest, WarningsOnlyExitOne)
{
    base.Write(QStringLiteral("w.ves"), "main()\n{\n    new a;\n}\n");
    const ScRun run = Compile(QStringLiteral("w.ves"), QStringLiteral("w.amx"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Errors(), QByteArray("w.ves(4) Warning [203]: symbol is never used: \"a\"\r\n"));
    EXPECT_TRUE(base.Exists(QStringLiteral("w.amx")));
}

TEST_F(ScCompilerTest, ErrorsExitTwoInTheClassicForm)
{
    const QString source = QStringLiteral("questdata\\My Quest\\scripts\\main\\main.ves");
    base.Write(source, "main()\n{\n    new a = b;\n    new c = 1 +\n\n    ;\n}\n");
    QDir().mkpath(base.Path(QStringLiteral("questdata\\My Quest\\scripts\\main\\amx")));
    const ScRun run = Compile(source, QStringLiteral("questdata\\My Quest\\scripts\\main\\amx\\main.amx"));
    EXPECT_EQ(run.exitCode, 2);
    const QByteArray p = source.toUtf8();
    EXPECT_EQ(Errors(), p + "(3) Error [017]: undefined symbol \"b\"\r\n"
                          + p + "(4 -- 6) Error [029]: invalid expression, assumed zero\r\n");
    EXPECT_FALSE(base.Exists(QStringLiteral("questdata\\My Quest\\scripts\\main\\amx\\main.amx")));
    EXPECT_TRUE(run.output.contains(QStringLiteral("Error [017]")));
}

TEST_F(ScCompilerTest, FatalErrorsAndMissingFoldersAreReported)
{
    base.Write(QStringLiteral("inc.ves"), "#include <nothere>\nmain()\n{\n}\n");
    ScRun run = Compile(QStringLiteral("inc.ves"), QStringLiteral("inc.amx"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Errors(), QByteArray("inc.ves(1) Fatal [100]: cannot read from file: \"nothere\"\r\n"));
    base.Write(QStringLiteral("ok.ves"), "main()\n{\n}\n");
    run = Compile(QStringLiteral("ok.ves"), QStringLiteral("nofolder\\ok.amx"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Errors(), QByteArray("ok.ves(0) Fatal [101]: cannot write to file: \"nofolder\\ok.amx\"\r\n"));
    run = Compile(QStringLiteral("missing.ves"), QStringLiteral("m.amx"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Errors(), QByteArray("missing.ves(0) Fatal [100]: cannot read from file: \"missing.ves\"\r\n"));
}

TEST_F(ScCompilerTest, TheIncludeFolderBelowTheBaseIsUsed)
{
    base.Write(QStringLiteral("compiler\\include\\quest.inc"), "stock Twice(x) { return x * 2; }\n");
    base.Write(QStringLiteral("i.ves"), "#include <quest>\nmain()\n{\n    new a = Twice(2);\n    a = a + 1;\n}\n");
    const ScRun run = Compile(QStringLiteral("i.ves"), QStringLiteral("i.amx"));
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(Errors(), QByteArray());
}

TEST_F(ScCompilerTest, WithoutEmbryoItWritesOneFatalLineAndExitsTwo)
{
    base.Write(QStringLiteral("a.ves"), "main()\n{\n}\n");
    const ScRun run = Compile(QStringLiteral("a.ves"), QStringLiteral("a.amx"), base.Path(QStringLiteral("editor")));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(Errors(), QByteArray("a.ves(0) Fatal [100]: cannot run the Small compiler \"embryo_cc\": it is not "
                                   "installed (package libembryo-bin)\r\n"));
}

TEST_F(ScCompilerTest, AcceptsLogicalPathsAndSeparateOptionValues)
{
    base.Write(QStringLiteral("questdata\\Q\\s p.ves"), "main()\n{\n}\n");
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Q\\amx")));
    const ScRun run = RunSc(base, {QStringLiteral("questdata\\Q\\s p.ves"), QStringLiteral("-o"),
                                   QStringLiteral("questdata\\Q\\amx\\s p.amx"), QStringLiteral("-e"),
                                   QStringLiteral("compiler\\errors.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(base.Exists(QStringLiteral("questdata\\Q\\amx\\s p.amx")));
    EXPECT_EQ(Errors(), QByteArray());
}

TEST_F(ScCompilerTest, UsageErrorsExitThree)
{
    EXPECT_EQ(RunSc(base, {}).exitCode, 3);
    EXPECT_EQ(RunSc(base, {QStringLiteral("a.ves"), QStringLiteral("b.ves")}).exitCode, 3);
    EXPECT_EQ(RunSc(base, {QStringLiteral("a.ves"), QStringLiteral("-o")}).exitCode, 3);
    EXPECT_FALSE(base.Exists(QStringLiteral("compiler\\errors.txt")));
}

} // namespace
