#pragma once

// Included in every test file by the build, so that failures print Qt values as text.
#include <QString>
#include <QStringView>

#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(QStringView s, std::ostream *os)
{
    *os << '"' << s.toString().toStdString() << '"';
}
