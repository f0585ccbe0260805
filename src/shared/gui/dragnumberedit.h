#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

// Number boxes that change while the left mouse button is held on them and the mouse
// moves: one step on every sixth move event. All drag boxes of one dialog share one
// DragStepCounter, so the count runs on when the user switches from box to box.

class DragStepCounter
{
public:
    static constexpr int MovesPerStep = 6;

    // Counts one move event at the given x. Returns 0 when this event makes no step,
    // otherwise -1 when x is left of the x of the previous step and +1 else (also for
    // a purely vertical move); the x is then remembered for the next step.
    int RegisterMove(int x);

    // Same counting, but the direction comes from the caller (for boxes whose
    // direction is not judged by x): returns 0 or the given direction.
    int RegisterMoveWithDirection(int direction);

    int MoveCount() const { return moveCount; }

private:
    int moveCount = 0;
    int lastStepX = 0;
};

// One step of a count box: an empty box starts at "1"; the value moves by one and never
// goes below 1. Text that is not a whole number is returned unchanged.
QString StepCountText(const QString &text, int direction);

// One step of a value box: an empty box starts at "0"; the value moves by `precision`
// and is shown with at most eight decimals ("0.########"). Text that is not a number
// is returned unchanged.
QString StepValueText(const QString &text, int direction, double precision);

// A number written with the picture "0.########": at least one integer digit, up to
// eight decimals, no trailing zeros, "." as separator, never "-0".
QString FormatPlainNumber(double value);

// Lets only the given characters into the box (typed or pasted); the rest are swallowed.
void AllowOnlyCharacters(QLineEdit *edit, const QString &characters);

class DragNumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum class Kind { Count, Value };
    // How a step's direction is judged: by x against the previous step (the usual
    // boxes), by y against the previous step (up = down), or by y against the press
    // point (above = down).
    enum class Axis { HorizontalSinceLastStep, VerticalSinceLastStep, VerticalFromPress };

    DragNumberEdit(Kind kind, DragStepCounter *counter, QWidget *parent = nullptr);

    // Value boxes step by what this returns at the moment of the step (for example the
    // dialog's precision box parsed as a number). Without a source they step by 1.
    void SetPrecisionSource(std::function<double()> source);
    void SetAxis(Axis axis);
    Kind BoxKind() const { return kind; }
    bool IsDragging() const { return dragging; }

signals:
    // Emitted after a drag changed the text.
    void DragStepped();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Kind kind;
    Axis axis = Axis::HorizontalSinceLastStep;
    DragStepCounter *counter;
    std::function<double()> precisionSource;
    bool dragging = false;
    int pressY = 0;
};
