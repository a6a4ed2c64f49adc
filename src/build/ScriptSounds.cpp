#include "build/ScriptSounds.h"

#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"

#include <QFile>

namespace {

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '@';
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

// Walks Small source: the position, the line, and passing over what the
// compiler takes for nothing.
class CSmallSource {
public:
    explicit CSmallSource(const QByteArray& text) : m_text(text) {}

    bool AtEnd() const { return m_at >= m_text.size(); }
    char Peek(qsizetype ahead = 0) const { return m_at + ahead < m_text.size() ? m_text.at(m_at + ahead) : '\0'; }
    int Line() const { return m_line; }
    void Step()
    {
        if (Peek() == '\n')
            ++m_line;
        ++m_at;
    }

    // Blanks, line ends and comments ("// ..." to the end of the line,
    // "/* ... */" over lines).
    void SkipSpace()
    {
        while (!AtEnd()) {
            const char c = Peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                Step();
            } else if (c == '/' && Peek(1) == '/') {
                while (!AtEnd() && Peek() != '\n')
                    Step();
            } else if (c == '/' && Peek(1) == '*') {
                Step();
                Step();
                while (!AtEnd() && !(Peek() == '*' && Peek(1) == '/'))
                    Step();
                Step();
                Step();
            } else {
                return;
            }
        }
    }

    // A string or character literal from its opening quote to its closing
    // one (or the end of the line, where an unclosed one ends; `closed` says
    // which): its bytes, escapes resolved.
    QByteArray Literal(bool* closed = nullptr)
    {
        const char quote = Peek();
        Step();
        QByteArray bytes;
        while (!AtEnd() && Peek() != quote && Peek() != '\n') {
            if (Peek() == '\\' && m_at + 1 < m_text.size() && Peek(1) != '\n')
                Step();
            bytes += Peek();
            Step();
        }
        const bool ends = Peek() == quote;
        if (ends)
            Step();
        if (closed)
            *closed = ends;
        return bytes;
    }

    QByteArray Name()
    {
        const qsizetype start = m_at;
        while (!AtEnd() && IsNameChar(Peek()))
            Step();
        return m_text.mid(start, m_at - start);
    }

private:
    const QByteArray& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

} // namespace

std::vector<PlayedSound> SoundsPlayedIn(const QByteArray& source)
{
    std::vector<PlayedSound> sounds;
    CSmallSource text(source);
    for (;;) {
        text.SkipSpace();
        if (text.AtEnd())
            break;
        const char c = text.Peek();
        if (c == '"' || c == '\'') {
            text.Literal(); // a string that is no sound's name
            continue;
        }
        if (!IsNameStart(c)) {
            // A number's digits never start a name: they are passed over whole.
            if (c >= '0' && c <= '9')
                text.Name();
            else
                text.Step();
            continue;
        }
        if (text.Name() != "PlaySound")
            continue;
        text.SkipSpace();
        if (text.Peek() != '(')
            continue;
        text.Step();
        text.SkipSpace();
        if (text.Peek() != '"')
            continue; // played from a variable: no name to look for
        const int line = text.Line();
        bool closed = false;
        const QString name = DecodeText(text.Literal(&closed));
        if (!closed)
            continue; // the compiler stops at an unclosed string; it names no sound
        bool known = false;
        for (const PlayedSound& sound : sounds)
            known = known || sound.name == name;
        if (!known)
            sounds.push_back({name, line});
    }
    return sounds;
}

std::vector<PlayedSound> SoundsPlayedBy(const QString& scriptPath)
{
    QFile script;
    if (!OpenLogicalFileForReading(script, scriptPath))
        return {};
    return SoundsPlayedIn(script.readAll());
}
