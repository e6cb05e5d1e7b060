#include "CardProbe.h"

#include "ProbeTools.h"
#include "TabProbe.h"
#include "ViewReader.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>

using namespace ProbeTools;

namespace {

// The card's buttons that take effect later: Create opens a modal file dialog.
const QMap<QString, QString> kFooter{{"card-create", "Create"}, {"card-save", "Save"}, {"card-cancel", "Cancel"}};

QWidget* openCard(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->inherits("ProductCard") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

QList<QLineEdit*> noteFields(QWidget* card)
{
    QWidget* about = ViewReader::findByClass(card, "AboutSettings");
    return about ? about->findChildren<QLineEdit*>() : QList<QLineEdit*>();
}

QJsonObject snapshot(QWidget* card)
{
    if (!card)
        return QJsonObject{{QStringLiteral("open"), false}};
    QJsonArray notes, header, tabs;
    for (const QLineEdit* field : noteFields(card))
        notes.append(field->text());
    bool plainText = true;
    for (const QLabel* label : shown<QLabel>(card->findChild<QWidget*>(QStringLiteral("productCardTop")))) {
        if (label->text().isEmpty())
            continue;
        header.append(label->text());
        plainText = plainText && label->textFormat() == Qt::PlainText;
    }
    for (const QAbstractButton* button : shown<QAbstractButton>(card, "TabButton"))
        tabs.append(button->text());
    return QJsonObject{{QStringLiteral("open"), true}, {QStringLiteral("header"), header},
                       {QStringLiteral("plainText"), plainText}, {QStringLiteral("tabs"), tabs},
                       {QStringLiteral("notes"), notes}};
}

// Later, so that a modal dialog the click opens does not hold up the reply.
QJsonObject clickLater(QWidget* card, const QString& name)
{
    QAbstractButton* pressed = button(card, name);
    if (pressed)
        QTimer::singleShot(0, pressed, &QAbstractButton::click);
    return pressed ? ok() : failure(QStringLiteral("no button %1").arg(name));
}

QJsonObject openRow(QWidget* window, int row)
{
    QTableWidget* table = ViewReader::deviceTable(window);
    if (!table || row < 0 || row >= table->rowCount())
        return failure(QStringLiteral("no row %1").arg(row));
    emit table->cellClicked(row, 1);
    return ok();
}

QJsonObject answerSaveDialog(const QString& path)
{
    QFileDialog* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<QFileDialog*>(widget); candidate && candidate->isVisible())
            dialog = candidate;
    }
    if (!dialog)
        return failure(QStringLiteral("no file dialog"));
    const QJsonObject shown{{QStringLiteral("ok"), true},
                            {QStringLiteral("proposed"), dialog->selectedFiles().value(0)}};
    if (path.isEmpty()) {
        dialog->reject();
    } else {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    }
    return shown;
}

// The controls of every tab, tab by tab in the order they were built.
QList<TabProbe::Control> controls(QWidget* card)
{
    QList<TabProbe::Control> found;
    for (QWidget* tab : card ? card->findChildren<QWidget*>() : QList<QWidget*>()) {
        if (tab->inherits("SettingsTab"))
            found += TabProbe::controlsOf(tab);
    }
    return found;
}

// A click on a checked button of an exclusive group changes nothing.
bool editable(const TabProbe::Control& control)
{
    if (!control.widget->isEnabled() || !control.widget->isVisibleTo(control.tab))
        return false;
    if (auto* combo = qobject_cast<QComboBox*>(control.widget))
        return combo->count() > 1;
    if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
        const bool exclusive = button->group() ? button->group()->exclusive() : button->autoExclusive();
        return !(button->isChecked() && exclusive && control.kind != QLatin1String("check"));
    }
    return true;
}

QJsonObject listControls(QWidget* card)
{
    QJsonArray listed;
    for (const TabProbe::Control& control : controls(card)) {
        listed.append(QJsonObject{{QStringLiteral("tab"), QLatin1String(control.tab->metaObject()->className())},
                                  {QStringLiteral("current"), control.tab->isVisible()},
                                  {QStringLiteral("kind"), control.kind},
                                  {QStringLiteral("name"), control.name},
                                  {QStringLiteral("value"), control.value},
                                  {QStringLiteral("shown"), control.widget->isVisibleTo(control.tab)},
                                  {QStringLiteral("editable"), editable(control)}});
    }
    return QJsonObject{{QStringLiteral("controls"), listed}};
}

// The signals a user's change sends, in the order a real one sends them.
QJsonObject editControl(QWidget* card, int index)
{
    const TabProbe::Control control = controls(card).value(index);
    if (!control.widget || !editable(control))
        return failure(QStringLiteral("control %1 cannot be changed").arg(index));
    if (auto* combo = qobject_cast<QComboBox*>(control.widget)) {
        const int next = (combo->currentIndex() + 1) % combo->count();
        combo->setCurrentIndex(next);
        emit combo->activated(next);
    } else if (auto* slider = qobject_cast<QSlider*>(control.widget)) {
        slider->triggerAction(slider->value() < slider->maximum() ? QAbstractSlider::SliderPageStepAdd
                                                                  : QAbstractSlider::SliderPageStepSub);
    } else {
        static_cast<QAbstractButton*>(control.widget)->click();
    }
    return ok();
}

} // namespace

bool CardProbe::handle(QWidget* window, const QString& command, const QStringList& arguments, QJsonObject& answer)
{
    QWidget* card = openCard(window);
    if (TabProbe::handle(card, command, arguments, answer))
        return true;
    const QString text = arguments.join(QLatin1Char(' '));
    if (command == QLatin1String("card")) {
        answer = snapshot(card);
    } else if (kFooter.contains(command)) {
        // Qt's own file dialog, which the probe can answer; a desktop's may not be a widget at all.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        answer = clickLater(card, kFooter.value(command));
    } else if (command == QLatin1String("open-gallery")) {
        QWidget* gallery = ViewReader::findByClass(window, "VisibleDevicesWidget");
        answer = click(gallery ? gallery->findChild<QAbstractButton*>(QStringLiteral("setupButton")) : nullptr,
                       QStringLiteral("setupButton"));
    } else if (command == QLatin1String("open-row")) {
        answer = openRow(window, arguments.value(0).toInt());
    } else if (command == QLatin1String("card-type")) {
        QLineEdit* field = noteFields(card).value(arguments.value(0).toInt());
        if (field)
            TabProbe::type(field, arguments.mid(1).join(QLatin1Char(' ')));
        answer = field ? ok() : failure(QStringLiteral("no field ") + arguments.value(0));
    } else if (command == QLatin1String("answer-save-dialog")) {
        answer = answerSaveDialog(text);
    } else if (command == QLatin1String("controls")) {
        answer = listControls(card);
    } else if (command == QLatin1String("control-edit")) {
        answer = editControl(card, arguments.value(0).toInt());
    } else {
        return false;
    }
    return true;
}
