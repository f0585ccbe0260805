#pragma once

#include "modedialog.h"

#include <QImage>

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;

// "图片模式 参数设置": picture files to draw from, for project type 5 and the picture
// group of a custom project. Resizable; the preview follows the selected path.
class TPicSetForm : public ModeDialog
{
    Q_OBJECT
public:
    explicit TPicSetForm(QWidget *parent = nullptr);

    void LoadProject(int pmode, const QueryParams &params) override;
    QueryParams EncodeProject(int pmode, const QueryParams &current) const override;

    // A picture group query: paths joined by "|"||exclusion||count.
    void LoadGroupQuery(const QString &groupQuery);
    QString EncodeGroupQuery() const;

    QStringList Paths() const;
    // Appends the given files in order and previews the first (what "添加新图片" does
    // with the files chosen in the open dialog).
    void AddPictures(const QStringList &paths);

protected:
    bool ValidateInput() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LoadValues(const QString &paths, const QString &count, bool exclusion);
    void PicListClick();
    void PList_AddNewClick();
    void PList_DelNowClick();
    void ShowPicture(const QString &path);
    void FitPreview();

    QListWidget *picList;
    QFrame *picShape;
    QLabel *picShow;
    DragNumberEdit *ranCountValue;
    QCheckBox *autoDel;
    // The previewed picture at full size; scaled to the frame whenever the frame changes.
    QImage previewImage;
};
