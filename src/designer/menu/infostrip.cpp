#include "infostrip.h"

#include "apppaths.h"
#include "makerinfo.h"
#include "propertytemplates.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kTextLeft = 70;
constexpr int kFirstLine = 7;
constexpr int kSecondLine = 31;

void setElidedText(QLabel *label, const QString &text)
{
    label->setToolTip(text);
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
}
} // namespace

InfoStrip::InfoStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("InfoPanel"));
    InfoImg = new QLabel(this);
    InfoImg->setObjectName(QStringLiteral("InfoImg"));
    InfoImg->setGeometry(12, 5, 48, 48);
    InfoImg->setScaledContents(true);
    countPicture = QPixmap(InstalledDataPath(QStringLiteral("Img/ProjCount.png")));

    InfoProjCount = AddLabel("InfoProjCount");
    InfoVersion = AddLabel("InfoVersion");
    InfoVersion->setText(tr("软件版本：") + MakerInfo::SoftwareVersion);
    InfoQQGroup = AddLabel("InfoQQGroup");
    InfoQQGroup->setText(tr("用户交流QQ群：%1（点击复制）").arg(MakerInfo::QQGroupNumber));
    InfoBlog = AddLabel("InfoBlog");
    InfoBlog->setText(tr("官方微博：") + MakerInfo::BlogName);
    for (QLabel *link : {InfoQQGroup, InfoBlog}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QStringLiteral("color: #1d4fa3;"));
        link->installEventFilter(this);
    }

    InfoProjName = AddLabel("InfoProjName");
    QFont nameFont = InfoProjName->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(14);
    InfoProjName->setFont(nameFont);
    InfoProjAuthor = AddLabel("InfoProjAuthor");
    InfoProjRange = AddLabel("InfoProjRange");
    InfoProjMode = AddLabel("InfoProjMode");
    InfoProjType = AddLabel("InfoProjType");
    InfoProjRemarkLabel = AddLabel("InfoProjRemarkLabel");
    InfoProjRemarkLabel->setText(tr("备注："));
    InfoProjRemark = new QLineEdit(this);
    InfoProjRemark->setObjectName(QStringLiteral("InfoProjRemark"));
    InfoProjRemark->setReadOnly(true);
    InfoCreateTime = AddLabel("InfoCreateTime");
    InfoEditTime = AddLabel("InfoEditTime");
    ShowGeneralView(0);
}

QLabel *InfoStrip::AddLabel(const char *name)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

void InfoStrip::ShowGeneralView(int projectCount)
{
    projectView = false;
    InfoImg->setPixmap(countPicture);
    InfoProjCount->setText(tr("工程总数：%1个").arg(projectCount));
    for (QWidget *part : {InfoProjCount, InfoVersion, InfoQQGroup, InfoBlog})
        part->show();
    for (QWidget *part : std::initializer_list<QWidget *>{InfoProjName, InfoProjAuthor, InfoProjRange, InfoProjMode,
                                                          InfoProjType, InfoProjRemarkLabel, InfoProjRemark,
                                                          InfoCreateTime, InfoEditTime})
        part->hide();
}

void InfoStrip::ShowProjectView(const ProjectInfo &info)
{
    projectView = true;
    InfoImg->setPixmap(info.icon);
    setElidedText(InfoProjName, info.name);
    setElidedText(InfoProjAuthor, tr("作者：") + info.author);
    setElidedText(InfoProjRange, tr("应用领域：") + info.range);
    setElidedText(InfoProjMode, tr("生成模式：") + ShownPropertyWord(info.mode));
    setElidedText(InfoProjType, tr("工程类型：") + ShownPropertyWord(info.type));
    InfoProjRemark->setText(info.remark);
    InfoProjRemark->setCursorPosition(0);
    InfoCreateTime->setText(tr("创建时间：") + info.createTime);
    InfoEditTime->setText(tr("修改时间：") + info.editTime);
    for (QWidget *part : {InfoProjCount, InfoVersion, InfoQQGroup, InfoBlog})
        part->hide();
    for (QWidget *part : std::initializer_list<QWidget *>{InfoProjName, InfoProjAuthor, InfoProjRange, InfoProjMode,
                                                          InfoProjType, InfoProjRemarkLabel, InfoProjRemark,
                                                          InfoCreateTime, InfoEditTime})
        part->show();
}

void InfoStrip::Relayout(int clientWidth)
{
    const bool wide = clientWidth > 900;
    // The caption takes what its language needs, the remark field the rest.
    const int remarkLabelWidth =
        std::max(40, InfoProjRemarkLabel->fontMetrics().horizontalAdvance(InfoProjRemarkLabel->text()) + 2);
    const int remarkLeft = kTextLeft + remarkLabelWidth;
    const int remarkWidth = (wide ? clientWidth - 485 : clientWidth - 297) - (remarkLabelWidth - 40);
    const int middleLeft = remarkLeft + remarkWidth + 14;
    const int timesLeft = wide ? clientWidth - 205 : -200;

    InfoProjCount->setGeometry(kTextLeft, kFirstLine, 200, 20);
    InfoVersion->setGeometry(kTextLeft, kSecondLine, 200, 20);
    InfoQQGroup->setGeometry(kTextLeft + 210, kFirstLine, 300, 20);
    InfoBlog->setGeometry(kTextLeft + 210, kSecondLine, 300, 20);

    const int firstLineWidth = std::max(60, (middleLeft - kTextLeft) / 3 - 6);
    InfoProjName->setGeometry(kTextLeft, kFirstLine - 1, firstLineWidth, 22);
    InfoProjAuthor->setGeometry(kTextLeft + firstLineWidth + 8, kFirstLine, firstLineWidth, 20);
    InfoProjRange->setGeometry(kTextLeft + 2 * (firstLineWidth + 8), kFirstLine, firstLineWidth, 20);
    InfoProjRemarkLabel->setGeometry(kTextLeft, kSecondLine + 1, remarkLabelWidth, 20);
    InfoProjRemark->setGeometry(remarkLeft, kSecondLine, std::max(20, remarkWidth), 22);
    InfoProjMode->setGeometry(middleLeft, kFirstLine, 170, 20);
    InfoProjType->setGeometry(middleLeft, kSecondLine, 170, 20);
    InfoCreateTime->setGeometry(timesLeft, kFirstLine, 200, 20);
    InfoEditTime->setGeometry(timesLeft, kSecondLine, 200, 20);
}

void InfoStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(248, 250, 253));
    fill.setColorAt(1, QColor(221, 230, 242));
    painter.fillRect(rect(), fill);
    painter.setPen(QColor(150, 170, 200));
    painter.drawLine(0, 0, width(), 0);
}

void InfoStrip::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    emit Clicked();
}

bool InfoStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == InfoQQGroup)
            emit QQGroupClicked();
        else
            emit BlogClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
