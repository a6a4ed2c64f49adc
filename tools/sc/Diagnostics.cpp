#include "Diagnostics.h"

#include <QDir>
#include <QRegularExpression>

QString LogicalName(const QString& nativePath, const QString& baseFolder)
{
    QString name = QDir::cleanPath(nativePath);
    const QString base = QDir::cleanPath(baseFolder);
    if (!base.isEmpty() && name.startsWith(base + QLatin1Char('/')))
        name = name.mid(base.size() + 1);
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return name;
}

QString ClassicDiagnostic(const QString& line, const QString& baseFolder)
{
    // "file(line) : kind number: text" or "file(first -- last) : kind number: text".
    static const QRegularExpression pattern(
        QStringLiteral("^(.+?)\\((\\d+)( -- \\d+)?\\) : (fatal error|error|warning) (\\d+): (.*)$"));
    QString text = line;
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return QString();
    const QString kind = m.captured(4);
    const QString classicKind = kind == QLatin1String("fatal error") ? QStringLiteral("Fatal")
                                : kind == QLatin1String("error")     ? QStringLiteral("Error")
                                                                     : QStringLiteral("Warning");
    // File names quoted in the message are shown the same way.
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    QString message = m.captured(6);
    const QString base = QDir::cleanPath(baseFolder) + QLatin1Char('/');
    for (auto it = quoted.globalMatch(message); it.hasNext();) {
        const QRegularExpressionMatch q = it.next();
        if (q.captured(1).startsWith(base)) {
            message.replace(q.capturedStart(1), q.capturedLength(1), LogicalName(q.captured(1), baseFolder));
            break; // offsets have moved; compiler messages quote one name
        }
    }
    // Built by joining, so that a "%" in a file name or message stays as it is.
    const QString number = QStringLiteral("%1").arg(m.captured(5).toInt(), 3, 10, QLatin1Char('0'));
    return LogicalName(m.captured(1), baseFolder) + QLatin1Char('(') + m.captured(2) + m.captured(3)
           + QStringLiteral(") ") + classicKind + QStringLiteral(" [") + number + QStringLiteral("]: ")
           + message;
}

bool IsErrorLine(const QString& classicLine)
{
    return classicLine.contains(QLatin1String("Error [")) || classicLine.contains(QLatin1String("Fatal ["));
}
