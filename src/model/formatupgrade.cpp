#include "formatupgrade.h"

#include "domutil.h"
#include "projectheader.h"
#include "querysection.h"

namespace {
const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");
constexpr int kPictureType = 5;
constexpr int kCustomType = 0;
constexpr int kNumberType = 1;

QDomElement appendElement(QDomElement parent, const QString &name)
{
    QDomElement element = parent.ownerDocument().createElement(name);
    parent.appendChild(element);
    return element;
}

void setAttributes(QDomElement element, std::initializer_list<std::pair<const char *, QString>> attributes)
{
    for (const auto &[name, value] : attributes)
        element.setAttribute(QString::fromLatin1(name), value);
}

// The colour cycle of the record box during a draw, off for both boxes.
void appendRecordColourCycle(QDomElement animate)
{
    QDomElement boxRecord = appendElement(animate, QStringLiteral("BoxRecord"));
    setAttributes(boxRecord, {{"IntervalValue", QStringLiteral("2")}, {"IntervalUnit", QStringLiteral("秒")}});
    for (const QString &box : {QStringLiteral("UseRandBox"), QStringLiteral("UseRandRecord")}) {
        QDomElement use = appendElement(boxRecord, box);
        setAttributes(use, {{"UseFontColor", kNo}, {"UseBgColor", kNo}});
        appendElement(use, QStringLiteral("FontColorList"))
            .setAttribute(QStringLiteral("Color"), QStringLiteral("0,128,64|0,0,128|187,0,0|128,0,255|236,77,0"));
        appendElement(use, QStringLiteral("BgColorList"))
            .setAttribute(QStringLiteral("Color"), QStringLiteral("128,255,255|255,128,255|255,255,0|0,255,64"));
    }
}

void upgradeTo23(QDomDocument &document, QDomElement version, int pmode)
{
    QDomElement root = document.documentElement();
    version.setAttribute(QStringLiteral("Value"), QStringLiteral("2.3"));
    QDomElement form = ChildElement(root, QStringLiteral("Form"));
    if (pmode == kPictureType) {
        QDomElement query = ChildElement(ChildElement(ChildElement(root, QStringLiteral("RandQuery")),
                                                      QStringLiteral("Rand")),
                                         QStringLiteral("Query"));
        const QString allowStretch = query.attribute(QStringLiteral("AllowStretch"));
        const QString showPicName = query.attribute(QStringLiteral("ShowPicName"));
        setAttributes(query, {{"AllowStretch", QString()}, {"ShowPicName", QString()},
                              {"RanCount", QStringLiteral("1")}, {"AutoDel", kNo}});
        setAttributes(ChildElement(form, QStringLiteral("Pic")),
                      {{"AllowStretch", allowStretch}, {"Interval", QStringLiteral("2000")}});
        ChildElement(form, QStringLiteral("PicName")).setAttribute(QStringLiteral("Visible"), showPicName);
        return;
    }
    setAttributes(ChildElement(form, QStringLiteral("RandRecord")),
                  {{"AutoNewLine", kNo}, {"NewLineRCount", QStringLiteral("0")}, {"AutoSort", kNo},
                   {"SortVariety", pmode == kNumberType ? QStringLiteral("Num") : QStringLiteral("Str")},
                   {"SortDir", QStringLiteral("Upper")}});
    if (pmode == kCustomType) {
        setAttributes(appendElement(form, QStringLiteral("Pic")),
                      {{"Center", kYes}, {"Left", QStringLiteral("75")}, {"Top", QStringLiteral("98")},
                       {"Width", QStringLiteral("808")}, {"Height", QStringLiteral("483")}, {"AllowStretch", kNo},
                       {"Type", QStringLiteral("仅图片名称")}, {"Interval", QStringLiteral("2000")}});
    }
    QDomElement animate = ChildElement(root, QStringLiteral("Animate"));
    animate.setAttribute(QStringLiteral("BoxRecord"), kYes);
    appendRecordColourCycle(animate);
}

void upgradeTo24(QDomElement version)
{
    setAttributes(version, {{"Value", kCurrentFormatVersion}, {"Author", QString()}, {"Range", QString()},
                            {"CreateTime", QString()}, {"EditTime", QString()}, {"AccessPwd", QString()},
                            {"EditPwd", QString()}, {"AccessByPwd", kNo}, {"EditWithPwd", kNo}});
}
} // namespace

QString UpgradeProjectFormat(QDomDocument &document)
{
    const int pmode = ReadQuerySection(document).pmode; // throws before anything changes
    QDomElement version = ChildElement(ProjectRootElement(document), QStringLiteral("Version"));
    const QString original = version.attribute(QStringLiteral("Value"));
    if (!version.hasAttribute(QStringLiteral("Value")))
        upgradeTo23(document, version, pmode);
    if (version.attribute(QStringLiteral("Value")) == QStringLiteral("2.3"))
        upgradeTo24(version);
    return original;
}
