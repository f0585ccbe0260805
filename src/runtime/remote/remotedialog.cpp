#include "remotedialog.h"

#include "qrcodeimage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kModulePixels = 6;

} // namespace

RemoteDialog::RemoteDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName("RemoteDialog");
    setWindowTitle(tr("手机遥控"));

    auto *intro = new QLabel(tr("用手机扫描二维码，即可在手机上开始和停止抽取。"), this);
    intro->setWordWrap(true);
    QrCodeLabel = new QLabel(this);
    QrCodeLabel->setObjectName("QrCodeLabel");
    QrCodeLabel->setAlignment(Qt::AlignCenter);
    RemoteAddressLabel = new QLabel(this);
    RemoteAddressLabel->setObjectName("RemoteAddressLabel");
    RemoteAddressLabel->setAlignment(Qt::AlignCenter);
    RemoteAddressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont addressFont = RemoteAddressLabel->font();
    addressFont.setBold(true);
    RemoteAddressLabel->setFont(addressFont);
    SameNetworkLabel = new QLabel(tr("手机和电脑必须连接在同一个网络（例如同一个 Wi-Fi）中。"), this);
    SameNetworkLabel->setObjectName("SameNetworkLabel");
    SameNetworkLabel->setWordWrap(true);
    RemoteDevicesLabel = new QLabel(this);
    RemoteDevicesLabel->setObjectName("RemoteDevicesLabel");
    RemoteDevicesLabel->setWordWrap(true);
    AllowSeveralDevicesCheck = new QCheckBox(tr("允许多台设备同时遥控"), this);
    AllowSeveralDevicesCheck->setObjectName("AllowSeveralDevicesCheck");
    StopRemoteButton = new QPushButton(tr("停止遥控"), this);
    StopRemoteButton->setObjectName("StopRemoteButton");
    CloseButton = new QPushButton(tr("关闭"), this);
    CloseButton->setObjectName("CloseButton");
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StopRemoteButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(QrCodeLabel);
    layout->addWidget(RemoteAddressLabel);
    layout->addWidget(SameNetworkLabel);
    layout->addWidget(RemoteDevicesLabel);
    layout->addWidget(AllowSeveralDevicesCheck);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

void RemoteDialog::ShowPage(const QUrl &page)
{
    const QByteArray address = page.toEncoded();
    QrCodeLabel->setPixmap(QPixmap::fromImage(QrCodeImage(address, kModulePixels)));
    QrCodeLabel->show();
    RemoteAddressLabel->setWordWrap(false);
    RemoteAddressLabel->setText(QString::fromLatin1(address));
    SameNetworkLabel->show();
    RemoteDevicesLabel->show();
    AllowSeveralDevicesCheck->setEnabled(true);
    StopRemoteButton->setEnabled(true);
}

void RemoteDialog::ShowProblem(const QString &reason)
{
    // A reason is a sentence or two; an address is one line.
    RemoteAddressLabel->setWordWrap(true);
    QrCodeLabel->clear();
    QrCodeLabel->hide();
    RemoteAddressLabel->setText(reason);
    SameNetworkLabel->hide();
    RemoteDevicesLabel->hide();
    AllowSeveralDevicesCheck->setEnabled(false);
    StopRemoteButton->setEnabled(false);
}

void RemoteDialog::ShowDevices(const QStringList &names)
{
    RemoteDevicesLabel->setText(names.isEmpty() ? tr("尚无手机连接。")
                                                : tr("正在遥控：%1").arg(names.join(tr("、", "between device names"))));
}
