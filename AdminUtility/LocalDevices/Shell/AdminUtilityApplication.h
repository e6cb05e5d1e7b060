#pragma once

#include <QApplication>

// The application object: installs the style without focus rectangles and
// keeps wheel events from scrolling controls behind an open popup.
class AdminUtilityApplication : public QApplication
{
    Q_OBJECT

public:
    AdminUtilityApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    static bool isSwallowedWheel(QObject* receiver);
};
