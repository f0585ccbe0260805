#pragma once

#include <QString>
#include <QStringList>

// A project's name is also the stem of its file Data/Projects/<name>.rpj. The wizard
// checks a new name and the menu a renamed one with the same rules and messages.

// Every reason the name cannot be used, in the order the user is told them: empty,
// taken by another project (`otherNames`, compared exactly), holding a point, only
// blanks, characters a file name cannot hold. Empty when the name can be used.
QStringList ProjectNameProblems(const QString &name, const QStringList &otherNames);

