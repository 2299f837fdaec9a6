// The driving steps: what the operator does with the mouse and keyboard.
// A step on a window that is not the active one activates it first, as the
// operator's click on it would.

#include "controls.h"
#include "scenario.h"
#include "step.h"
#include "stepfailure.h"
#include "steps.h"
#include "textcompare.h"

#include "app/app.h"
#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

// The control of a shown window, with that window made the active one.
QWidget* reach(Scenario& scenario, const QString& reference, OstraleWindow** window)
{
    QWidget* control = scenario.control(reference, window);
    if (!(*window)->isVisible())
        throw StepFailure {
            QStringLiteral("expected window %1 shown, found it hidden").arg((*window)->objectName())
        };
    scenario.bringForward(*window);
    return control;
}

// As reach(), and the operator moves into the control, which must be usable.
QWidget* enter(Scenario& scenario, const QString& reference, OstraleWindow** window)
{
    QWidget* control = reach(scenario, reference, window);
    Controls::requireUsable(control, reference);
    scenario.focus(*window, control);
    return control;
}

// An entry the operator can reach: it and every menu holding it enabled.
void requireReachable(QAction* entry, const QString& name)
{
    if (!entry->isEnabled() || !entry->isVisible())
        throw StepFailure { QStringLiteral("expected menu entry %1 enabled, found it %2")
                                .arg(name,
                                    entry->isVisible() ? QStringLiteral("disabled")
                                                       : QStringLiteral("hidden")) };
    for (QObject* holder : entry->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(holder))
            requireReachable(
                menu->menuAction(), menu->objectName().isEmpty() ? name : menu->objectName());
}

QAbstractItemView* itemView(QWidget* control)
{
    auto* view = qobject_cast<QAbstractItemView*>(control);
    if (!view || !view->model())
        throw StepFailure {
            QStringLiteral("expected a list box or grid, found %1").arg(Controls::describe(control))
        };
    return view;
}

void startStep(Scenario& scenario, const Step&)
{
    if (scenario.isStarted())
        throw StepFailure { QStringLiteral("the program has already been started") };
    scenario.setStarted();
    scenario.app().start();
}

void menuStep(Scenario& scenario, const Step& step)
{
    MainWindow* main = scenario.mainWindow();
    if (!main->isVisible())
        throw StepFailure { QStringLiteral("expected the main window shown, found it hidden") };
    scenario.bringForward(main);
    QAction* entry = main->menuEntry(step.args[0]);
    if (!entry)
        throw StepFailure { QStringLiteral("the menu has no entry named %1").arg(step.args[0]) };
    if (entry->menu())
        throw StepFailure {
            QStringLiteral("%1 opens a submenu; choose one of its commands").arg(step.args[0])
        };
    requireReachable(entry, step.args[0]);
    entry->trigger();
}

void setStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QWidget* control = reach(scenario, step.args[0], &window);
    Controls::setText(control, step.args[1]);
}

void typeStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QWidget* control = enter(scenario, step.args[0], &window);
    Controls::type(control, step.args[1]);
}

// A key the operator, or a barcode reader after its code, presses in the
// control: the key events reach the control as the keyboard's would.
void pressStep(Scenario& scenario, const Step& step)
{
    static const QHash<QString, Qt::Key> keys {
        { QStringLiteral("Enter"), Qt::Key_Return },
        { QStringLiteral("Tab"), Qt::Key_Tab },
        { QStringLiteral("Escape"), Qt::Key_Escape },
    };
    const auto key = keys.constFind(step.args[1]);
    if (key == keys.cend())
        throw StepFailure {
            QStringLiteral("expected a key Enter, Tab or Escape, found %1").arg(step.args[1])
        };
    OstraleWindow* window = nullptr;
    QWidget* control = enter(scenario, step.args[0], &window);
    // An editable combo takes its keys in its text box.
    QWidget* target = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        target = combo->lineEdit();
    QTest::keyClick(target, key.value());
    Scenario::settle();
}

void clickStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QWidget* control = scenario.control(step.args[0], &window);
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button)
        throw StepFailure {
            QStringLiteral("expected a button, found %1").arg(Controls::describe(control))
        };
    enter(scenario, step.args[0], &window);
    button->click();
}

void chooseStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QWidget* control = scenario.control(step.args[0], &window);
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo)
        throw StepFailure {
            QStringLiteral("expected a combo box, found %1").arg(Controls::describe(control))
        };
    int found = -1;
    QStringList items;
    for (int i = 0; i < combo->count() && found < 0; ++i) {
        if (combo->itemText(i) == step.args[1])
            found = i;
        items << TextCompare::quoted(combo->itemText(i));
    }
    if (found < 0)
        throw StepFailure { QStringLiteral("expected an item %1, found only %2")
                                .arg(TextCompare::quoted(step.args[1]),
                                    items.isEmpty() ? QStringLiteral("an empty list")
                                                    : items.join(QStringLiteral(", "))) };
    enter(scenario, step.args[0], &window);
    Controls::pickFromList(combo, found);
}

void pickStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QAbstractItemView* view = itemView(scenario.control(step.args[0], &window));
    const QString& which = step.args[1];
    const bool byText = which.startsWith(QLatin1Char('='));
    const int number = byText ? 0 : Steps::wholeNumber(which);
    // The line is looked for in the list as the activation leaves it.
    enter(scenario, step.args[0], &window);
    const QModelIndex index
        = byText ? Controls::rowWithText(view, which.mid(1)) : Controls::row(view, number - 1);
    Controls::clickRow(view, index);
}

void tickStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QAbstractItemView* view = itemView(scenario.control(step.args[0], &window));
    const int number = Steps::wholeNumber(step.args[1]);
    // The line is looked for in the list as the activation leaves it.
    enter(scenario, step.args[0], &window);
    const QModelIndex index = Controls::row(view, number - 1);
    // A line shows a check box only once it has a check state.
    if (!index.data(Qt::CheckStateRole).isValid()
        || !(view->model()->flags(index) & Qt::ItemIsUserCheckable))
        throw StepFailure {
            QStringLiteral("expected line %1 with a check box, found none").arg(step.args[1])
        };
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    view->model()->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void leaveStep(Scenario& scenario, const Step& step)
{
    OstraleWindow* window = nullptr;
    QWidget* control = reach(scenario, step.args[0], &window);
    scenario.leave(window, control);
}

void activateStep(Scenario& scenario, const Step& step)
{
    scenario.app().activateWindow(scenario.shownWindow(step.args[0]));
}

void closeStep(Scenario& scenario, const Step& step)
{
    scenario.shownWindow(step.args[0])->close();
}

// Saves a picture of a shown window (PNG) in the program folder, for a
// person to look at; it checks nothing.
void snapshotStep(Scenario& scenario, const Step& step)
{
    QWidget* window = scenario.shownWindow(step.args[0]);
    if (!window->grab().save(scenario.path(step.args[1]), "PNG"))
        throw StepFailure { QStringLiteral("could not save %1").arg(step.args[1]) };
}

void answerStep(Scenario& scenario, const Step& step)
{
    const QString answer = step.args[0].toLower();
    MessageBox::Answer queued;
    if (answer == QLatin1String("yes"))
        queued = MessageBox::AnswerYes;
    else if (answer == QLatin1String("no"))
        queued = MessageBox::AnswerNo;
    else if (answer == QLatin1String("ok"))
        queued = MessageBox::AnswerOk;
    else if (answer == QLatin1String("cancel"))
        queued = MessageBox::AnswerCancel;
    else
        throw StepFailure {
            QStringLiteral("expected Yes, No, OK or Cancel, found %1").arg(step.args[0])
        };
    scenario.app().messages().queueAnswer(queued);
}

void answerFileStep(Scenario& scenario, const Step& step)
{
    if (step.args[0] == QLatin1String("cancel"))
        scenario.app().fileDialog().queueCancel();
    else
        scenario.app().fileDialog().queueFileName(scenario.path(step.args[0]));
}

} // namespace

namespace Steps {

QList<StepKind> drivingSteps()
{
    return {
        { "start", 0, 0, false, startStep },
        { "menu", 1, 1, false, menuStep },
        { "set", 2, 2, false, setStep },
        { "type", 2, 2, false, typeStep },
        { "press", 2, 2, false, pressStep },
        { "click", 1, 1, false, clickStep },
        { "choose", 2, 2, false, chooseStep },
        { "pick", 2, 2, false, pickStep },
        { "tick", 2, 2, false, tickStep },
        { "leave", 1, 1, false, leaveStep },
        { "activate", 1, 1, false, activateStep },
        { "close", 1, 1, false, closeStep },
        { "answer", 1, 1, false, answerStep },
        { "answer-file", 1, 1, false, answerFileStep },
        { "snapshot", 2, 2, false, snapshotStep },
    };
}

} // namespace Steps
