#pragma once

#include <QString>

// Words the suite stores in project files, Soft.ini and the history ("是", "加权",
// separator names, type and mode names, fairness settings, history sources and marks …)
// are also shown to the user. They are stored and compared in Chinese whatever the
// interface language; these functions give the words to show, translated at display
// time only. Never write their result back.

// The display form of one stored word; a text that is no known stored word (a name,
// a number, a list) is returned as it is.
QString StoredValueText(const QString &stored);

// A stored list of words joined by `separator` ("小写字母|数字"), each word shown as
// StoredValueText shows it.
QString StoredValueListText(const QString &stored, QChar separator);
