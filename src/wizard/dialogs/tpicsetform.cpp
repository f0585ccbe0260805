#include "tpicsetform.h"

#include "dialogrows.h"
#include "yesno.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

TPicSetForm::TPicSetForm(QWidget *parent) : ModeDialog(parent, true)
{
    setObjectName(QStringLiteral("TPicSetForm"));
    setWindowTitle(tr("图片模式 参数设置"));
    setSizeGripEnabled(true);

    picList = new QListWidget(this);
    picList->setObjectName(QStringLiteral("PicList"));
    picList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    picList->setMinimumSize(420, 260);
    connect(picList, &QListWidget::currentRowChanged, this, &TPicSetForm::PicListClick);

    QMenu *menu = MakeContextMenu(picList, QStringLiteral("PicListMenu"));
    connect(AddMenuAction(menu, QStringLiteral("PList_AddNew"), tr("添加新图片")), &QAction::triggered, this,
            &TPicSetForm::PList_AddNewClick);
    connect(AddMenuAction(menu, QStringLiteral("PList_DelNow"), tr("删除当前图片")), &QAction::triggered,
            this, &TPicSetForm::PList_DelNowClick);

    picShape = new QFrame(this);
    picShape->setObjectName(QStringLiteral("PicShape"));
    picShape->setFrameShape(QFrame::Box);
    picShape->setMinimumSize(260, 260);
    picShow = new QLabel(picShape);
    picShow->setObjectName(QStringLiteral("PicShow"));
    picShow->setAlignment(Qt::AlignCenter);
    picShow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picShow->installEventFilter(this);
    auto *shapeLayout = new QVBoxLayout(picShape);
    shapeLayout->setContentsMargins(4, 4, 4, 4);
    shapeLayout->addWidget(picShow);

    ranCountValue = MakeCountEdit(this, DragCounter(), QStringLiteral("RanCountValue"));
    autoDel = new QCheckBox(tr("抽取照片后，自动排除已抽取的照片"), this);
    autoDel->setObjectName(QStringLiteral("AutoDel"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("图片列表："), this), 0, 0);
    grid->addWidget(new QLabel(tr("图片预览："), this), 0, 1);
    grid->addWidget(picList, 1, 0);
    grid->addWidget(picShape, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(1, 1);

    auto *form = new QFormLayout;
    form->addRow(tr("抽取照片数量："), ranCountValue);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addLayout(grid, 1);
    layout->addLayout(form);
    layout->addWidget(autoDel);
    AddButtonRow(layout);

    ranCountValue->setText(QStringLiteral("2"));
    adjustSize();
}

void TPicSetForm::LoadValues(const QString &paths, const QString &count, bool exclusion)
{
    picList->clear();
    if (!paths.isEmpty()) {
        picList->addItems(SplitText(paths, QStringLiteral("|")));
        picList->setCurrentRow(0);
    }
    ranCountValue->setText(count);
    autoDel->setChecked(exclusion);
}

void TPicSetForm::LoadProject(int pmode, const QueryParams &params)
{
    if (pmode == 5)
        LoadValues(params.value(1), params.value(2), params.value(3) == kYes);
}

QueryParams TPicSetForm::EncodeProject(int pmode, const QueryParams &current) const
{
    if (pmode != 5)
        return current;
    // The project writer puts "[Application]" in place of the application directory.
    return {ProjectTypeAt(5).mode, Paths().join(QLatin1Char('|')), ranCountValue->text(),
            YesNoText(autoDel->isChecked())};
}

void TPicSetForm::LoadGroupQuery(const QString &groupQuery)
{
    const QStringList f = SplitGroupFields(groupQuery);
    LoadValues(f.value(0), f.value(2), f.value(1) == kYes);
}

QString TPicSetForm::EncodeGroupQuery() const
{
    return QStringList{Paths().join(QLatin1Char('|')), YesNoText(autoDel->isChecked()), ranCountValue->text()}.join(
        QStringLiteral("||"));
}

QStringList TPicSetForm::Paths() const
{
    QStringList paths;
    for (int i = 0; i < picList->count(); ++i)
        paths << picList->item(i)->text();
    return paths;
}

void TPicSetForm::AddPictures(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    ShowPicture(paths.first());
    picList->addItems(paths);
}

void TPicSetForm::ShowPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    previewImage = reader.read();
    if (previewImage.isNull()) {
        picShow->setPixmap({});
        picShow->setText(tr("无法显示该图片"));
        return;
    }
    FitPreview();
}

void TPicSetForm::FitPreview()
{
    if (previewImage.isNull())
        return;
    // A picture chosen before the dialog is first laid out, or a resized dialog, must
    // still fill the frame.
    const QSize room = picShow->size().isEmpty() ? QSize(232, 232) : picShow->size();
    const QSize natural = previewImage.size();
    if (natural.width() <= room.width() && natural.height() <= room.height()) {
        picShow->setPixmap(QPixmap::fromImage(previewImage));
        return;
    }
    picShow->setPixmap(QPixmap::fromImage(previewImage.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool TPicSetForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picShow && event->type() == QEvent::Resize)
        FitPreview();
    return ModeDialog::eventFilter(watched, event);
}

void TPicSetForm::PicListClick()
{
    if (QListWidgetItem *item = picList->currentItem())
        ShowPicture(item->text());
}

void TPicSetForm::PList_AddNewClick()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("添加新图片"), QString(),
        tr("图片文件 (*.jpg *.jpeg *.png *.bmp *.gif);;所有文件 (*)"));
    AddPictures(files);
}

void TPicSetForm::PList_DelNowClick()
{
    delete picList->currentItem();
}

bool TPicSetForm::ValidateInput()
{
    bool valid = true;
    if (picList->count() == 0) {
        ShowParameterError(tr("图片列表不能为空！"));
        valid = false;
    }
    if (ranCountValue->text().isEmpty()) {
        ShowParameterError(tr("抽取图片数量不能为空！"));
        valid = false;
    } else if (ranCountValue->text().toLongLong() > picList->count()) {
        ShowParameterError(tr("图片总数小于要抽取的图片数量，请重新设置！"));
        valid = false;
    }
    return valid;
}
