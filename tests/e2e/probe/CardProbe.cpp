#include "CardProbe.h"

#include "TabProbe.h"
#include "ViewReader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFrame>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <ctime>

namespace {

QJsonObject failure(const QString& reason)
{
    return QJsonObject{{"error", reason}};
}

QJsonObject ok()
{
    return QJsonObject{{"ok", true}};
}

QWidget* aboutTab(QWidget* window)
{
    QWidget* open = CardProbe::openCard(window);
    return open ? ViewReader::findByClass(open, "AboutSettings") : nullptr;
}

QList<QLineEdit*> noteFields(QWidget* window)
{
    QWidget* about = aboutTab(window);
    return about ? about->findChildren<QLineEdit*>() : QList<QLineEdit*>();
}

QPushButton* buttonNamed(QWidget* root, const QString& text)
{
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        if (button->text() == text && button->isVisible())
            return button;
    }
    return nullptr;
}

QJsonArray tabTitles(QWidget* open)
{
    QJsonArray titles;
    for (const QAbstractButton* button : open->findChildren<QAbstractButton*>()) {
        if (button->inherits("TabButton"))
            titles.append(button->text());
    }
    return titles;
}

QJsonObject snapshot(QWidget* window)
{
    QWidget* open = CardProbe::openCard(window);
    if (!open)
        return QJsonObject{{"open", false}};
    QJsonArray notes;
    for (const QLineEdit* field : noteFields(window))
        notes.append(field->text());
    QWidget* header = open->findChild<QWidget*>(QStringLiteral("productCardTop"));
    QJsonArray headerTexts;
    bool plainText = true;
    for (const QLabel* label : header ? header->findChildren<QLabel*>() : QList<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        headerTexts.append(label->text());
        plainText = plainText && label->textFormat() == Qt::PlainText;
    }
    return QJsonObject{{"open", true},
                       {"header", headerTexts},
                       {"plainText", plainText},
                       {"tabs", tabTitles(open)},
                       {"notes", notes},
                       {"about", aboutTab(window) != nullptr}};
}

QJsonObject type(QWidget* window, int index, const QString& text)
{
    const QList<QLineEdit*> fields = noteFields(window);
    if (index < 0 || index >= fields.size())
        return failure(QStringLiteral("no field %1").arg(index));
    TabProbe::type(fields.at(index), text);
    return ok();
}

// Later, so that a modal dialog the click opens does not hold up the reply.
QJsonObject clickLater(QAbstractButton* button, const QString& name)
{
    if (!button)
        return failure(QStringLiteral("no button %1").arg(name));
    QTimer::singleShot(0, button, &QAbstractButton::click);
    return ok();
}

QAbstractButton* setupButton(QWidget* window)
{
    QWidget* gallery = ViewReader::findByClass(window, "VisibleDevicesWidget");
    return gallery ? gallery->findChild<QAbstractButton*>(QStringLiteral("setupButton")) : nullptr;
}

QTableWidget* tableWithRow(QWidget* window, int row)
{
    QTableWidget* table = ViewReader::deviceTable(window);
    return table && row >= 0 && row < table->rowCount() ? table : nullptr;
}

QJsonObject openRow(QWidget* window, int row)
{
    QTableWidget* table = tableWithRow(window, row);
    if (!table)
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
    const QJsonObject shown{{"ok", true},
                            {"title", dialog->windowTitle()},
                            {"proposed", dialog->selectedFiles().value(0)},
                            {"filters", dialog->nameFilters().join(QLatin1String(";;"))}};
    if (path.isEmpty()) {
        dialog->reject();
    } else {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    }
    return shown;
}

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Waits for the first paint of a widget that matches, from the moment it is made.
class PaintWaiter : public QObject
{
public:
    using Match = std::function<bool(const QWidget*)>;
    using Done = std::function<void(qint64 elapsedNs)>;

