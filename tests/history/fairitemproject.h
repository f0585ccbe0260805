#pragma once

#include "domutil.h"
#include "fairsettings.h"
#include "querysection.h"

#include <QDomDocument>
#include <QFile>

// The sample custom project without animation, drawing "[名]-[组]" from two list items:
// "名" from `names` and "组" from `groups`, each in rotation when named in `rotating`.
inline QDomDocument FairItemProject(const QString &names, const QString &groups, const QStringList &rotating)
{
    QFile file(SUITE_SOURCE_DIR "/data/Demo/0.xml");
    file.open(QIODevice::ReadOnly);
    QDomDocument document;
    document.setContent(file.readAll());
    ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
    QueryParams params = DefaultQueryParams(0);
    params[QueryParamIndex(0, "TypeList")] = "列举模式##列举模式";
    params[QueryParamIndex(0, "QueryList")] = QString("否||%1||否||否||1##否||%2||否||否||1").arg(names, groups);
    params[QueryParamIndex(0, "NameList")] = "名##组";
    params[QueryParamIndex(0, "Format")] = "[名]-[组]";
    WriteQuerySection(document, params, 0);
    FairSettings rotation;
    rotation.mode = FairMode::Rotation;
    ItemFairSettings items;
    for (const QString &item : rotating)
        items.insert(item, rotation);
    WriteItemFairSettings(document, items);
    return document;
}
