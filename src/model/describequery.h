#pragma once

#include <QStringList>

#include "querysection.h"

// The readable description of a project's query: what the wizard's second step, the
// query editor and the group editor's previews show. Read-only: never changes the
// parameters.

// Appends the description of `params` (a query of project type `pmode`) to `lines`.
// List values are shown unescaped, yes/no values as stored. Throws SuiteError when
// type 0's group lists do not fit together.
void DescribeQuery(QStringList &lines, const QueryParams &params, int pmode);

// The lines of one group of a combination (type 0 and the group editor's previews):
// every line starts with `indent`, list rows and picture paths with one more
// ideographic space. `spliterName` is the project's separator, shown for list groups.
// Without an indent the lines are the group editor's preview, whose wording differs in
// places (a password group's count is "密码数量：").
QStringList DescribeGroupQuery(const QString &groupType, const QString &groupQuery, const QString &spliterName,
                               const QString &indent);
