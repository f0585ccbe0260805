#include "propertytemplates.h"

#include "displaysection.h"
#include "storedvaluetext.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {
const char *const kPropertyWords[] = {
    // headings
    QT_TRANSLATE_NOOP("PropertyWords", "窗体"), QT_TRANSLATE_NOOP("PropertyWords", "标题"),
    QT_TRANSLATE_NOOP("PropertyWords", "标签式生成框"), QT_TRANSLATE_NOOP("PropertyWords", "标签式记录框"),
    QT_TRANSLATE_NOOP("PropertyWords", "文本框式生成框"), QT_TRANSLATE_NOOP("PropertyWords", "文本框式记录框"),
    QT_TRANSLATE_NOOP("PropertyWords", "生成随机数按钮"), QT_TRANSLATE_NOOP("PropertyWords", "随机图片框"),
    QT_TRANSLATE_NOOP("PropertyWords", "图片名称"), QT_TRANSLATE_NOOP("PropertyWords", "文本框"),
    QT_TRANSLATE_NOOP("PropertyWords", "非文本框"), QT_TRANSLATE_NOOP("PropertyWords", "图片按钮"),
    QT_TRANSLATE_NOOP("PropertyWords", "文字按钮"), QT_TRANSLATE_NOOP("PropertyWords", "文字+图片按钮"),
    // rows
    QT_TRANSLATE_NOOP("PropertyWords", "对齐方式"), QT_TRANSLATE_NOOP("PropertyWords", "位置X"),
    QT_TRANSLATE_NOOP("PropertyWords", "位置Y"), QT_TRANSLATE_NOOP("PropertyWords", "高度"),
    QT_TRANSLATE_NOOP("PropertyWords", "宽度"), QT_TRANSLATE_NOOP("PropertyWords", "水平间距"),
    QT_TRANSLATE_NOOP("PropertyWords", "竖直间距"), QT_TRANSLATE_NOOP("PropertyWords", "背景"),
    QT_TRANSLATE_NOOP("PropertyWords", "背景音乐"), QT_TRANSLATE_NOOP("PropertyWords", "字体"),
    QT_TRANSLATE_NOOP("PropertyWords", "背景颜色"), QT_TRANSLATE_NOOP("PropertyWords", "格式"),
    QT_TRANSLATE_NOOP("PropertyWords", "是否只读"), QT_TRANSLATE_NOOP("PropertyWords", "换行记录"),
    QT_TRANSLATE_NOOP("PropertyWords", "标记"), QT_TRANSLATE_NOOP("PropertyWords", "自动伸展"),
    QT_TRANSLATE_NOOP("PropertyWords", "图片居中"), QT_TRANSLATE_NOOP("PropertyWords", "播放间隔"),
    QT_TRANSLATE_NOOP("PropertyWords", "内容"), QT_TRANSLATE_NOOP("PropertyWords", "图片"),
    QT_TRANSLATE_NOOP("PropertyWords", "文本"), QT_TRANSLATE_NOOP("PropertyWords", "位置"),
    // click captions; stored values (yes/no, alignments, picture names, types, modes)
    // are shown by StoredValueText
    QT_TRANSLATE_NOOP("PropertyWords", "点此编辑"), QT_TRANSLATE_NOOP("PropertyWords", "点此设置"),
};
} // namespace

QString RemarkProperties(int number)
{
    return QStringLiteral("备注%1||内容||位置X||位置Y||高度||宽度||字体").arg(number);
}

QStringList PictureNameFormats()
{
    return {QStringLiteral("图片名称+扩展名"), QStringLiteral("仅图片名称"), QStringLiteral("完整的图片路径")};
}

RowSpec RowSpecFor(const QString &requirer, const QString &heading, const QString &key)
{
    static const QStringList geometryKeys = {QStringLiteral("位置X"), QStringLiteral("位置Y"), QStringLiteral("高度"),
                                             QStringLiteral("宽度"), QStringLiteral("水平间距"),
                                             QStringLiteral("竖直间距")};
    static const QStringList yesNoKeys = {QStringLiteral("是否只读"), QStringLiteral("换行记录"),
                                          QStringLiteral("自动伸展"), QStringLiteral("图片居中")};
    if (geometryKeys.contains(key))
        return {RowStyle::Display, {}, {}};
    if (yesNoKeys.contains(key))
        return {RowStyle::PickList, {kYes, kNo}, {}};
    if (key == QStringLiteral("对齐方式")) {
        if (heading == QStringLiteral("窗体"))
            return {RowStyle::PickList, {kFormCentred, kFormCustom}, {}};
        return {RowStyle::PickList, {kAlignLeft, kAlignCentre, kAlignRight, kAlignCustom}, {}};
    }
    if (key == QStringLiteral("播放间隔"))
        return {RowStyle::Digits, {}, {}};
    if (key == QStringLiteral("格式") && heading == QStringLiteral("图片名称"))
        return {RowStyle::PickList, PictureNameFormats(), {}};
    if (key == QStringLiteral("背景") || key == QStringLiteral("背景音乐") || key == QStringLiteral("图片") ||
        key == QStringLiteral("位置"))
        return {RowStyle::Click, {}, kClickToSet};
    if (key == QStringLiteral("字体") || key == QStringLiteral("背景颜色"))
        return {RowStyle::Click, {}, requirer == kRequirerExtraButton ? kClickToSet : kClickToEdit};
    return {RowStyle::Text, {}, {}};
}

QString ShownPropertyWord(const QString &word)
{
    static const QRegularExpression remarkHeading(QStringLiteral("^备注(\\d+)$"));
    const QRegularExpressionMatch remark = remarkHeading.match(word);
    if (remark.hasMatch())
        return QCoreApplication::translate("PropertyWords", "备注%1").arg(remark.captured(1));
    const QByteArray utf8 = word.toUtf8();
    for (const char *known : kPropertyWords) {
        if (utf8 == known)
            return QCoreApplication::translate("PropertyWords", known);
    }
    return StoredValueText(word);
}

PropertyList SplitPropertyList(const QString &listText)
{
    const QStringList parts = listText.split(QStringLiteral("||"));
    return {parts.value(0), parts.mid(1)};
}
