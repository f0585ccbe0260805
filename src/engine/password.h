#pragma once

#include "randomsource.h"

#include <QSet>
#include <QString>
#include <QStringList>

// Which characters a password holds and how long it is.
struct PasswordRule
{
    int length = 0;
    // Lower-case letters, upper-case letters, digits, the special symbols ! to /.
    bool classes[4] = {false, false, false, false};

    // A class is enabled when its name ("小写字母", "大写字母", "数字", "特殊符号") occurs in
    // `options`. Throws SuiteError when no class is named or the length is not 1 to 4096.
    static PasswordRule Parse(const QString &lengthText, const QString &options, const QString &what);

    // How many different passwords there are, saturated at `cap`.
    qint64 DistinctCount(qint64 cap) const;

    // Throws SuiteError (naming `what`) when `count` passwords of this length would not fit
    // in memory: a million passwords of 4096 characters are 8 GB of text.
    void CheckBatchSize(qint64 count, const QString &what) const;
};

// Draws `count` passwords, all different from each other and from those in `used`, which
// receives them. Every character picks one of the enabled classes with equal chance, then
// a character of that class with equal chance. Throws SuiteError (naming `what`) when not
// enough different passwords exist.
QStringList PasswordDraw(const PasswordRule &rule, RandomSource &random, int count, QSet<QString> &used,
                         const QString &what);
