#pragma once

#include <QString>

// How a project stores a yes/no option.
inline const QString kYes = QStringLiteral("是");
inline const QString kNo = QStringLiteral("否");

inline QString YesNoText(bool value)
{
    return value ? kYes : kNo;
}