    PaintWaiter(Match match, Done done)
        : m_match(std::move(match)), m_done(std::move(done)), m_start(monotonicNs())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && m_match(static_cast<QWidget*>(watched))) {
            const qint64 elapsed = monotonicNs() - m_start;
            qApp->removeEventFilter(this);
            m_done(elapsed);
            deleteLater();
        }
        return false;
    }

private:
    Match m_match;
    Done m_done;
    qint64 m_start;
};

bool insideSettingsTab(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->inherits("SettingsTab"))
            return true;
    }
    return false;
}

// From the click on the gallery's setup button, or on a row of the list, to the first
// paint of a settings tab of the card (every tab is built inside the click).
bool timeCardOpening(QWidget* window, const QStringList& arguments,
                     const std::function<void(const QJsonObject&)>& replyLater)
{
    QAbstractButton* setup = setupButton(window);
    const int row = arguments.value(0).toInt();
    if (arguments.isEmpty() ? !setup : !tableWithRow(window, row))
        return false;
    new PaintWaiter(insideSettingsTab, [replyLater](qint64 ns) { replyLater(QJsonObject{{"ns", ns}}); });
    if (arguments.isEmpty())
        setup->click();
    else
        openRow(window, row);
    return true;
}

// The floor: a plain white panel of the card's size laid over the window, to its first paint.
void timePlainPanel(QWidget* window, const std::function<void(const QJsonObject&)>& replyLater)
{
    auto* panel = new QFrame(window);
    panel->setStyleSheet(QStringLiteral("background: white;"));
    panel->setGeometry(window->rect());
    new PaintWaiter([panel](const QWidget* widget) { return widget == panel; },
                    [panel, replyLater](qint64 ns) {
                        panel->deleteLater();
                        replyLater(QJsonObject{{"ns", ns}});
                    });
    panel->show();
}


} // namespace

namespace CardProbe
{

QWidget* openCard(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->inherits("ProductCard") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

bool handle(QWidget* window, const QString& command, const QStringList& arguments, QJsonObject& answer,
            const std::function<void(const QJsonObject&)>& replyLater)
{
    QWidget* open = openCard(window);
    if (TabProbe::handle(open, command, arguments, answer))
        return true;
    if (command == QLatin1String("settle")) {
        // Posted events are handled in order: this answer follows every one
        // posted before the command, such as the notifications of a storm.
        QMetaObject::invokeMethod(window, [replyLater] { replyLater(ok()); }, Qt::QueuedConnection);
        return true;
    }
    if (command == QLatin1String("time-card")) {
        if (!timeCardOpening(window, arguments, replyLater))
            answer = failure(QStringLiteral("no setup button or no such row"));
        return true;
    }
    if (command == QLatin1String("time-panel")) {
        timePlainPanel(window, replyLater);
        return true;
    }
    if (command == QLatin1String("card"))
        answer = snapshot(window);
    else if (command == QLatin1String("card-create")) {
        // Qt's own file dialog, which the probe can answer; a desktop's may not be a widget at all.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        answer = clickLater(open ? buttonNamed(open, QStringLiteral("Create")) : nullptr, command);
    }
    else if (command == QLatin1String("open-gallery"))
        answer = clickLater(setupButton(window), QStringLiteral("setupButton"));
    else if (command == QLatin1String("open-row"))
        answer = openRow(window, arguments.value(0).toInt());
    else if (command == QLatin1String("card-type"))
        answer = type(window, arguments.value(0).toInt(), arguments.mid(1).join(QLatin1Char(' ')));
    else if (command == QLatin1String("card-save") || command == QLatin1String("card-cancel"))
        answer = clickLater(open ? buttonNamed(open, command == QLatin1String("card-save") ? "Save" : "Cancel")
                                 : nullptr,
                            command);
    else if (command == QLatin1String("answer-save-dialog"))
        answer = answerSaveDialog(arguments.join(QLatin1Char(' ')));
    else
        return false;
    return true;
}

}
