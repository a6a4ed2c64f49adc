#pragma once
// The sounds a script plays, read from its Small source as the compiler reads
// it: comments are passed over, and so are strings and characters other than
// the first argument of a call of PlaySound, which may have blanks, line ends
// and comments before its parenthesis and its string.
#include <QString>

#include <vector>

struct PlayedSound {
    QString name; // the string's bytes, kept (escapes with "\" resolved)
    int line = 0; // where the string stands
};

// Every call in the order the script makes them, each name once (at its
// first call). Empty when the script cannot be opened.
std::vector<PlayedSound> SoundsPlayedBy(const QString& scriptPath);

// The same for source text already read.
std::vector<PlayedSound> SoundsPlayedIn(const QByteArray& source);
