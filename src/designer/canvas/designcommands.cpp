#include "designcommands.h"

#include "propertytemplates.h"

#include <QCoreApplication>

void DesignDocument::SetForm(const FormSection &form)
{
    m_form = form;
    emit Changed();
}

GeometryCommand::GeometryCommand(DesignDocument *document, Kind kind, const DesignObject &object,
                                 const Position &before, const Position &after)
    : QUndoCommand(kind == Kind::Move ? QCoreApplication::translate("DesignCommands", "移动") : QCoreApplication::translate("DesignCommands", "调整大小")), m_document(document),
      m_object(object), m_before(before), m_after(after)
{
}

void GeometryCommand::Apply(const Position &position)
{
    FormSection form = m_document->Form();
    if (Position *target = PositionOf(form, m_object)) {
        *target = position;
        m_document->SetForm(form);
    }
}

void GeometryCommand::undo()
{
    Apply(m_before);
}

void GeometryCommand::redo()
{
    Apply(m_after);
}

WindowCommand::WindowCommand(DesignDocument *document, const FormWindow &before, const FormWindow &after)
    : QUndoCommand(QCoreApplication::translate("DesignCommands", "窗口")), m_document(document), m_before(before), m_after(after)
{
}

void WindowCommand::Apply(const FormWindow &window)
{
    FormSection form = m_document->Form();
    form.window = window;
    m_document->SetForm(form);
}

void WindowCommand::undo()
{
    Apply(m_before);
}

void WindowCommand::redo()
{
    Apply(m_after);
}

bool WindowCommand::mergeWith(const QUndoCommand *other)
{
    m_after = static_cast<const WindowCommand *>(other)->m_after;
    return true;
}

PropertyCommand::PropertyCommand(DesignDocument *document, const DesignObject &object, const QString &key,
                                 bool typed, const FormSection &before, const FormSection &after)
    : QUndoCommand(QCoreApplication::translate("DesignCommands", "修改%1").arg(ShownPropertyWord(key))), m_document(document), m_object(object), m_key(key),
      m_typed(typed), m_before(before), m_after(after)
{
}

void PropertyCommand::undo()
{
    m_document->SetForm(m_before);
}

void PropertyCommand::redo()
{
    m_document->SetForm(m_after);
}

bool PropertyCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const PropertyCommand *>(other);
    if (!m_typed || !next->m_typed || next->m_object != m_object || next->m_key != m_key)
        return false;
    m_after = next->m_after;
    return true;
}

StructureCommand::StructureCommand(DesignDocument *document, const QString &text, const FormSection &before,
                                   const FormSection &after)
    : QUndoCommand(text), m_document(document), m_before(before), m_after(after)
{
}

void StructureCommand::undo()
{
    m_document->SetForm(m_before);
}

void StructureCommand::redo()
{
    m_document->SetForm(m_after);
}
