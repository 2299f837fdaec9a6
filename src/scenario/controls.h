#pragma once

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <optional>

class QAbstractItemView;
class QComboBox;
class QWidget;

// What the runner reads from, and does to, the program's controls, whatever
// widget class stands for them.
namespace Controls {

// "a text box (QLineEdit)": for messages.
QString describe(const QWidget* control);

// The text the operator reads on the control; none for a control without one.
std::optional<QString> text(const QWidget* control);
// The lines of a list box or grid (a grid's fields joined by '|'), or the
// items of a combo box's list; none for other controls.
std::optional<QStringList> lines(const QWidget* control);

// Fails the step unless the operator could use the control: on screen,
// enabled.
void requireUsable(const QWidget* control, const QString& reference);

// Replaces the text of a text box or editable combo box.
void setText(QWidget* control, const QString& text);
// Appends the text one character at a time, letting queued work run between
// characters.
void type(QWidget* control, const QString& text);

// Picks item `index` of a combo box's drop-down list as the operator does:
// the list opens, the item is highlighted, Enter takes it.
void pickFromList(QComboBox* combo, int index);

// Row `row` (from 0) of a list box or grid, at the column the operator sees
// first. Fails the step when there is no such row.
QModelIndex row(QAbstractItemView* view, int row);
// The first row whose text is exactly `text`.
QModelIndex rowWithText(QAbstractItemView* view, const QString& text);
// Selects the row as a click does and emits the view's click.
void clickRow(QAbstractItemView* view, const QModelIndex& index);

} // namespace Controls
