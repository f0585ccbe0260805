#include "designobject.h"

const Position *PositionOf(const FormSection &form, const DesignObject &object)
{
    switch (object.part) {
    case DesignPart::Window: return nullptr;
    case DesignPart::Title: return &form.title.position;
    case DesignPart::RandBox: return &form.randBox.position;
    case DesignPart::RandRecord: return &form.randRecord.position;
    case DesignPart::GoRandButton: return &form.goRandButton.position;
    case DesignPart::Picture: return &form.picture.position;
    case DesignPart::PictureName: return &form.pictureName.position;
    case DesignPart::Remark:
        return object.remark >= 0 && object.remark < form.remarks.size() ? &form.remarks[object.remark].position
                                                                         : nullptr;
    }
    return nullptr;
}

Position *PositionOf(FormSection &form, const DesignObject &object)
{
    return const_cast<Position *>(PositionOf(static_cast<const FormSection &>(form), object));
}

bool IsShown(const FormSection &form, bool pictureProject, const DesignObject &object)
{
    switch (object.part) {
    case DesignPart::Window:
    case DesignPart::Title: return true;
    case DesignPart::RandBox: return form.randBox.enabled;
    case DesignPart::RandRecord: return form.randRecord.enabled;
    case DesignPart::GoRandButton: return form.goRandButton.enabled;
    case DesignPart::Picture: return pictureProject;
    case DesignPart::PictureName: return pictureProject && form.pictureName.visible;
    case DesignPart::Remark: return object.remark >= 0 && object.remark < form.remarks.size();
    }
    return false;
}

QVector<DesignObject> ShownObjects(const FormSection &form, bool pictureProject)
{
    QVector<DesignObject> objects;
    for (const DesignPart part : {DesignPart::Title, DesignPart::Picture, DesignPart::PictureName, DesignPart::RandBox,
                                  DesignPart::RandRecord, DesignPart::GoRandButton}) {
        if (IsShown(form, pictureProject, {part}))
            objects.append({part});
    }
    for (int remark = 0; remark < form.remarks.size(); ++remark)
        objects.append({DesignPart::Remark, remark});
    return objects;
}
