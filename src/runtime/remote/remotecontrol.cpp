#include "remotecontrol.h"

#include "fairnesscontroller.h"
#include "fairnessstore.h"
#include "messages.h"
#include "randform.h"
#include "remotedialog.h"
#include "remotesafety.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// A small phone: a rounded outline with a screen and a home dot.
QPixmap PhonePicture()
{
    QPixmap picture(14, 22);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawRoundedRect(QRectF(1, 1, 12, 20), 2.5, 2.5);
    painter.fillRect(QRectF(3.5, 4, 7, 11), QColor(255, 255, 255, 160));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(7, 18), 1, 1);
    return picture;
}

} // namespace

RemoteControl::RemoteControl(TRandForm &form, FairnessController *fairness)
    : QObject(&form), m_form(form), m_fairness(fairness), m_chooseAddress([] { return LocalNetworkAddress(); })
{
    setObjectName("RemoteControl");
    m_action = new QAction(tr("手机遥控…"), &form);
    m_action->setObjectName("Menu_Remote");
    form.ShortCutLabel->addSeparator();
    form.ShortCutLabel->addAction(m_action);
    connect(m_action, &QAction::triggered, this, &RemoteControl::OpenDialog);

    m_phoneSign = new QFrame(&form);
    m_phoneSign->setObjectName("RemotePhoneSign");
    m_phoneSign->setStyleSheet("#RemotePhoneSign { background: rgba(0, 0, 0, 120); border-radius: 6px; }"
                               "QLabel { color: white; }");
    auto *icon = new QLabel(m_phoneSign);
    icon->setPixmap(PhonePicture());
    m_phoneName = new QLabel(m_phoneSign);
    m_phoneName->setObjectName("RemotePhoneName");
    auto *layout = new QHBoxLayout(m_phoneSign);
    layout->setContentsMargins(6, 3, 8, 3);
    layout->setSpacing(5);
    layout->addWidget(icon);
    layout->addWidget(m_phoneName);
    m_phoneSign->hide();

    connect(&m_server, &RemoteServer::CommandReceived, this, &RemoteControl::Obey);
    connect(&m_server, &RemoteServer::DevicesChanged, this, &RemoteControl::ShowDevices);
    connect(&form.Session(), &DrawSession::StateChanged, this, &RemoteControl::PublishState);
    connect(&form, &TRandForm::DrawFinished, this,
            [this](const QStringList &results, const QStringList &, const QString &boxText) {
                m_results = boxText.isEmpty() ? results.join(m_form.ResultSeparator()) : boxText;
                PublishState();
            });
    // The phone offers the shown results for marks; a slot drawn again shows there as in
    // the result box.
    if (fairness) {
        connect(fairness, &FairnessController::ShownResultsChanged, this, [this] {
            if (m_form.RandBoxEdit)
                m_results = m_form.RandBoxEdit->text();
            else if (m_form.RandBoxLabel)
                m_results = m_form.RandBoxLabel->text();
            PublishState();
        });
    }
    // The port closes with the window, before anything of it is torn down.
    connect(&form, &TRandForm::Closing, this, &RemoteControl::Disable);
}

bool RemoteControl::Enable(const QHostAddress &address, QString *failure)
{
    if (!m_server.Start(address, failure))
        return false;
    m_allowed = true;
    PublishState();
    return true;
}

void RemoteControl::Disable()
{
    m_server.Stop();
    m_problem = tr("手机遥控已停止。再次选择“手机遥控…”可以重新开启（将使用新的二维码）。");
    RefreshDialog();
}

void RemoteControl::OpenDialog()
{
    if (!m_allowed) {
        const auto answer = AskYesNo(&m_form, tr("手机遥控"),
                                     tr("开启后，与本机在同一网络中、扫描了二维码的手机可以开始和停止抽取。\n"
                                        "本机将在局域网中打开一个端口，直到关闭抽取窗口或选择“停止遥控”。\n\n"
                                        "是否开启手机遥控？"));
        if (answer != QMessageBox::Yes)
            return;
        m_allowed = true;
    }
    if (!m_server.IsRunning()) {
        if (const std::optional<QHostAddress> address = m_chooseAddress())
            Enable(*address, &m_problem);
        else
            m_problem = tr("本机没有连接到局域网，找不到可供手机访问的地址。请连接网络（例如 Wi-Fi）后再试。");
    }
    if (!m_dialog) {
        m_dialog = new RemoteDialog(&m_form);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_dialog->AllowSeveralDevicesCheck->setChecked(m_server.SeveralDevicesAllowed());
        connect(m_dialog->AllowSeveralDevicesCheck, &QCheckBox::toggled, &m_server,
                &RemoteServer::SetSeveralDevicesAllowed);
        connect(m_dialog->StopRemoteButton, &QPushButton::clicked, this, &RemoteControl::Disable);
    }
    RefreshDialog();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

RemoteDialog *RemoteControl::Dialog() const
{
    return m_dialog;
}

void RemoteControl::RefreshDialog()
{
    if (!m_dialog)
        return;
    if (m_server.IsRunning())
        m_dialog->ShowPage(m_server.PageUrl());
    else
        m_dialog->ShowProblem(m_problem);
    m_dialog->ShowDevices(m_server.DeviceNames());
}

void RemoteControl::Obey(RemoteCommand command, int slot)
{
    // A command never answers a box the window is asking: the box waits for the person
    // at the computer, and a draw started beneath it would run into it.
    if (QApplication::activeModalWidget()) {
        m_server.TellDevices(tr("电脑上有对话框尚未关闭，请先在电脑上处理。"));
        return;
    }
    if (!m_form.isVisible()) {
        m_server.TellDevices(tr("抽取窗口已隐藏，请先在电脑上显示它。"));
        return;
    }
    // The session ignores a start while drawing and a stop while idle.
    switch (command) {
    case RemoteCommand::Start:
        m_form.Session().Start();
        break;
    case RemoteCommand::Stop:
        m_form.Session().Stop();
        break;
    case RemoteCommand::MarkAbsent:
        // The page offers only the shown slots; a draw since then has other results.
        if (!m_fairness || !m_fairness->MarkSlot(slot, kMarkAbsent))
            m_server.TellDevices(tr("无法标记缺席，请在电脑上查看。"));
        break;
    }
}

void RemoteControl::PublishState()
{
    if (!m_server.IsRunning())
        return;
    RemoteState state;
    state.title = m_form.TitleLabel->text().isEmpty() ? m_form.ProjectName() : m_form.TitleLabel->text();
    state.drawing = m_form.Session().InDraw();
    state.results = m_results;
    if (m_fairness && m_fairness->CanMark() && !state.drawing)
        state.markable = m_fairness->ShownResults();
    m_server.SetState(state);
}

void RemoteControl::ShowDevices(const QStringList &names)
{
    if (m_dialog)
        m_dialog->ShowDevices(names);
    m_phoneSign->setVisible(!names.isEmpty());
    if (names.isEmpty())
        return;
    m_phoneName->setText(names.join(tr("、", "between device names")));
    m_phoneSign->adjustSize();
    m_phoneSign->move(m_form.width() - m_phoneSign->width() - 8, 8);
    m_phoneSign->raise();
}

RemoteControl *AttachRemoteControl(TRandForm &form, FairnessController *fairness)
{
    return new RemoteControl(form, fairness);
}
