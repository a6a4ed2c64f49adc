#include "CheckCommand.h"

#include "console/ConsoleUi.h"

#include "quest/QuestCheck.h"

const CommandSpec kCheckCommand{
    QStringLiteral("tessell check [--format=text|json] QUEST"),
    QStringLiteral("Lists what a build of the quest would stumble on, or would leave wrong in the engine, building "
                   "and writing nothing:\none line per problem, FILE:LINE: message (FILE: message where no line "
                   "can be named), grouped by kind, then a count line.\nExit code 0 with no problem, 1 with one, "
                   "2 for bad usage."),
    {QStringLiteral("--format=")},
    QStringLiteral("  --format=json  one JSON object: {\"quest\", \"count\", \"problems\": [{\"kind\", \"file\", "
                   "\"line\", \"message\"}]};\n                 \"line\" is null where no line can be named"),
};

namespace {

// A JSON string. Names keep their bytes: a byte that is no part of a UTF-8
// character is written as the escape of the lone surrogate that stands for
// it (U+DC80 to U+DCFF), which is how Python's file names keep such bytes
// (a character beyond U+FFFF is escaped as its pair of surrogates).
QString JsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u < 0x20 || u == 0x7F || c.isSurrogate())
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString CountLine(size_t count, const QString& quest)
{
    if (count == 0)
        return QStringLiteral("No problems in the quest \"%1\"").arg(quest);
    return QStringLiteral("%1 %2 in the quest \"%3\"")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("problem") : QStringLiteral("problems"), quest);
}

void PrintText(const std::vector<QuestProblem>& problems, const QString& quest)
{
    for (const QuestProblem& problem : problems) {
        const QString where = problem.line > 0 ? problem.path + QLatin1Char(':') + QString::number(problem.line)
                                               : problem.path;
        PrintOut(where + QStringLiteral(": ") + problem.text);
    }
    PrintOut(CountLine(problems.size(), quest));
}

void PrintJson(const std::vector<QuestProblem>& problems, const QString& quest)
{
    QString json = QStringLiteral("{\"quest\": ") + JsonString(quest) + QStringLiteral(", \"count\": ")
                   + QString::number(problems.size()) + QStringLiteral(", \"problems\": [");
    for (size_t i = 0; i < problems.size(); ++i) {
        const QuestProblem& p = problems[i];
        json += (i == 0 ? QStringLiteral("\n  ") : QStringLiteral(",\n  "))
                + QStringLiteral("{\"kind\": %1, \"file\": %2, \"line\": %3, \"message\": %4}")
                      .arg(JsonString(QuestProblemKindName(p.kind)), JsonString(p.path),
                           p.line > 0 ? QString::number(p.line) : QStringLiteral("null"), JsonString(p.text));
    }
    json += problems.empty() ? QStringLiteral("]}") : QStringLiteral("\n]}");
    PrintOut(json);
}

} // namespace

int CheckCommand(const QStringList& args)
{
    ParsedCommand parsed;
    if (const int code = ParseCommand(kCheckCommand, args, parsed); code >= 0)
        return code;
    const QString format = parsed.values.value(QStringLiteral("--format"), QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        return UsageError(kCheckCommand, QStringLiteral("unknown format \"%1\" (text or json)").arg(format));
    const QString quest = parsed.names[0];
    const std::vector<QuestProblem> problems = CheckQuest(quest);
    if (format == QLatin1String("json"))
        PrintJson(problems, quest);
    else
        PrintText(problems, quest);
    return problems.empty() ? 0 : 1;
}
