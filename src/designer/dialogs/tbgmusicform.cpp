#include "tbgmusicform.h"

#include "gradient.h"
#include "mediacheck.h"
#include "messages.h"
#include "tmusicsetform.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString kMusicPathType = QStringLiteral("Path");
const QString kMusicRandType = QStringLiteral("Rand");
}

TBgMusicForm::TBgMusicForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TBgMusicForm"));
    setWindowTitle(tr("背景音乐"));
    setModal(true);

    m_useBgMusic = new QCheckBox(tr("使用背景音乐"), this);
    m_useBgMusic->setObjectName(QStringLiteral("UseBgMusic"));
    connect(m_useBgMusic, &QCheckBox::toggled, this, &TBgMusicForm::EnableControls);

    auto *group = new QGroupBox(tr("背景音乐设置"), this);
    group->setObjectName(QStringLiteral("MusicGroup"));
    m_pathMusic = new QRadioButton(tr("播放固定音乐"), group);
    m_pathMusic->setObjectName(QStringLiteral("PathMusic"));
    m_pathMusic->setChecked(true);
    m_randMusic = new QRadioButton(tr("播放随机音乐"), group);
    m_randMusic->setObjectName(QStringLiteral("RandMusic"));
    connect(m_pathMusic, &QRadioButton::toggled, this, &TBgMusicForm::EnableControls);
    m_musicPath = new QLineEdit(group);
    m_musicPath->setObjectName(QStringLiteral("MusicPath"));
    m_musicPath->setMinimumWidth(230);
    m_loadMusicPath = new QPushButton(tr("载入"), group);
    m_loadMusicPath->setObjectName(QStringLiteral("LoadMusicPath"));
    connect(m_loadMusicPath, &QPushButton::clicked, this, &TBgMusicForm::LoadMusicPathClick);
    m_goMusicMode = new QLabel(group);
    m_goMusicMode->setObjectName(QStringLiteral("GoMusicMode"));
    connect(m_goMusicMode, &QLabel::linkActivated, this, &TBgMusicForm::GoMusicModeClick);

    auto *groupLayout = new QGridLayout(group);
    groupLayout->addWidget(new QLabel(tr("播放类型："), group), 0, 0);
    groupLayout->addWidget(m_pathMusic, 0, 1);
    groupLayout->addWidget(m_randMusic, 0, 2);
    groupLayout->addWidget(m_musicPath, 1, 0, 1, 3);
    groupLayout->addWidget(m_loadMusicPath, 1, 3);
    groupLayout->addWidget(m_goMusicMode, 2, 0, 1, 4);

    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("BOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("BCancel"));
    connect(ok, &QPushButton::clicked, this, &TBgMusicForm::BOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(m_useBgMusic);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(420, 230);

    SetMusic(QString(), {});
}

void TBgMusicForm::SetMusic(const QString &musicType, const QStringList &paths)
{
    m_useBgMusic->setChecked(!musicType.isEmpty());
    m_randMusic->setChecked(musicType == kMusicRandType);
    m_pathMusic->setChecked(musicType != kMusicRandType);
    m_musicPath->setText(musicType == kMusicPathType ? paths.value(0) : QString());
    m_randomList = musicType == kMusicRandType ? paths : QStringList();
    EnableControls();
}

void TBgMusicForm::EnableControls()
{
    const bool on = m_useBgMusic->isChecked();
    m_pathMusic->setEnabled(on);
    m_randMusic->setEnabled(on);
    m_musicPath->setEnabled(on && m_pathMusic->isChecked());
    m_loadMusicPath->setEnabled(on && m_pathMusic->isChecked());
    const bool listInUse = on && m_randMusic->isChecked();
    m_goMusicMode->setEnabled(listInUse);
    // A link keeps its own colour when disabled: grey it out by hand.
    m_goMusicMode->setText(tr("<a href=\"#\" style=\"color:%1\">点此进入随机音乐编辑器</a>")
                               .arg(listInUse ? QStringLiteral("#0645ad") : QStringLiteral("#808080")));
}

void TBgMusicForm::LoadMusicPathClick()
{
    QFileDialog dialog(this, tr("载入音乐"));
    dialog.setObjectName(QStringLiteral("MusicLoad"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(TMusicSetForm::MusicFilter());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_musicPath->setText(dialog.selectedFiles().constFirst());
}

void TBgMusicForm::GoMusicModeClick()
{
    if (!m_musicSet) {
        m_musicSet = new TMusicSetForm(this);
        connect(m_musicSet, &TMusicSetForm::ListSaved, this, [this](const QStringList &paths) { m_randomList = paths; });
    }
    m_musicSet->SetList(m_randomList);
    m_musicSet->open();
}

void TBgMusicForm::BOKClick()
{
    if (!m_useBgMusic->isChecked()) {
        emit MusicChosen(QString(), {});
        accept();
        return;
    }
    if (m_pathMusic->isChecked()) {
        if (m_musicPath->text().isEmpty()) {
            ShowError(this, tr("参数有误"), tr("音乐地址不能为空！"));
            return;
        }
        WarnOfUnusableMusic({m_musicPath->text()});
        emit MusicChosen(kMusicPathType, {m_musicPath->text()});
    } else {
        if (m_randomList.isEmpty()) {
            ShowError(this, tr("参数有误"), tr("请设置随机音乐列表！"));
            return;
        }
        WarnOfUnusableMusic(m_randomList);
        emit MusicChosen(kMusicRandType, m_randomList);
    }
    accept();
}

void TBgMusicForm::WarnOfUnusableMusic(const QStringList &paths)
{
    const QStringList problems = BackgroundMusicProblems(paths);
    if (!problems.isEmpty())
        ShowWarning(this, UnusableMediaCaption(), problems.join(QLatin1Char('\n')));
}

void TBgMusicForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_background = QImage(size(), QImage::Format_RGB32);
    PaintGradient(DialogGradient, m_background);
}

void TBgMusicForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}
