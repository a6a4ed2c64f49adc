// `tessell demo` writes the same bytes whatever the user's locale: the program
// runs once in the C locale and once in a decimal-comma one, each in a base
// directory of its own, and every file the two runs leave is compared.
#include "helpers/DecimalCommaLocale.h"
#include "helpers/TempBase.h"

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
