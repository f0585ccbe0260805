#pragma once

#include <QDomDocument>
#include <QDomElement>

// The child element of that name; created (appended) when missing. Used by every
// writer of a document section.
QDomElement ChildElement(QDomElement parent, const QString &name);

// The child element of that name, or a null element when there is none. For readers,
// which must not change the document.
QDomElement FindChildElement(const QDomElement &parent, const QString &name);

// A new, empty document that will be written with the declaration version "1.0".
QDomDocument NewXmlDocument();
