#include "ViewReader.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QTextDocument>
#include <QTableWidget>

namespace {

bool shown(const QWidget* widget, const QWidget* window)
{
    return widget && widget->isVisibleTo(window);
}

// The current device's summary: the outputs in their scrolled row, and the room they have.
QJsonObject summary(QWidget* summaryWidget)
{
    QJsonArray outputs;
    auto* area = summaryWidget->findChild<QScrollArea*>();
    QWidget* row = area ? area->widget() : nullptr;
    for (int index = 0; row && row->layout() && index < row->layout()->count(); ++index) {
        const QWidget* output = row->layout()->itemAt(index)->widget();
        outputs.append(QJsonObject{{"width", output ? output->width() : 0}});
    }
    return QJsonObject{{"outputs", outputs},
                       {"width", summaryWidget->width()},
                       {"outputArea", QJsonObject{{"width", area ? area->width() : 0}}}};
}

bool insideSummary(const QWidget* widget, const QWidget* gallery)
{
    for (; widget && widget != gallery; widget = widget->parentWidget()) {
        if (widget->inherits("VisibleMarlixSummaryWidget"))
            return true;
    }
    return false;
}

// A label as the user sees it: its text, whether markup in it would be
// interpreted, and the room it takes.
QJsonObject labelShown(const QLabel* label)
{
    if (!label)
        return QJsonObject();
    const bool markup = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    return QJsonObject{{"text", label->text()},
                       {"markup", markup},
                       {"width", label->width()},
                       {"heightHint", label->sizeHint().height()},
                       {"lineHeight", label->fontMetrics().height()}};
}

QJsonObject gallery(QWidget* window)
{
    QWidget* galleryWidget = ViewReader::findByClass(window, "VisibleDevicesWidget");
    if (!galleryWidget)
        return QJsonObject();
    QJsonArray texts;
    for (const QLabel* label : galleryWidget->findChildren<QLabel*>()) {
        if (shown(label, window) && !label->text().isEmpty() && !insideSummary(label, galleryWidget))
            texts.append(label->text());
    }
    QJsonObject result{{"visible", shown(galleryWidget, window)},
                       {"texts", texts},
                       {"name", labelShown(galleryWidget->findChild<QLabel*>("deviceName"))},
                       {"model", labelShown(galleryWidget->findChild<QLabel*>("modelName"))}};
    for (QWidget* candidate : galleryWidget->findChildren<QWidget*>()) {
        if (candidate->inherits("VisibleMarlixSummaryWidget") && shown(candidate, window))
            result.insert("summary", summary(candidate));
    }
    return result;
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

bool cellHasPicture(const QTableWidget* table, int row, int column)
{
    const QWidget* cell = table->cellWidget(row, column);
    const QLabel* picture = cell ? cell->findChild<QLabel*>() : nullptr;
    return picture && !picture->pixmap(Qt::ReturnByValue).isNull();
}

QJsonObject list(QWidget* window)
{
    QWidget* listView = ViewReader::findByClass(window, "MarlixVisibleDevicesListViewWidget");
    QTableWidget* table = ViewReader::deviceTable(window);
    if (!listView || !table)
        return QJsonObject();
    QJsonArray rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QWidget* keyCell = table->cellWidget(row, 5);
        rows.append(QJsonObject{{"label", cellText(table, row, 1)},
                                {"videoIn", cellText(table, row, 2)},
                                {"genlock", cellText(table, row, 4)},
                                {"picture", cellHasPicture(table, row, 0)},
                                {"setup", keyCell && keyCell->findChild<QAbstractButton*>() != nullptr}});
    }
    auto* area = listView->findChild<QScrollArea*>();
    return QJsonObject{{"visible", shown(listView, window)},
                       {"rows", rows},
                       {"areaWidth", area ? area->minimumWidth() : 0},
                       {"labelColumnWidth", table->columnWidth(1)}};
}

} // namespace

namespace ViewReader {

QWidget* findByClass(QWidget* root, const char* className)
{
    if (!root)
        return nullptr;
    if (root->inherits(className))
        return root;
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->inherits(className))
            return child;
    }
    return nullptr;
}

QTableWidget* deviceTable(QWidget* window)
{
    QWidget* listView = findByClass(window, "MarlixVisibleDevicesListViewWidget");
    if (!listView)
        return nullptr;
    // The list builds its rows when first shown; reading it behind the gallery builds them too.
    QMetaObject::invokeMethod(listView, "ensureBuilt");
    return listView->findChild<QTableWidget*>("deviceTable");
}

QJsonObject snapshot(QWidget* window)
{
    return QJsonObject{{"gallery", gallery(window)},
                       {"list", list(window)},
                       {"window", QJsonObject{{"width", window->width()},
                                              {"minimumWidth", window->minimumWidth()},
                                              {"screenWidth", window->screen()->availableGeometry().width()}}},
                       {"viewSwitchVisible", shown(findByClass(window, "ViewSelectionBar"), window)}};
}

} // namespace ViewReader
