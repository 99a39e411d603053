#include "mainwindow/ScoreRules.h"

#include "model/Numeric.h"

namespace ScoreRules {

namespace {
QString IntegerQString(int value) {
    return QString::fromStdString(Numeric::IntegerText(value));
}
} // namespace

bool ParseDecimal(const QString& text, int& value) {
    // Non-ASCII characters become bytes outside '0' to '9' and are refused.
    const std::optional<int> parsed = Numeric::ParseInteger(text.toStdString());
    if (parsed) {
        value = *parsed;
    }
    return parsed.has_value();
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
