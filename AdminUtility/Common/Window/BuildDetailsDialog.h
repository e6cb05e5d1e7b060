#pragma once

#include <QDialog>
#include <QList>

class ProductFamily;
class QLabel;

// The hidden window with the program's build information and every
// family's software and firmware versions, one tab per family.
class BuildDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    BuildDetailsDialog(const QList<ProductFamily*>& families, QWidget* parent);

private:
    static QLabel* textBlock(const QString& text, Qt::TextFormat format);
    QWidget* createFamilyTabs(const QList<ProductFamily*>& families);
};
