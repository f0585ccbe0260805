#include "domutil.h"

QDomElement ChildElement(QDomElement parent, const QString &name)
{
    QDomElement child = parent.firstChildElement(name);
    if (child.isNull()) {
        child = parent.ownerDocument().createElement(name);
        parent.appendChild(child);
    }
    return child;
}

QDomElement FindChildElement(const QDomElement &parent, const QString &name)
{
    return parent.firstChildElement(name);
}

QDomDocument NewXmlDocument()
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(QStringLiteral("xml"),
                                                              QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    return document;
}
