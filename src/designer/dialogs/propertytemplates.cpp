#include "propertytemplates.h"

#include "displaysection.h"

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

PropertyList SplitPropertyList(const QString &listText)
{
    const QStringList parts = listText.split(QStringLiteral("||"));
    return {parts.value(0), parts.mid(1)};
}
