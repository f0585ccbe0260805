#pragma once

#include <QString>
#include <QStringList>

// How many different values a group (or a whole list) can give, how many it is asked
// for, and whether it may repeat them. The group editor checks a combination with these
// before it hands it back.

// The group types of a combination, as its TypeList stores them.
inline const QString kGroupNumbering = QStringLiteral("编号");
inline const QString kGroupRange = QStringLiteral("数值范围模式");
inline const QString kGroupList = QStringLiteral("列举模式");
inline const QString kGroupPassword = QStringLiteral("密码模式");
inline const QString kGroupPicture = QStringLiteral("图片模式");

// Joins the groups in the lists of a combination (TypeList, QueryList, NameList).
inline const QString kGroupSeparator = QStringLiteral("##");

// Number of items of a list text: pieces between separator characters, empty pieces
// included (an empty text is one item). Line breaks do not separate.
int ListItemCount(const QString &text, const QString &spliterName);

// Grid size of a number range given as texts (see NumberGridSize); -1 when one of the
// texts is not a number.
qint64 RangeGridSize(const QString &minText, const QString &maxText, const QString &predText);

// Why a grid row's minimum, maximum and precision give no values to draw (not numbers,
// maximum below minimum, no step at that precision), or an empty text when they do.
QString RangeRowProblem(const QString &minText, const QString &maxText, const QString &predText);

struct GroupStatistics
{
    qint64 possible = 0;
    qint64 wanted = 0;
    bool repeatsAllowed = false;
    bool inexhaustible = false; // a password group never runs out
};

// The statistics of one group query of the given group type; list items are counted
// with the project's separator. Unreadable numbers count as 0.
GroupStatistics StatisticsOfGroup(const QString &groupType, const QString &groupQuery, const QString &spliterName);
