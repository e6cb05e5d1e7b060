#pragma once

#include <QColor>
#include <QLineEdit>

// A text field of a main menu page: white outline, accent outline on focus,
// Return moves on to the next field.
class MainWindowDialogLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    enum StandardVerifier
    {
        NonEmpty = 0,
        IpAddress = 1
    };

    explicit MainWindowDialogLineEdit(QWidget* parent = nullptr);

    void build(QColor focusColour);
    void build();
    void setStandardVerifier(StandardVerifier verifier);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
