#pragma once
// Conversions between the rules' texts and colours and Qt's.

#include <QColor>
#include <QString>
#include <string>

#include "rules/functions.h"

namespace zx {

// The rules keep UTF-8 and start new lines with "\r"; Qt wants "\n".
inline QString toQt(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

inline std::string fromQt(const QString& text) { return text.toStdString(); }

inline QColor toQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace zx
