#pragma once

// A roll-call project written into the current data folder, for the quick-draw bar's
// tests and benchmark.
#include "apppaths.h"
#include "domutil.h"
#include "encodedxml.h"

#include <QFile>
#include <QStringList>

struct RollCall
{
    QStringList names;
    int perDraw = 1;
    bool locked = false;  // an access password
    bool spoken = false;
    bool removeDrawn = false; // a drawn name is not drawn again until the list restarts
    bool verifiable = false;
};

inline void SaveRollCall(const QString &projectName, const RollCall &rollCall)
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/2.RandName.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("roll-call starting document missing");
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    QDomElement root = document.documentElement();
    QDomElement query = ChildElement(ChildElement(ChildElement(root, "RandQuery"), "Rand"), "Query");
    query.setAttribute("Lists", rollCall.names.join(QLatin1Char(' ')));
    query.setAttribute("RanCount", QString::number(rollCall.perDraw));
    query.setAttribute("PosSetAble", "否"); // plain names, no weights
    query.setAttribute("AutoDel", rollCall.removeDrawn ? "是" : "否");
    if (rollCall.locked) {
        ChildElement(root, "Version").setAttribute("AccessByPwd", "是");
        ChildElement(root, "Version").setAttribute("AccessPwd", "secret");
    }
    if (rollCall.verifiable)
        ChildElement(ChildElement(root, "RandQuery"), "Rand").setAttribute("Verifiable", "是");
    if (rollCall.spoken)
        ChildElement(ChildElement(root, "Form"), "Speech").setAttribute("Enabled", "是");
    SaveEncodedDocument(document, ProjectFilePath(projectName));
}
