#pragma once

#include <QString>
#include <QStringList>

// The property lists the value editor shows: "heading||key||key…". The requester
// picks the list of the selected object; TDVEditorForm splits it and styles each row
// by its key.

inline const QString kRequirerDesign = QStringLiteral("DesignPage");
inline const QString kRequirerExtraScreen = QStringLiteral("ExtraScreenPage");
inline const QString kRequirerExtraButton = QStringLiteral("ExtraButtonPage");

// Drawing window (the design canvas)
inline const QString kWindowProperties = QStringLiteral("窗体||对齐方式||位置X||位置Y||高度||宽度||背景||背景音乐");
inline const QString kTitleProperties = QStringLiteral("标题||标题||对齐方式||位置X||位置Y||高度||宽度||字体");
inline const QString kLabelResultBoxProperties =
    QStringLiteral("标签式生成框||格式||对齐方式||位置X||位置Y||高度||宽度||字体");
inline const QString kLabelRecordBoxProperties =
    QStringLiteral("标签式记录框||格式||对齐方式||位置X||位置Y||高度||宽度||字体||换行记录");
inline const QString kEditResultBoxProperties =
    QStringLiteral("文本框式生成框||格式||对齐方式||位置X||位置Y||高度||宽度||字体||背景颜色||是否只读");
inline const QString kMemoRecordBoxProperties =
    QStringLiteral("文本框式记录框||格式||对齐方式||位置X||位置Y||高度||宽度||字体||背景颜色||是否只读||换行记录");
inline const QString kDrawButtonProperties = QStringLiteral("生成随机数按钮||标记||对齐方式||位置X||位置Y||高度||宽度||字体");
inline const QString kPictureBoxProperties =
    QStringLiteral("随机图片框||位置X||位置Y||高度||宽度||自动伸展||图片居中||播放间隔");
inline const QString kPictureNameProperties = QStringLiteral("图片名称||格式||对齐方式||位置X||位置Y||高度||宽度||字体");
inline const QString kPictureNameShortProperties = QStringLiteral("图片名称||格式");
// Remark `number` (1-based).
QString RemarkProperties(int number);

// Extra result window (requester ExtraScreenPage)
inline const QString kExtraWindowProperties = QStringLiteral("窗体||对齐方式||位置X||位置Y||高度||宽度||背景");
inline const QString kExtraMemoProperties = QStringLiteral("文本框||对齐方式||水平间距||竖直间距||字体||背景颜色");
inline const QString kExtraLabelProperties = QStringLiteral("非文本框||对齐方式||水平间距||竖直间距||字体");

// Extra stop button (requester ExtraButtonPage)
inline const QString kImgButtonProperties = QStringLiteral("图片按钮||图片||高度||宽度||位置");
inline const QString kTextButtonProperties = QStringLiteral("文字按钮||文本||高度||宽度||字体||位置");
inline const QString kSpeedButtonProperties = QStringLiteral("文字+图片按钮||文本||图片||高度||宽度||字体||位置");

// Values of the pick-list rows.
inline const QString kYes = QStringLiteral("是");
inline const QString kNo = QStringLiteral("否");
inline const QString kClickToEdit = QStringLiteral("点此编辑");
inline const QString kClickToSet = QStringLiteral("点此设置");
QStringList PictureNameFormats(); // "图片名称+扩展名", "仅图片名称", "完整的图片路径"

// A row name, heading or pick-list value, or a project's type or mode, as the windows
// show it: the lists and the stored values stay Chinese, the windows show them in the
// interface language (stored values through StoredValueText). Words it does not know
// show as they are.
QString ShownPropertyWord(const QString &word);

// How a row is edited.
enum class RowStyle {
    Text,         // free text; every keystroke is a change
    PickList,     // choose from the list only, no typing
    Digits,       // digits only (and deleting)
    Display,      // shown only: the requester rewrites it (geometry)
    Click,        // a button that opens a dialog
};

struct RowSpec
{
    RowStyle style = RowStyle::Text;
    QStringList pickList;   // PickList rows
    QString clickCaption;   // Click rows: "点此编辑" or "点此设置"
};

// The style of row `key` in the list headed `heading` for `requirer`.
RowSpec RowSpecFor(const QString &requirer, const QString &heading, const QString &key);

struct PropertyList
{
    QString heading;
    QStringList keys;
};
// Splits a list text at "||": heading first, then the keys in order.
PropertyList SplitPropertyList(const QString &listText);
