#pragma once

#include <QLocale>
#include <QString>

#include <cstddef>

// "Accomplished in %.3f seconds", with the locale's decimal separator.
QString AccomplishedText(double seconds, const QLocale& locale = QLocale());

// Told after the elapsed time when characters became "?"; empty when none did.
QString ReplacedNote(std::size_t replaced, const QString& encoding);

// Which file of a batch is being converted.
QString ProgressText(std::size_t number, std::size_t count, const QString& fileName);
