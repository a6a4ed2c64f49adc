#pragma once
// The editor's monkey: seeded random user actions sent straight to the real
// main window's widgets (mouse, wheel, keys, accelerators, menu commands) and
// to every modal dialog, message box and popup it opens, one action per turn
// of the event loop. Each action is one line of a log, and a log can be
// replayed line by line (and cut down by hand). After every action it checks
// the files (FileChecks) and the watchdog guards against a hang.
#include "FileChecks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <random>

class CApplication;
class QWidget;

struct MonkeyOptions {
    QString mode = QStringLiteral("map"); // map, screen, sheet or managers: where most actions aim
    quint64 seed = 1;
    qint64 actions = 0; // stop after this many actions; 0: after `seconds`
    double seconds = 5;
    QString replay;     // a log whose actions are replayed instead of random ones
    QString log;        // where each action's line is written
    QString plant;      // crash, hang or outside: a fault of the monkey's own, to show it is found
    qint64 plantAt = 0; // the action that plants it
    double hangLimit = 2.0;
};

// The folders of a run: the base directory and what is watched around it.
struct MonkeyPlaces {
    QString base;
    QString watched;
    QString settings; // below `watched`; the editor's settings may change there
};

// Random choices, the same for the same seed on every run.
class CMonkeyRandom {
public:
    explicit CMonkeyRandom(quint64 seed) : m_engine(seed) {}
    int Below(int n) { return n <= 0 ? 0 : int(m_engine() % quint64(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    template <class List>
    const auto& Pick(const List& list)
    {
        return list[Below(int(list.size()))];
    }

private:
    std::mt19937_64 m_engine;
};

// What the action makers share.
struct MonkeyContext {
    CApplication& app;
    CMonkeyRandom& random;
    QString mode;
    QStringList texts; // what is typed into fields: names, numbers, paths in and out of the base
};

// One action on the main window, when no dialog is open: its line, and
// carrying a line out (false when it does not apply now).
QString MakeWindowAction(MonkeyContext& context);
bool PerformWindowAction(MonkeyContext& context, const QStringList& words);
// One answer to the open popup or modal dialog.
QString MakeDialogAction(MonkeyContext& context, QWidget* popup, QWidget* modal);
bool PerformDialogAction(MonkeyContext& context, const QStringList& words, QWidget* popup, QWidget* modal);
// Text in a line: one word, percent-encoded.
QString LineWord(const QString& text);
QString WordText(const QString& word);

class CMonkey {
public:
    CMonkey(CApplication& app, const MonkeyOptions& options, const MonkeyPlaces& places);
    ~CMonkey();
    // Runs until the actions or the time are spent; the exit code (0: no finding).
    int Run();

private:
    void Turn();
    QString NextLine(QWidget* popup, QWidget* modal);
    void Perform(const QString& line, QWidget* popup, QWidget* modal);
    void Plant(const QString& kind);
    bool Spent() const;
    void Finding(const QString& what, const QString& line);
    void Log(const QString& line);

    CApplication& m_app;
    MonkeyOptions m_options;
    MonkeyPlaces m_places;
    CMonkeyRandom m_random;
    MonkeyContext m_context;
    std::unique_ptr<CFileChecks> m_checks;
    QFile m_log;
    QStringList m_replay;
    int m_replayAt = 0;
    qint64 m_done = 0;
    qint64 m_exits = 0;
    qint64 m_inDesigner[4] = {}; // actions with the map, screen and sheet designer active; of all, in dialogs
    QElapsedTimer m_clock;
};
