#pragma once
// A decimal-comma locale (de_DE.UTF-8) for the tests of everything that writes
// or reads numbers. It is compiled once per build folder with localedef (into
// its folder "locale") and reached through LOCPATH, so the tests do not depend
// on the locales the machine happens to have generated.
#include <QProcessEnvironment>
#include <QString>

class CDecimalCommaLocale {
public:
    // Compiles the locale on first use. Check Ready() (with Error()) first.
    static const CDecimalCommaLocale& Get();

    bool Ready() const { return m_error.isEmpty(); }
    const QString& Error() const { return m_error; }
    // The environment for a program run under the locale: the system's one
    // with LOCPATH and LC_ALL set.
    QProcessEnvironment Environment() const;

    static constexpr const char* kName = "de_DE.UTF-8";

private:
    CDecimalCommaLocale();
    QString m_folder;
    QString m_error;
};

// Runs this process under the decimal-comma locale (setlocale LC_ALL, as the
// application object does from the environment) while the scope lasts.
class CDecimalCommaScope {
public:
    CDecimalCommaScope();
    ~CDecimalCommaScope();
    CDecimalCommaScope(const CDecimalCommaScope&) = delete;
    CDecimalCommaScope& operator=(const CDecimalCommaScope&) = delete;
    // True when the C library now writes and reads numbers with a comma.
    bool Active() const { return m_active; }

private:
    QByteArray m_previous;
    bool m_active = false;
};
