#include "propertyform.h"

#include "apppaths.h"
#include "describequery.h"
#include "domutil.h"
#include "encodedxml.h"
#include "gradient.h"
#include "messages.h"
#include "projectheader.h"
#include "projectpwdform.h"
#include "propertytemplates.h"
#include "querysection.h"
#include "suiteerror.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QPushButton *linkButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #0645ad; text-decoration: underline; border: none; }"
                                         "QPushButton:disabled { color: #8a8a8a; }"));
    return button;
}

QString randTypeText(const QDomDocument &document)
{
    const QDomElement query = FindChildElement(document.documentElement(), QStringLiteral("RandQuery"));
    return FindChildElement(query, QStringLiteral("Rand")).attribute(QStringLiteral("Type"));
}
} // namespace

TPropertyForm::TPropertyForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPropertyForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(408, 440);

    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->setGeometry(10, 10, 388, 378);
    Pages->addTab(BuildBasePage(), tr("基本属性"));
    Pages->addTab(BuildQueryPage(), tr("随机数参数"));

    BOK = new QPushButton(tr("确定"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BOK->setGeometry(226, 398, 82, 30);
    BCancel = new QPushButton(tr("取消"), this);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setGeometry(316, 398, 82, 30);

    PwdForm = new designer::TPwdForm(this);

    connect(BOK, &QPushButton::clicked, this, &TPropertyForm::GetPropertyInfo);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(PReadOnly, &QCheckBox::toggled, this, &TPropertyForm::PReadOnlyClick);
    connect(PAccessByPwd, &QCheckBox::toggled, this, &TPropertyForm::PAccessByPwdClick);
    connect(PEditWithPwd, &QCheckBox::toggled, this, &TPropertyForm::PEditWithPwdClick);
    connect(SetAccessPwd, &QPushButton::clicked, this,
            [this] { SetPassword(tr("请输入新的访问密码："), accessPwd); });
    connect(SetEditPwd, &QPushButton::clicked, this,
            [this] { SetPassword(tr("请输入新的编辑密码："), editPwd); });
}

QWidget *TPropertyForm::BuildBasePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("PBase"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(7);
    int row = 0;
    auto addRow = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, page);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setContentsMargins(0, 4, 0, 0);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    auto named = [](auto *widget, const char *name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };

    PTitle = named(new QLineEdit(page), "PTitle");
    addRow(tr("标题："), PTitle);
    PRemark = named(new QPlainTextEdit(page), "PRemark");
    PRemark->setFixedHeight(64);
    addRow(tr("备注："), PRemark);
    PAuthor = named(new QLineEdit(page), "PAuthor");
    addRow(tr("作者："), PAuthor);
    PType = named(new QLabel(page), "PType");
    addRow(tr("工程类型："), PType);
    PRange = named(new QLineEdit(page), "PRange");
    addRow(tr("应用领域："), PRange);
    PCreateTime = named(new QLabel(page), "PCreateTime");
    addRow(tr("创建时间："), PCreateTime);
    PEditTime = named(new QLabel(page), "PEditTime");
    addRow(tr("修改时间："), PEditTime);
    for (QLabel *shown : {PType, PCreateTime, PEditTime})
        shown->setContentsMargins(0, 4, 0, 0);

    auto *access = new QWidget(page);
    auto *accessRow = new QHBoxLayout(access);
    accessRow->setContentsMargins(0, 0, 0, 0);
    PAccessByPwd = named(new QCheckBox(tr("凭密码访问"), access), "PAccessByPwd");
    SetAccessPwd = linkButton(tr("更改访问密码"), QStringLiteral("SetAccessPwd"), access);
    accessRow->addWidget(PAccessByPwd);
    accessRow->addWidget(SetAccessPwd);
    accessRow->addStretch();
    addRow(tr("访问权限："), access);

    auto *edit = new QWidget(page);
    auto *editRows = new QGridLayout(edit);
    editRows->setContentsMargins(0, 0, 0, 0);
    PReadOnly = named(new QCheckBox(tr("只读"), edit), "PReadOnly");
    PEditWithPwd = named(new QCheckBox(tr("凭密码编辑"), edit), "PEditWithPwd");
    SetEditPwd = linkButton(tr("更改编辑密码"), QStringLiteral("SetEditPwd"), edit);
    editRows->addWidget(PReadOnly, 0, 0);
    editRows->addWidget(PEditWithPwd, 1, 0);
    editRows->addWidget(SetEditPwd, 1, 1);
    editRows->setColumnStretch(2, 1);
    addRow(tr("编辑权限："), edit);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget *TPropertyForm::BuildQueryPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("PRandQuery"));
    auto *layout = new QVBoxLayout(page);
    RandInfo = new QPlainTextEdit(page);
    RandInfo->setObjectName(QStringLiteral("RandInfo"));
    RandInfo->setReadOnly(true);
    layout->addWidget(RandInfo);
    return page;
}

