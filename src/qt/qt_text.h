// Text crossing from the models (UTF-8, LF CR heading breaks, CR LF in composed prompts)
// into Qt widgets, and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace cn3::qt {

inline QString toQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A model text as a widget shows it: the LF CR heading break and a CR LF line end both become
// one line break; a lone CR is dropped.
inline QString shown(std::string_view text) {
    QString s = toQ(text);
    s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.remove(QLatin1Char('\r'));
    return s;
}

inline std::string fromQ(const QString& text) {
    return text.toStdString();
}

}  // namespace cn3::qt
