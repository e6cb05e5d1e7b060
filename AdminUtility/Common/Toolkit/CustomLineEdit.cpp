#include "CustomLineEdit.h"

#include <QKeyEvent>

CustomLineEdit::CustomLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &CustomLineEdit::onTextEdited);
    connect(this, &QLineEdit::editingFinished, this, &CustomLineEdit::onEditingFinished);
}

void CustomLineEdit::setDefaultText(const QString& text)
{
    m_defaultText = text;
    discardEdits();
}

void CustomLineEdit::discardEdits()
{
    setText(m_defaultText);
    m_edited = false;
}

void CustomLineEdit::clearText()
{
    setDefaultText(QString());
}

void CustomLineEdit::onTextEdited()
{
    m_edited = true;
}

void CustomLineEdit::onEditingFinished()
{
    m_edited = false;
    if (text() == m_defaultText)
        return;
    m_defaultText = text();
    emit editingFinishedWithNewText();
}

void CustomLineEdit::keyPressEvent(QKeyEvent* event)
{
    // Escape that rolls something back ends there; in an untouched field it
    // goes on to the parent, so that a dialog still closes.
    if (event->key() == Qt::Key_Escape)
    {
        const bool rollsBack = m_edited || text() != m_defaultText;
        discardEdits();
        if (rollsBack)
        {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CustomLineEdit::focusOutEvent(QFocusEvent* event)
{
    if (!hasAcceptableInput())
        discardEdits();
    QLineEdit::focusOutEvent(event);
}
