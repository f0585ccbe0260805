#pragma once

#include "designobject.h"

#include <QObject>
#include <QUndoCommand>

// The design being edited: the window's display section. Every change goes through an
// undo command that sets it; Changed tells the canvas to show it again.
class DesignDocument : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    const FormSection &Form() const { return m_form; }
    void SetForm(const FormSection &form);

signals:
    void Changed();

private:
    FormSection m_form;
};

// A move or resize of an object: its position block before and after the drag.
class GeometryCommand : public QUndoCommand
{
public:
    enum class Kind { Move, Resize };
    GeometryCommand(DesignDocument *document, Kind kind, const DesignObject &object, const Position &before,
                    const Position &after);
    void undo() override;
    void redo() override;

private:
    void Apply(const Position &position);
    DesignDocument *m_document;
    DesignObject m_object;
    Position m_before;
    Position m_after;
};

// A change of the window itself (its size, place or alignment). Successive changes of
// one resize or drag merge into one step.
class WindowCommand : public QUndoCommand
{
public:
    WindowCommand(DesignDocument *document, const FormWindow &before, const FormWindow &after);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void Apply(const FormWindow &window);
    DesignDocument *m_document;
    FormWindow m_before;
    FormWindow m_after;
};

// A property set in the value editor or through a dialog. Keystrokes typed into one
// row of one object (`typed`) merge into one step.
class PropertyCommand : public QUndoCommand
{
public:
    PropertyCommand(DesignDocument *document, const DesignObject &object, const QString &key, bool typed,
                    const FormSection &before, const FormSection &after);
    void undo() override;
    void redo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    DesignDocument *m_document;
    DesignObject m_object;
    QString m_key;
    bool m_typed;
    FormSection m_before;
    FormSection m_after;
};

// Objects added, removed or exchanged from the menus: remarks, result and record box,
// draw button, picture name, draw key.
class StructureCommand : public QUndoCommand
{
public:
    StructureCommand(DesignDocument *document, const QString &text, const FormSection &before,
                     const FormSection &after);
    void undo() override;
    void redo() override;

private:
    DesignDocument *m_document;
    FormSection m_before;
    FormSection m_after;
};
