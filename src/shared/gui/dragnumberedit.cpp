#include "dragnumberedit.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cmath>
#include <limits>

int DragStepCounter::RegisterMove(int x)
{
    if (++moveCount < MovesPerStep)
        return 0;
    moveCount = 0;
    const int direction = x < lastStepX ? -1 : 1;
    lastStepX = x;
    return direction;
}

int DragStepCounter::RegisterMoveWithDirection(int direction)
{
    if (++moveCount < MovesPerStep)
        return 0;
    moveCount = 0;
    return direction;
}

QString StepCountText(const QString &text, int direction)
{
    const QString start = text.isEmpty() ? QStringLiteral("1") : text;
    bool ok = false;
    const qlonglong value = start.toLongLong(&ok);
    if (!ok)
        return text;
    if (direction > 0 && value < std::numeric_limits<qlonglong>::max())
        return QString::number(value + 1);
    if (direction < 0 && value > 1)
        return QString::number(value - 1);
    return start;
}

QString FormatPlainNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'f', 8);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString StepValueText(const QString &text, int direction, double precision)
{
    const QString start = text.isEmpty() ? QStringLiteral("0") : text;
    bool ok = false;
    const double value = start.toDouble(&ok);
    if (!ok || !std::isfinite(precision))
        return text;
    if (direction == 0)
        return start;
    return FormatPlainNumber(value + (direction > 0 ? precision : -precision));
}

void AllowOnlyCharacters(QLineEdit *edit, const QString &characters)
{
    const QString pattern = QStringLiteral("[%1]*").arg(QRegularExpression::escape(characters));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

DragNumberEdit::DragNumberEdit(Kind kind, DragStepCounter *counter, QWidget *parent)
    : QLineEdit(parent), kind(kind), counter(counter)
{
    setCursor(Qt::SizeHorCursor);
}

void DragNumberEdit::SetPrecisionSource(std::function<double()> source)
{
    precisionSource = std::move(source);
}

void DragNumberEdit::SetAxis(Axis newAxis)
{
    axis = newAxis;
}

void DragNumberEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        pressY = qRound(event->position().y());
    }
}

void DragNumberEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        dragging = false;
}

void DragNumberEdit::mouseMoveEvent(QMouseEvent *event)
{
    // The base class would select text while the button is held; a drag here changes
    // the number instead.
    if (!dragging || isReadOnly() || !counter) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    if (text().isEmpty())
        setText(kind == Kind::Count ? QStringLiteral("1") : QStringLiteral("0"));

    int direction = 0;
    if (axis == Axis::VerticalFromPress)
        direction = counter->RegisterMoveWithDirection(qRound(event->position().y()) < pressY ? -1 : 1);
    else if (axis == Axis::VerticalSinceLastStep)
        direction = counter->RegisterMove(qRound(event->position().y()));
    else
        direction = counter->RegisterMove(qRound(event->position().x()));
    if (direction == 0)
        return;

    const QString before = text();
    const QString after = kind == Kind::Count
        ? StepCountText(before, direction)
        : StepValueText(before, direction, precisionSource ? precisionSource() : 1.0);
    if (after != before) {
        setText(after);
        emit DragStepped();
    }
}
