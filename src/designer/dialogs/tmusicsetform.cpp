#include "tmusicsetform.h"

#include "gradient.h"
#include "messages.h"
#include "musicchannel.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QString TMusicSetForm::EmptyItem()
{
    return tr("[空]");
}

QString TMusicSetForm::MusicFilter()
{
    return tr("音乐文件 (*.wav *.wma *.mp3 *.mid)");
}

TMusicSetForm::TMusicSetForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMusicSetForm"));
    setWindowTitle(tr("随机音乐编辑器"));
    setModal(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("MusicList"));
    m_list->setAccessibleName(tr("音乐列表"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setToolTip(tr("右击列表添加或删除音乐"));

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("MusicListMenu"));
    QAction *add = m_menu->addAction(tr("添加新音乐"));
    add->setObjectName(QStringLiteral("AddMusic"));
    QAction *remove = m_menu->addAction(tr("删除当前音乐"));
    remove->setObjectName(QStringLiteral("DelMusic"));
    connect(add, &QAction::triggered, this, &TMusicSetForm::AddMusicClick);
    connect(remove, &QAction::triggered, this, &TMusicSetForm::DeleteSelected);
    connect(m_list, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menu->popup(m_list->viewport()->mapToGlobal(pos)); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (item->text() != EmptyItem())
            OpenInPlayer(item->text(), false);
    });

    m_player = new MusicChannel(QStringLiteral("MusicPlayer"), this);
    auto *playerRow = new QHBoxLayout;
    playerRow->addWidget(new QLabel(tr("播放调试："), this));
    struct PlayerButton
    {
        const char *name;
        QStyle::StandardPixmap icon;
        const char *tip;
    };
    const PlayerButton buttons[] = {{"MusicPlay", QStyle::SP_MediaPlay, QT_TR_NOOP("播放")},
                                    {"MusicPause", QStyle::SP_MediaPause, QT_TR_NOOP("暂停")},
                                    {"MusicStop", QStyle::SP_MediaStop, QT_TR_NOOP("停止")},
                                    {"MusicPrevious", QStyle::SP_MediaSkipBackward, QT_TR_NOOP("上一首")},
                                    {"MusicNext", QStyle::SP_MediaSkipForward, QT_TR_NOOP("下一首")}};
    for (const PlayerButton &player : buttons) {
        auto *button = new QPushButton(style()->standardIcon(player.icon), QString(), this);
        button->setObjectName(QString::fromLatin1(player.name));
        button->setToolTip(tr(player.tip));
        // A picture button is announced by what its tip says.
        button->setAccessibleName(button->toolTip());
        button->setFixedSize(34, 28);
        playerRow->addWidget(button);
    }
    playerRow->addStretch();
    connect(findChild<QPushButton *>(QStringLiteral("MusicPlay")), &QPushButton::clicked, this, [this] {
        if (m_player->IsPaused())
            m_player->Resume();
        else if (!m_playerFile.isEmpty())
            m_player->Play(m_playerFile);
    });
    connect(findChild<QPushButton *>(QStringLiteral("MusicPause")), &QPushButton::clicked, m_player,
            &MusicChannel::Pause);
    connect(findChild<QPushButton *>(QStringLiteral("MusicStop")), &QPushButton::clicked, m_player,
            &MusicChannel::Stop);
    connect(findChild<QPushButton *>(QStringLiteral("MusicPrevious")), &QPushButton::clicked, this,
            &TMusicSetForm::PreviousClick);
    connect(findChild<QPushButton *>(QStringLiteral("MusicNext")), &QPushButton::clicked, this,
            &TMusicSetForm::NextClick);

    auto *save = new QPushButton(tr("保存设置"), this);
    save->setObjectName(QStringLiteral("SaveMode"));
    save->setDefault(true);
    auto *exit = new QPushButton(tr("取消"), this);
    exit->setObjectName(QStringLiteral("Exit"));
    connect(save, &QPushButton::clicked, this, &TMusicSetForm::SaveModeClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(save);
    buttonRow->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(new QLabel(tr("随机音乐列表（右击添加或删除）："), this));
    layout->addWidget(m_list);
    layout->addLayout(playerRow);
    layout->addLayout(buttonRow);
    resize(460, 340);

    SetList({});
}

void TMusicSetForm::SetList(const QStringList &paths)
{
    m_list->clear();
    m_list->addItems(paths.isEmpty() ? QStringList{EmptyItem()} : paths);
}

QStringList TMusicSetForm::List() const
{
    QStringList paths;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->text() != EmptyItem())
            paths << m_list->item(i)->text();
    return paths;
}

void TMusicSetForm::AddMusicClick()
{
    QFileDialog dialog(this, tr("添加新音乐"));
    dialog.setObjectName(QStringLiteral("MusicLoad"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(MusicFilter());
    if (dialog.exec() == QDialog::Accepted)
        AddFiles(dialog.selectedFiles());
}

void TMusicSetForm::AddFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (List().isEmpty())
        m_list->clear();
    m_list->addItems(paths);
    OpenInPlayer(paths.constFirst(), false);
}

void TMusicSetForm::DeleteSelected()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    for (QListWidgetItem *item : selected)
        delete item;
    if (m_list->count() == 0)
        m_list->addItem(EmptyItem());
}

void TMusicSetForm::NextClick()
{
    if (List().isEmpty())
        return;
    const int row = m_list->currentRow();
    SelectAndPlay(row < 0 || row + 1 >= m_list->count() ? 0 : row + 1);
}

void TMusicSetForm::PreviousClick()
{
    if (List().isEmpty())
        return;
    const int row = m_list->currentRow();
    SelectAndPlay(row <= 0 ? m_list->count() - 1 : row - 1);
}

void TMusicSetForm::SelectAndPlay(int row)
{
    m_list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    OpenInPlayer(m_list->item(row)->text(), true);
}

void TMusicSetForm::OpenInPlayer(const QString &path, bool play)
{
    m_player->Stop();
    m_playerFile = path;
    if (play)
        m_player->Play(path);
}

QString TMusicSetForm::PlayerFile() const
{
    return m_playerFile;
}

void TMusicSetForm::SaveModeClick()
{
    const QStringList paths = List();
    if (paths.isEmpty()) {
        ShowError(this, tr("参数有误"), tr("音乐列表不能为空！"));
        return;
    }
    emit ListSaved(paths);
    accept();
}

void TMusicSetForm::done(int result)
{
    m_player->Stop();
    QDialog::done(result);
}

void TMusicSetForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);
}

void TMusicSetForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}
