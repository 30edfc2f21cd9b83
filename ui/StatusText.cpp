#include "StatusText.h"

QString AccomplishedText(double seconds, const QLocale& locale) {
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return QString("Accomplished in %1 seconds").arg(numbers.toString(seconds, 'f', 3));
}

QString ReplacedNote(std::size_t replaced, const QString& encoding) {
    if (replaced == 0)
        return {};
    const QString characters = replaced == 1 ? "character" : "characters";
    return QString("; %1 %2 not in %3 became \"?\"").arg(replaced).arg(characters, encoding);
}

QString ProgressText(std::size_t number, std::size_t count, const QString& fileName) {
    return QString("Converting file %1 of %2: %3").arg(number).arg(count).arg(fileName);
}
