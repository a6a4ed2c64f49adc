#include "dialogs/ByteLimit.h"

#include "support/io/TextCodec.h"

#include <QLineEdit>
#include <QValidator>

int TypedBytes(const QString& text)
{
    return int(EncodeText(TypedText(text)).size());
}

namespace {

class CByteLimitValidator : public QValidator {
public:
    CByteLimitValidator(int bytes, QObject* parent) : QValidator(parent), m_bytes(bytes) {}

    // What went in last stands before the cursor: characters are taken off
    // there until the text fits, then (the cursor at the start) off its end.
    State validate(QString& input, int& pos) const override
    {
        while (TypedBytes(input) > m_bytes && !input.isEmpty()) {
            int at = pos > 0 ? pos : int(input.size());
            const int length = at >= 2 && input.at(at - 1).isLowSurrogate() && input.at(at - 2).isHighSurrogate() ? 2 : 1;
            input.remove(at - length, length);
            if (pos > 0)
                pos -= length;
        }
        return Acceptable;
    }

private:
    int m_bytes;
};

} // namespace

void LimitToBytes(QLineEdit* field, int bytes)
{
    field->setValidator(new CByteLimitValidator(bytes, field));
}
