#include "helpers/DecimalCommaLocale.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <clocale>
#include <cstring>

CDecimalCommaLocale::CDecimalCommaLocale() : m_folder(QStringLiteral(TESSELL_BINARY_DIR "/locale"))
{
    const QString target = m_folder + QLatin1Char('/') + QLatin1String(kName);
    if (QFileInfo::exists(target + QStringLiteral("/LC_NUMERIC")))
        return;
    // Compiled once per build folder: test programs running side by side each
    // make it in a folder of their own, and the first one done moves it in place.
    QDir().mkpath(m_folder);
    QTemporaryDir staging(m_folder + QStringLiteral("/making-XXXXXX"));
    const QString made = staging.path() + QLatin1Char('/') + QLatin1String(kName);
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"), made});
    if (!localedef.waitForFinished(300000) || localedef.exitStatus() != QProcess::NormalExit
        || localedef.exitCode() != 0 || !QFileInfo::exists(made + QStringLiteral("/LC_NUMERIC"))) {
        m_error = QStringLiteral("localedef could not make %1 (the Debian package \"locales\" gives its sources): %2%3")
                      .arg(QLatin1String(kName), localedef.errorString(),
                           QString::fromLocal8Bit(localedef.readAllStandardError()));
        return;
    }
    if (!QDir().rename(made, target) && !QFileInfo::exists(target + QStringLiteral("/LC_NUMERIC")))
        m_error = QStringLiteral("The locale could not be moved to %1").arg(target);
}

const CDecimalCommaLocale& CDecimalCommaLocale::Get()
{
    static const CDecimalCommaLocale locale;
    return locale;
}

QProcessEnvironment CDecimalCommaLocale::Environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LOCPATH"), m_folder);
    environment.insert(QStringLiteral("LC_ALL"), QLatin1String(kName));
    environment.insert(QStringLiteral("LANG"), QLatin1String(kName));
    return environment;
}

CDecimalCommaScope::CDecimalCommaScope()
{
    const CDecimalCommaLocale& locale = CDecimalCommaLocale::Get();
    if (!locale.Ready())
        return;
    m_previous = std::setlocale(LC_ALL, nullptr);
    // LOCPATH is read when a locale is loaded; the machine's own locales are
    // found without it again afterwards.
    const QByteArray oldPath = qgetenv("LOCPATH");
    const bool hadPath = qEnvironmentVariableIsSet("LOCPATH");
    qputenv("LOCPATH", locale.Environment().value(QStringLiteral("LOCPATH")).toLocal8Bit());
    const bool set = std::setlocale(LC_ALL, CDecimalCommaLocale::kName) != nullptr;
    if (hadPath)
        qputenv("LOCPATH", oldPath);
    else
        qunsetenv("LOCPATH");
    m_active = set && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

CDecimalCommaScope::~CDecimalCommaScope()
{
    if (!m_previous.isEmpty())
        std::setlocale(LC_ALL, m_previous.constData());
}
