#include "mainwindow/ScoreRules.h"

#include "model/Numeric.h"

namespace ScoreRules {

namespace {
QString IntegerQString(int value) {
    return QString::fromStdString(Numeric::IntegerText(value));
}
} // namespace

bool ParseDecimal(const QString& text, int& value) {
    // A score is one character; anything longer than a handful of digits can
    // only be garbage and is refused before it could overflow.
    constexpr qsizetype kLongestNumber = 9;
    qsizetype position = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+'))) {
        negative = text.front() == QLatin1Char('-');
        position = 1;
    }
    const qsizetype digits = text.size() - position;
    if (digits <= 0 || digits > kLongestNumber) {
        return false;
    }
    int result = 0;
    for (; position < text.size(); ++position) {
        const QChar c = text.at(position);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
        result = result * 10 + (c.unicode() - u'0');
    }
    value = negative ? -result : result;
    return true;
}

Verdict Check(const QString& text, int maximum) {
    if (text == kBlank) {
        return Verdict::Blank;
    }
    int value = 0;
    if (!ParseDecimal(text, value)) {
        return Verdict::NotNumeric;
    }
    if (value < 0 || value > maximum) {
        return Verdict::OutOfRange;
    }
    return Verdict::Accepted;
}

QString Message(Verdict verdict) {
    switch (verdict) {
    case Verdict::NotNumeric:
        return QStringLiteral("Not a numerical value");
    case Verdict::OutOfRange:
        return QStringLiteral("Value out of range");
    case Verdict::Blank:
    case Verdict::Accepted:
        break;
    }
    return {};
}

QString StepUp(const QString& text, int maximum) {
    if (text == kBlank) {
        return QStringLiteral("0");
    }
    int value = 0;
    if (!ParseDecimal(text, value)) {
        return kBlank;
    }
    return value < maximum ? IntegerQString(value + 1) : text;
}

QString StepDown(const QString& text) {
    int value = 0;
    if (ParseDecimal(text, value) && value > 0) {
        return IntegerQString(value - 1);
    }
    return kBlank;
}

} // namespace ScoreRules
