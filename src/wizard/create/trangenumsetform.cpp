#include "trangenumsetform.h"

#include "dialogrows.h"
#include "yesno.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {
QComboBox *editableCombo(const QString &name, const QStringList &items, const QString &allowed, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    AllowOnlyCharacters(combo->lineEdit(), allowed);
    return combo;
}

bool parseFloat(const QString &text, float &value)
{
    bool ok = false;
    value = QLocale::c().toFloat(text, &ok);
    return ok && std::isfinite(value);
}
} // namespace

qint64 NumberGridSize(float min, float max, float pred)
{
    if (!(pred > 0.0f))
        return 0;
    const float steps = std::floor((max - min + pred) / pred);
    if (!(steps >= 1.0f))
        return 0;
    if (steps >= float(std::numeric_limits<qint64>::max()))
        return std::numeric_limits<qint64>::max();
    return qint64(steps);
}

TRangeNumSetForm::TRangeNumSetForm(QWidget *parent) : ModeDialog(parent, true)
{
    setObjectName(QStringLiteral("TRangeNumSetForm"));
    setWindowTitle(tr("数值范围模式 参数设置"));

    maxValue = new DragNumberEdit(DragNumberEdit::Kind::Value, DragCounter(), this);
    maxValue->setObjectName(QStringLiteral("MaxValue"));
    minValue = new DragNumberEdit(DragNumberEdit::Kind::Value, DragCounter(), this);
    minValue->setObjectName(QStringLiteral("MinValue"));
    for (DragNumberEdit *edit : {maxValue, minValue}) {
        AllowOnlyCharacters(edit, QStringLiteral("0123456789.-"));
        edit->SetPrecisionSource([this] { return CurrentPrecision(); });
    }
    predValue = editableCombo(QStringLiteral("PredValue"),
                              {QStringLiteral("1"), QStringLiteral("0.1"), QStringLiteral("0.01"),
                               QStringLiteral("0.001"), QStringLiteral("10"), QStringLiteral("100")},
                              QStringLiteral("0123456789."), this);
    formatValue = editableCombo(QStringLiteral("FormatValue"),
                                {QStringLiteral("#"), QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("000"),
                                 QStringLiteral("0000"), QStringLiteral("0.#"), QStringLiteral("0.##"),
                                 QStringLiteral("0.###"), QStringLiteral("0.0"), QStringLiteral("0.00"),
                                 QStringLiteral("0.000")},
                                QStringLiteral("#.0"), this);
    ranCountValue = MakeCountEdit(this, DragCounter(), QStringLiteral("RanCountValue"));
    repeatAllowed = new QCheckBox(tr("是否允许重复？"), this);
    repeatAllowed->setObjectName(QStringLiteral("RepeatAllowed"));

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(tr("最大值："), maxValue);
    form->addRow(tr("最小值："), minValue);
    form->addRow(tr("精确度："), predValue);
    form->addRow(tr("格式："), formatValue);
    form->addRow(tr("生成的随机数数量："), ranCountValue);
    form->addRow(QString(), repeatAllowed);

    QVBoxLayout *layout = MakeMainLayout();
    layout->addLayout(form);
    AddButtonRow(layout);

    LoadValues(QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("#"),
               QStringLiteral("5"), false);
    setMinimumWidth(340);
    adjustSize();
}

void TRangeNumSetForm::LoadValues(const QString &min, const QString &max, const QString &pred, const QString &format,
                                  const QString &count, bool repeat)
{
    minValue->setText(min);
    maxValue->setText(max);
    predValue->setEditText(pred);
    formatValue->setEditText(format);
    ranCountValue->setText(count);
    repeatAllowed->setChecked(repeat);
}

void TRangeNumSetForm::LoadProject(int pmode, const QueryParams &params)
{
    if (pmode != 1)
        return;
    LoadValues(params.value(1), params.value(2), params.value(3), params.value(4), params.value(5),
               params.value(6) == kYes);
}

QueryParams TRangeNumSetForm::EncodeProject(int pmode, const QueryParams &current) const
{
    if (pmode != 1)
        return current;
    return {ProjectTypeAt(1).mode,  minValue->text(),      maxValue->text(), predValue->currentText(),
            formatValue->currentText(), ranCountValue->text(), YesNoText(repeatAllowed->isChecked())};
}

void TRangeNumSetForm::LoadGroupQuery(const QString &groupQuery)
{
    const QStringList f = SplitGroupFields(groupQuery);
    LoadValues(f.value(0), f.value(1), f.value(2), f.value(3), f.value(5), f.value(4) == kYes);
}

QString TRangeNumSetForm::EncodeGroupQuery() const
{
    return QStringList{minValue->text(), maxValue->text(), predValue->currentText(), formatValue->currentText(),
                       YesNoText(repeatAllowed->isChecked()), ranCountValue->text()}
        .join(QStringLiteral("||"));
}

bool TRangeNumSetForm::RepeatsAllowed() const
{
    return repeatAllowed->isChecked();
}

double TRangeNumSetForm::CurrentPrecision() const
{
    bool ok = false;
    const double precision = QLocale::c().toDouble(predValue->currentText(), &ok);
    return ok ? precision : 0.0;
}

bool TRangeNumSetForm::ValidateInput()
{
    if (maxValue->text().isEmpty() || minValue->text().isEmpty() || predValue->currentText().isEmpty()
        || formatValue->currentText().isEmpty() || ranCountValue->text().isEmpty()) {
        ShowParameterError(tr("相关参数不能为空，请填写完整！"));
        return false;
    }
    float max = 0, min = 0, pred = 0;
    if (!parseFloat(maxValue->text(), max) || !parseFloat(minValue->text(), min)
        || !parseFloat(predValue->currentText(), pred)) {
        ShowParameterError(tr("最大值、最小值和精确度必须是有效的数字，请重新填写！"));
        return false;
    }
    bool countOk = false;
    const int count = ranCountValue->text().toInt(&countOk);
    if (!countOk || count < 1) {
        ShowParameterError(tr("生成的随机数数量必须是不小于1的整数，请重新填写！"));
        return false;
    }
    if (max < min) {
        ShowParameterError(tr("最大值不能小于最小值！"));
        return false;
    }
    const qint64 gridSize = NumberGridSize(min, max, pred);
    if (gridSize == 0) {
        ShowParameterError(tr("当前精确度下无法生成随机数，请重新设置相关参数！"));
        return false;
    }
    if (!repeatAllowed->isChecked() && gridSize < count) {
        ShowParameterError(tr("在不允许重复的情况下，生成的随机数数量大于可生成的随机数数量，"
                                          "请重新设置相关参数！"));
        return false;
    }
    possibleCount = gridSize;
    wantedCount = count;
    return true;
}
