#include "Monkey.h"

#include "Watchdog.h"

#include "app/Application.h"
#include "app/MainFrame.h"
#include "app/WidgetUi.h"
#include "document/QuestDoc.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

QString LineWord(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("%") : QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// Paths into the run's folder are logged with this in its place, so that a
// log replays in another run's folder.
static const QString kRunFolder = QStringLiteral("<watched>");
static QString g_watchedFolder;

QString WordText(const QString& word)
{
    const QString text = word == QLatin1String("%") ? QString() : QUrl::fromPercentEncoding(word.toLatin1());
    return QString(text).replace(kRunFolder, g_watchedFolder);
}

namespace {
// What a person might type: names good and bad, numbers in and out of range,
// and paths that lead into the base directory, out of it, or nowhere.
QStringList Texts(const MonkeyPlaces& places)
{
    QStringList texts = {
        QStringLiteral("Forest"), QStringLiteral("cave"), QStringLiteral("a"), QStringLiteral("1st"),
        QStringLiteral("Caf\u00e9"), QStringLiteral("name with blanks"), QStringLiteral("x.ves"),
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("-1"), QStringLiteral("255"),
        QStringLiteral("256"), QStringLiteral("99999999999"), QStringLiteral("3.5"), QStringLiteral("1e3"),
        QStringLiteral("a\\b"), QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral("..\\..\\escaped"),
        QStringLiteral("../../escaped"), QStringLiteral("..\\..\\..\\escaped.txt"), QStringLiteral("*.qss"),
        QStringLiteral("con"), QStringLiteral(" "), QString(63, QLatin1Char('n')), QString(300, QLatin1Char('w')),
        QStringLiteral("tab\there"), QStringLiteral("line\nbreak"), QStringLiteral("\u6f22\u5b57"),
        kRunFolder + QStringLiteral("/escaped-absolute"), QStringLiteral("/nonexistent/folder/file.qss")};
    // Files of the base directory, as a chooser's name field or a person takes them.
    QDirIterator it(places.base, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString& file : files) {
        texts << kRunFolder + file.mid(places.watched.size());
        texts << QDir(places.base).relativeFilePath(file);
    }
    return texts;
}
} // namespace

CMonkey::CMonkey(CApplication& app, const MonkeyOptions& options, const MonkeyPlaces& places)
    : m_app(app), m_options(options), m_places(places), m_random(options.seed),
      m_context{app, m_random, options.mode, Texts(places)}
{
    g_watchedFolder = places.watched;
    m_checks = std::make_unique<CFileChecks>(*app.document, places.watched, places.base, places.settings);
    if (!m_options.replay.isEmpty()) {
        QFile replay(m_options.replay);
        if (replay.open(QIODevice::ReadOnly))
            for (const QByteArray& line : replay.readAll().split('\n'))
                if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                    m_replay << QString::fromUtf8(line.trimmed());
    }
    m_log.setFileName(m_options.log);
    if (!m_options.log.isEmpty() && m_log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Log(QStringLiteral("# tessell_monkey --mode %1 --seed %2").arg(m_options.mode).arg(m_options.seed));
}

CMonkey::~CMonkey() = default;

void CMonkey::Log(const QString& line)
{
    if (!m_log.isOpen())
        return;
    m_log.write(line.toUtf8() + '\n');
    m_log.flush();
}

bool CMonkey::Spent() const
{
    if (!m_options.replay.isEmpty())
        return m_replayAt >= m_replay.size();
    if (m_options.actions > 0)
        return m_done >= m_options.actions;
    return double(m_clock.elapsed()) / 1000.0 >= m_options.seconds;
}

int CMonkey::Run()
{
    QApplication::setQuitOnLastWindowClosed(false);
    StartWatchdog(m_options.hangLimit);
    m_clock.start();
    QTimer::singleShot(0, [this] { Turn(); });
    const int code = QApplication::exec();
    PauseWatch();
    const double seconds = double(m_clock.elapsed()) / 1000.0;
    const QString run = m_options.replay.isEmpty()
                            ? QStringLiteral("mode %1, seed %2").arg(m_options.mode).arg(m_options.seed)
                            : QStringLiteral("replay of %1").arg(m_options.replay);
    std::printf("monkey: %s: %lld actions in %.1f s (%.0f actions a second), %lld ways out taken, "
                "%d files read back; the longest action took %.2f s (%s); actions with the map, screen and sheet "
                "designer active: %lld, %lld, %lld (%lld of them in a dialog)\n",
                qPrintable(run), static_cast<long long>(m_done), seconds, seconds > 0 ? double(m_done) / seconds : 0.0,
                static_cast<long long>(m_exits), m_checks->FilesRead(), LongestWaitSeconds(),
                LongestWaitAction().constData(), static_cast<long long>(m_inDesigner[0]),
                static_cast<long long>(m_inDesigner[1]), static_cast<long long>(m_inDesigner[2]),
                static_cast<long long>(m_inDesigner[3]));
    std::fflush(stdout);
    return code;
}

void CMonkey::Turn()
{
    // While the build runs (its progress window, shown or not yet), only its
    // own steps turn the event loop: a person's input waits.
    if (m_app.ui->ProgressWindow() || qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
        WatchNextStep(); // each of its steps must return in time
        QTimer::singleShot(1, [this] { Turn(); });
        return;
    }
    QWidget* popup = QApplication::activePopupWidget();
    QWidget* modal = popup ? nullptr : QApplication::activeModalWidget();
    QString line;
    if (Spent()) {
        if (!popup && !modal) {
            PauseWatch();
            if (const QString fault = m_checks->AfterAction(0); !fault.isEmpty())
                Finding(fault, QStringLiteral("(the end of the run)"));
            QApplication::exit(0);
            return;
        }
        // The run ends: every window open is closed, as Escape would.
        line = popup ? QStringLiteral("popup -1") : QStringLiteral("dialog reject");
    } else {
        line = NextLine(popup, modal);
    }
    QTimer::singleShot(0, [this] { Turn(); });
    if (!line.isEmpty())
        Perform(line, popup, modal);
}

QString CMonkey::NextLine(QWidget* popup, QWidget* modal)
{
    if (!m_options.replay.isEmpty()) {
        QString line = m_replay.value(m_replayAt++);
        // The number the log gave the action is not replayed.
        return line.section(QLatin1Char(' '), 1);
    }
    if (!m_options.plant.isEmpty() && m_done + 1 == m_options.plantAt)
        return QStringLiteral("plant ") + m_options.plant;
    return popup || modal ? MakeDialogAction(m_context, popup, modal) : MakeWindowAction(m_context);
}

void CMonkey::Perform(const QString& action, QWidget* popup, QWidget* modal)
{
    const QStringList words = action.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const bool forDialog = words[0] == QLatin1String("dialog") || words[0] == QLatin1String("popup");
    if (words[0] != QLatin1String("plant") && forDialog != bool(popup || modal))
        return; // a replayed line for a window that is not open now
    const QString line = QString::number(++m_done) + QLatin1Char(' ') + action;
    Log(line);
    WatchAction(line.toUtf8());
    CQuestDoc& doc = *m_app.document;
    ++m_inDesigner[doc.ScreenDesignerActive() ? 1 : doc.SheetDesignerActive() ? 2 : 0];
    m_inDesigner[3] += forDialog;
    int command = 0;
    if (words[0] == QLatin1String("plant"))
        Plant(words.value(1));
    else if (forDialog)
        PerformDialogAction(m_context, words, popup, modal);
    else {
        if (words[0] == QLatin1String("command"))
            command = words.value(1).toInt();
        PerformWindowAction(m_context, words);
    }
    PauseWatch();
    // The way out was taken (Exit, the window's close): a person starts the
    // editor again; here the window comes back on the same document.
    if (!m_app.frame->isVisible()) {
        ++m_exits;
        m_app.frame->show();
    }
    if (const QString fault = m_checks->AfterAction(command); !fault.isEmpty())
        Finding(fault, line);
}

void CMonkey::Plant(const QString& kind)
{
    if (kind == QLatin1String("crash")) {
        // A read of freed memory, as a fault of the editor's would be.
        int* volatile gone = new int(1);
        delete gone;
        std::printf("%d\n", *gone);
    } else if (kind == QLatin1String("hang")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(int(m_options.hangLimit * 1000) + 1500));
    } else if (kind == QLatin1String("outside")) {
        QFile file(m_places.watched + QStringLiteral("/planted.txt"));
        if (file.open(QIODevice::WriteOnly))
            file.write("planted\n");
    }
}

void CMonkey::Finding(const QString& what, const QString& line)
{
    std::fprintf(stderr, "\nmonkey: FINDING: %s\nmonkey: after action: %s\nmonkey: the log: %s\n",
                 qPrintable(what), qPrintable(line), qPrintable(m_options.log));
    std::fflush(stderr);
    std::_Exit(1);
}