void TPropertyForm::FillProperties(const CatalogueEntry &entry, const QDomDocument &document)
{
    projectName = entry.name;
    setWindowTitle(tr("%1 属性").arg(entry.name));
    PRemark->setPlainText(entry.remark);
    const ProjectHeader header = ReadProjectHeader(document);
    PTitle->setText(ReadProjectTitle(document));
    PAuthor->setText(header.author);
    PRange->setText(header.range);
    PCreateTime->setText(header.createTime);
    PEditTime->setText(header.editTime);
    PAccessByPwd->setChecked(header.accessByPwd);
    PReadOnly->setChecked(entry.readOnly);
    PEditWithPwd->setChecked(header.editWithPwd);
    accessPwd = header.accessByPwd ? header.accessPwd : QString();
    editPwd = header.editWithPwd ? header.editPwd : QString();

    PType->setText(ShownPropertyWord(randTypeText(document)));
    QStringList lines;
    try {
        const QuerySection query = ReadQuerySection(document);
        DescribeQuery(lines, query.params, query.pmode);
    } catch (const SuiteError &error) {
        lines = QStringList{tr("无法读取随机数参数："), error.message()};
    }
    RandInfo->setPlainText(lines.join(QLatin1Char('\n')));
    Pages->setCurrentIndex(0);
    // The toggled signals do not fire for a box that keeps its state.
    PReadOnlyClick();
    PAccessByPwdClick();
    PEditWithPwdClick();
}

void TPropertyForm::PReadOnlyClick()
{
    const bool locked = PReadOnly->isChecked();
    PTitle->setReadOnly(locked);
    PRemark->setReadOnly(locked);
    PRange->setReadOnly(locked);
    PAuthor->setReadOnly(locked);
    // A locked field looks locked: greyed like a disabled one, yet its text can be copied.
    const QPalette look = QApplication::palette();
    for (QWidget *field : {static_cast<QWidget *>(PTitle), static_cast<QWidget *>(PRemark),
                           static_cast<QWidget *>(PRange), static_cast<QWidget *>(PAuthor)}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, locked ? look.color(QPalette::Window) : look.color(QPalette::Base));
        palette.setColor(QPalette::Text, locked ? look.color(QPalette::Disabled, QPalette::Text) : look.color(QPalette::Text));
        field->setPalette(palette);
    }
}

void TPropertyForm::PAccessByPwdClick()
{
    SetAccessPwd->setEnabled(PAccessByPwd->isChecked());
}

void TPropertyForm::PEditWithPwdClick()
{
    SetEditPwd->setEnabled(PEditWithPwd->isChecked());
}

void TPropertyForm::SetPassword(const QString &prompt, QString &buffer)
{
    PwdForm->Ask(prompt, QString(), [this, &buffer] {
        if (PwdForm->Input().isEmpty()) {
            ShowError(PwdForm, tr("密码错误"), tr("密码不能为空！"));
            return;
        }
        buffer = PwdForm->Input();
        PwdForm->accept();
    });
}

bool TPropertyForm::GetPropertyInfo()
{
    bool failed = false;
    auto check = [&](bool bad, const QString &caption, const QString &text) {
        if (bad) {
            ShowError(this, caption, text);
            failed = true;
        }
    };
    check(PTitle->text().isEmpty(), tr("参数有误"), tr("工程标题不能为空！"));
    check(PAccessByPwd->isChecked() && accessPwd.isEmpty(), tr("请设置密码"),
          tr("请设置工程访问密码！"));
    check(PEditWithPwd->isChecked() && editPwd.isEmpty(), tr("请设置密码"),
          tr("请设置工程编辑密码！"));
    if (failed)
        return false;
    try {
        SaveDocument();
    } catch (const SuiteError &error) {
        ShowError(this, tr("保存失败"), error.message());
        return false;
    }
    emit Saved(PRemark->toPlainText(), PReadOnly->isChecked());
    accept();
    return true;
}

void TPropertyForm::SaveDocument()
{
    // Fresh from disk: the window may have been open while another program saved it.
    const QString path = ProjectFilePath(projectName);
    QDomDocument document = LoadEncodedDocument(path);
    ProjectHeader header = ReadProjectHeader(document);
    header.author = PAuthor->text();
    header.range = PRange->text();
    header.accessByPwd = PAccessByPwd->isChecked();
    header.editWithPwd = PEditWithPwd->isChecked();
    header.accessPwd = header.accessByPwd ? accessPwd : QString();
    header.editPwd = header.editWithPwd ? editPwd : QString();
    WriteProjectTitle(document, PTitle->text());
    WriteProjectProperties(document, header);
    SaveEncodedDocument(document, path);
}

void TPropertyForm::paintEvent(QPaintEvent *)
{
    if (background.size() != size()) {
        background = QImage(size(), QImage::Format_RGB32);
        background.fill(Qt::white);
        PaintGradient(DialogGradient, background);
    }
    QPainter(this).drawImage(0, 0, background);
}
