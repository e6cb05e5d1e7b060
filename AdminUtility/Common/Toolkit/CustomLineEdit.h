#pragma once

#include <QLineEdit>

// A line edit that remembers its last committed text (the default text) and
// rolls back to it on Escape or when it is left with unacceptable input.
class CustomLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CustomLineEdit(QWidget* parent = nullptr);

    void setDefaultText(const QString& text);
    QString defaultText() const { return m_defaultText; }
    void discardEdits();
    // Empties the field and forgets the committed text.
    void clearText();
    bool isEdited() const { return m_edited; }

signals:
    // An edit was finished and its text differs from the committed one, which it now is.
    void editingFinishedWithNewText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextEdited();
    void onEditingFinished();

    QString m_defaultText;
    bool m_edited = false;
};
