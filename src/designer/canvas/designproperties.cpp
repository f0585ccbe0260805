#include "designproperties.h"

#include "propertytemplates.h"

namespace {

QString AlignText(const Position &position)
{
    return position.align.isEmpty() ? kAlignCustom : position.align;
}

void PutGeometry(QMap<QString, QString> &values, const QRect &rect)
{
    values.insert(QStringLiteral("位置X"), QString::number(rect.left()));
    values.insert(QStringLiteral("位置Y"), QString::number(rect.top()));
    values.insert(QStringLiteral("高度"), QString::number(rect.height()));
    values.insert(QStringLiteral("宽度"), QString::number(rect.width()));
}

ResultBox *BoxOf(FormSection &form, const DesignObject &object)
{
    if (object.part == DesignPart::RandBox)
        return &form.randBox;
    if (object.part == DesignPart::RandRecord)
        return &form.randRecord;
    return nullptr;
}

} // namespace

QString PropertyListFor(const FormSection &form, const DesignObject &object)
{
    switch (object.part) {
    case DesignPart::Window: return kWindowProperties;
    case DesignPart::Title: return kTitleProperties;
    case DesignPart::RandBox:
        return form.randBox.type == QStringLiteral("Edit") ? kEditResultBoxProperties : kLabelResultBoxProperties;
    case DesignPart::RandRecord:
        return form.randRecord.type == QStringLiteral("Memo") ? kMemoRecordBoxProperties : kLabelRecordBoxProperties;
    case DesignPart::GoRandButton: return kDrawButtonProperties;
    case DesignPart::Picture: return kPictureBoxProperties;
    case DesignPart::PictureName: return kPictureNameProperties;
    case DesignPart::Remark: return RemarkProperties(object.remark + 1);
    }
    return QString();
}

QMap<QString, QString> PropertyValues(const FormSection &form, const DesignObject &object, const QRect &objectRect)
{
    QMap<QString, QString> values;
    PutGeometry(values, objectRect);
    const Position *position = PositionOf(form, object);
    if (position)
        values.insert(QStringLiteral("对齐方式"), AlignText(*position));
    switch (object.part) {
    case DesignPart::Window:
        values.insert(QStringLiteral("对齐方式"), form.window.align);
        break;
    case DesignPart::Title:
        values.insert(QStringLiteral("标题"), form.title.caption);
        break;
    case DesignPart::RandBox:
    case DesignPart::RandRecord: {
        const ResultBox &box = object.part == DesignPart::RandBox ? form.randBox : form.randRecord;
        values.insert(QStringLiteral("格式"), box.format);
        values.insert(QStringLiteral("是否只读"), BoolToText(box.readOnly));
        values.insert(QStringLiteral("换行记录"), BoolToText(box.newLine));
        break;
    }
    case DesignPart::GoRandButton:
        values.insert(QStringLiteral("标记"), form.goRandButton.caption);
        break;
    case DesignPart::Picture:
        values.insert(QStringLiteral("自动伸展"), BoolToText(form.picture.allowStretch));
        values.insert(QStringLiteral("图片居中"), BoolToText(form.picture.centre));
        values.insert(QStringLiteral("播放间隔"), form.picture.interval);
        break;
    case DesignPart::PictureName:
        values.insert(QStringLiteral("格式"), form.pictureName.type);
        break;
    case DesignPart::Remark:
        if (object.remark >= 0 && object.remark < form.remarks.size())
            values.insert(QStringLiteral("内容"), form.remarks.at(object.remark).caption);
        break;
    }
    return values;
}

bool ApplyProperty(FormSection &form, const DesignObject &object, const QString &key, const QString &value,
                   int clientWidth)
{
    const bool yes = value == kYes;
    ResultBox *box = BoxOf(form, object);
    if (key == QStringLiteral("对齐方式")) {
        if (object.part == DesignPart::Window) {
            form.window.align = value;
            return true;
        }
        Position *position = PositionOf(form, object);
        if (!position)
            return false;
        position->left = PlacedLeft(*position, clientWidth);
        position->align = value;
        return true;
    }
    if (key == QStringLiteral("标题") && object.part == DesignPart::Title) {
        form.title.caption = value;
        return true;
    }
    if (key == QStringLiteral("格式")) {
        if (box) {
            box->format = value;
            return true;
        }
        if (object.part == DesignPart::PictureName) {
            form.pictureName.type = value;
            return true;
        }
        return false;
    }
    if (key == QStringLiteral("是否只读") && box) {
        box->readOnly = yes;
        return true;
    }
    if (key == QStringLiteral("换行记录") && object.part == DesignPart::RandRecord) {
        form.randRecord.newLine = yes;
        return true;
    }
    if (key == QStringLiteral("标记") && object.part == DesignPart::GoRandButton) {
        form.goRandButton.caption = value;
        return true;
    }
    if (key == QStringLiteral("内容") && object.part == DesignPart::Remark && object.remark >= 0 &&
        object.remark < form.remarks.size()) {
        form.remarks[object.remark].caption = value;
        return true;
    }
    if (object.part == DesignPart::Picture) {
        if (key == QStringLiteral("自动伸展"))
            form.picture.allowStretch = yes;
        else if (key == QStringLiteral("图片居中"))
            form.picture.centre = yes;
        else if (key == QStringLiteral("播放间隔"))
            form.picture.interval = value;
        else
            return false;
        return true;
    }
    return false;
}

FontSpec *FontOf(FormSection &form, const DesignObject &object)
{
    switch (object.part) {
    case DesignPart::Title: return &form.title.font;
    case DesignPart::RandBox: return &form.randBox.font;
    case DesignPart::RandRecord: return &form.randRecord.font;
    case DesignPart::GoRandButton: return &form.goRandButton.font;
    case DesignPart::PictureName: return &form.pictureName.font;
    case DesignPart::Remark:
        return object.remark >= 0 && object.remark < form.remarks.size() ? &form.remarks[object.remark].font : nullptr;
    case DesignPart::Window:
    case DesignPart::Picture: return nullptr;
    }
    return nullptr;
}
