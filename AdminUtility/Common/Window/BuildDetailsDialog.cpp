#include "BuildDetailsDialog.h"

#include "BuildInformation.h"
#include "ProductFamily.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

BuildDetailsDialog::BuildDetailsDialog(const QList<ProductFamily*>& families, QWidget* parent)
    : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textBlock(BuildInformation::text(), Qt::PlainText));
    layout->addWidget(createFamilyTabs(families), 1);
}

QLabel* BuildDetailsDialog::textBlock(const QString& text, Qt::TextFormat format)
{
    auto* label = new QLabel(text);
    QFont font(QStringLiteral("Menlo"));
    font.setStyleHint(QFont::Monospace);
    label->setFont(font);
    label->setTextFormat(format);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

QWidget* BuildDetailsDialog::createFamilyTabs(const QList<ProductFamily*>& families)
{
    auto* tabs = new QTabWidget(this);
    for (ProductFamily* family : families) {
        auto* scroll = new QScrollArea(tabs);
        scroll->setWidgetResizable(true);
        scroll->setWidget(textBlock(family->getBuildInfo(), Qt::RichText));
        tabs->addTab(scroll, family->getName());
    }
    return tabs;
}
