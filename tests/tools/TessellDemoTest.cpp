// `tessell demo` writes the same bytes whatever the user's locale: the program
// runs once in the C locale and once in a decimal-comma one, each in a base
// directory of its own, and every file the two runs leave is compared.
#include "helpers/DecimalCommaLocale.h"
#include "helpers/TempBase.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

int RunDemo(const CTempBase& base, const QProcessEnvironment& environment, QString& error)
{
    QFile::copy(QStringLiteral(TESSELL_SOURCE_DIR "/workspace/sprite sheets/meadow.bmp"),
                base.root + QStringLiteral("/sprite sheets/meadow.bmp"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(base.root);
    process.start(QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell"), {QStringLiteral("demo")});
    process.waitForFinished(120000);
    error = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Read through each base's own root: the logical paths of CTempBase follow the
// one base the globals point at.
QByteArray ReadBelow(const CTempBase& base, const QString& relative)
{
    QFile file(base.root + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(TessellDemo, WritesTheSameBytesUnderADecimalCommaLocale)
{
    const CDecimalCommaLocale& locale = CDecimalCommaLocale::Get();
    ASSERT_TRUE(locale.Ready()) << locale.Error().toStdString();
    QProcessEnvironment inC = QProcessEnvironment::systemEnvironment();
    inC.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));

    CTempBase c;
    CTempBase comma;
    QString error;
    ASSERT_EQ(0, RunDemo(c, inC, error)) << error.toStdString();
    ASSERT_EQ(0, RunDemo(comma, locale.Environment(), error)) << error.toStdString();

    const QStringList files = c.Listing();
    ASSERT_EQ(files, comma.Listing());
    ASSERT_TRUE(files.contains(QStringLiteral("questdata/Demo/screens/1-1.lnd")));
    for (const QString& file : files) {
        if (file.endsWith(QLatin1Char('/')))
            continue;
        EXPECT_EQ(ReadBelow(c, file), ReadBelow(comma, file)) << file.toStdString();
    }
    EXPECT_TRUE(ReadBelow(comma, QStringLiteral("sprite sheets/meadow.spt")).contains("\r\nANIMATED\r\n2\r\n4.000000\r\n"));
}

// `tessell demo` looks before it writes: an existing Demo, or a sheet file
// that is not the sample's, leaves every file as it was, unless --force.
TEST(TessellDemo, NeverReplacesTheSheetFileOrDemoUnasked)
{
    const QByteArray userSprite = "[BACKGROUND]\r\nmine\r\n0\r\n0\r\n8\r\n8\r\n\r\nFALSE\r\n255\r\n[EE]\r\n";
    const QString sheet = QStringLiteral("sprite sheets\\meadow.spt");
    const struct {
        const char* what;
        bool keepDemo;
        bool changeSheet;
        QStringList args;
        int exitCode;
        QString error; // the first line on standard error
        bool sheetKept;
    } cases[] = {
        {"Demo exists", true, true, {"demo"}, 1,
         "Error: A quest called \"Demo\" already exists, please choose another name", true},
        {"the sheet has a sprite of the user's", false, true, {"demo"}, 1,
         "sprite sheets\\meadow.spt: The sheet file differs from the sample one, so it is left as it is and Demo is "
         "not made; \"tessell demo --force\" replaces it",
         true},
        {"the same, with --force", false, true, {"demo", "--force"}, 0,
         "Made the sheet file \"sprite sheets\\meadow.spt\" and the quest \"Demo\"", false},
        {"the sample sheet as it ships", false, false, {"demo"}, 0,
         "Made the sheet file \"sprite sheets\\meadow.spt\" and the quest \"Demo\"", false},
    };
    for (const auto& c : cases) {
        CTempBase base(true);
        ASSERT_TRUE(base.CopyShippedWorkspace());
        const QByteArray shipped = base.Read(sheet);
        if (!c.keepDemo) {
            QDir(base.Path(QStringLiteral("questdata\\Demo"))).removeRecursively();
            QFile::remove(base.Path(QStringLiteral("save\\Demo.qss")));
        }
        if (c.changeSheet)
            base.Write(sheet, shipped + userSprite);
        const QByteArray before = base.Read(sheet);
        QProcess process;
        process.setWorkingDirectory(base.root);
        process.start(QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell"), c.args);
        process.waitForFinished(120000);
        const QString error = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(c.exitCode, process.exitCode()) << c.what << "\n" << error.toStdString();
        EXPECT_EQ(c.error, error.section(QLatin1Char('\n'), 0, 0)) << c.what;
        EXPECT_EQ(c.sheetKept ? before : shipped, base.Read(sheet)) << c.what;
        EXPECT_EQ(c.exitCode == 0 || c.keepDemo, base.Exists(QStringLiteral("save\\Demo.qss"))) << c.what;
    }
}
