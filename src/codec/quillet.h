#pragma once

#include <QString>
#include <QStringList>

// The codec library's two exports. Each takes the caller's list and the key text and
// returns the list the caller uses from then on (this implementation fills and returns
// the same object). StrDecode returns nullptr, leaving the list untouched, when the
// input is not a sound encoded text for that key: not our format, altered, truncated
// or encoded with another key. The library never frees the caller's list.
extern "C" {
Q_DECL_EXPORT QStringList *StrEncode(QStringList *lines, const QString *key);
Q_DECL_EXPORT QStringList *StrDecode(QStringList *lines, const QString *key);
}
