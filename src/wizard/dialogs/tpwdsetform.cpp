#include "tpwdsetform.h"

#include "dialogrows.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <iterator>

namespace {
// The option names as the project stores them, in the stored order.
const char *const kOptionNames[] = {QT_TRANSLATE_NOOP("TPwdSetForm", "小写字母"), QT_TRANSLATE_NOOP("TPwdSetForm", "大写字母"),
                                    QT_TRANSLATE_NOOP("TPwdSetForm", "数字"), QT_TRANSLATE_NOOP("TPwdSetForm", "特殊符号")};
} // namespace

TPwdSetForm::TPwdSetForm(QWidget *parent) : ModeDialog(parent, true)
{
    setObjectName(QStringLiteral("TPwdSetForm"));
    setWindowTitle(tr("密码模式 参数设置"));

    auto *options = new QGroupBox(tr("密码选项："), this);
    auto *optionGrid = new QGridLayout(options);
    const QStringList objectNames{QStringLiteral("PwdLower"), QStringLiteral("PwdUpper"), QStringLiteral("PwdNum"),
                                  QStringLiteral("PwdSymbol")};
    for (int i = 0; i < int(std::size(kOptionNames)); ++i) {
        auto *box = new QCheckBox(tr(kOptionNames[i]), options);
        box->setObjectName(objectNames.at(i));
        optionGrid->addWidget(box, i / 2, i % 2);
        optionBoxes << box;
    }

    pwLengthValue = MakeCountEdit(this, DragCounter(), QStringLiteral("PwLengthValue"));
    ranCountValue = MakeCountEdit(this, DragCounter(), QStringLiteral("RanCountValue"));

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(tr("密码长度："), pwLengthValue);
    form->addRow(tr("随机数数量："), ranCountValue);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addWidget(options);
    layout->addLayout(form);
    AddButtonRow(layout);

    LoadValues(QStringLiteral("5"), QString(), QStringLiteral("5"));
    setMinimumWidth(320);
    adjustSize();
}

void TPwdSetForm::LoadValues(const QString &length, const QString &options, const QString &count)
{
    const QStringList chosen = SplitText(options, QStringLiteral("|"));
    for (int i = 0; i < optionBoxes.size(); ++i)
        optionBoxes.at(i)->setChecked(chosen.contains(QString::fromUtf8(kOptionNames[i])));
    pwLengthValue->setText(length);
    ranCountValue->setText(count);
}

void TPwdSetForm::LoadProject(int pmode, const QueryParams &params)
{
    if (pmode == 6)
        LoadValues(params.value(1), params.value(2), params.value(3));
}

QueryParams TPwdSetForm::EncodeProject(int pmode, const QueryParams &current) const
{
    if (pmode != 6)
        return current;
    return {ProjectTypeAt(6).mode, pwLengthValue->text(), EncodeOptions(), ranCountValue->text()};
}

void TPwdSetForm::LoadGroupQuery(const QString &groupQuery)
{
    const QStringList f = SplitGroupFields(groupQuery);
    LoadValues(f.value(0), f.value(1), f.value(2));
}

QString TPwdSetForm::EncodeGroupQuery() const
{
    return QStringList{pwLengthValue->text(), EncodeOptions(), ranCountValue->text()}.join(QStringLiteral("||"));
}

QString TPwdSetForm::EncodeOptions() const
{
    QStringList chosen;
    for (int i = 0; i < optionBoxes.size(); ++i)
        if (optionBoxes.at(i)->isChecked())
            chosen << QString::fromUtf8(kOptionNames[i]);
    return chosen.join(QLatin1Char('|'));
}

bool TPwdSetForm::ValidateInput()
{
    bool valid = true;
    if (pwLengthValue->text().isEmpty() || ranCountValue->text().isEmpty()) {
        ShowParameterError(tr("相关参数不能为空，请填写完整！"));
        valid = false;
    }
    if (EncodeOptions().isEmpty()) {
        ShowParameterError(tr("至少应勾选一个密码选项！"));
        valid = false;
    }
    // A length of 0 gives only empty, equal passwords: more than one of them can never
    // be told apart, so the draw could not finish.
    if (valid && pwLengthValue->text().toLongLong() < 1) {
        ShowParameterError(tr("密码长度不能为0，请重新设置！"));
        valid = false;
    }
    if (valid && ranCountValue->text().toLongLong() < 1) {
        ShowParameterError(tr("随机数数量不能为0，请重新设置！"));
        valid = false;
    }
    return valid;
}
