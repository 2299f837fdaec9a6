#include "controls.h"

#include "scenario.h"
#include "stepfailure.h"
#include "textcompare.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace {

QStringList visibleColumnsOf(const QAbstractItemView* view, const QModelIndex& index)
{
    const QAbstractItemModel* model = view->model();
    if (const auto* list = qobject_cast<const QListView*>(view))
        return { model->index(index.row(), list->modelColumn()).data().toString() };
    QStringList fields;
    const auto* table = qobject_cast<const QTableView*>(view);
    for (int column = 0; column < model->columnCount(); ++column)
        if (!table || !table->isColumnHidden(column))
            fields << model->index(index.row(), column).data().toString();
    return fields;
}

int firstColumn(const QAbstractItemView* view)
{
    if (const auto* list = qobject_cast<const QListView*>(view))
        return list->modelColumn();
    if (const auto* table = qobject_cast<const QTableView*>(view))
        for (int column = 0; column < view->model()->columnCount(); ++column)
            if (!table->isColumnHidden(column))
                return column;
    return 0;
}

QLineEdit* lineEditOf(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->isEditable() ? combo->lineEdit() : nullptr;
    return nullptr;
}

} // namespace

namespace Controls {

QString describe(const QWidget* control)
{
    const char* kind = "a control";
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control)
        || qobject_cast<const QPlainTextEdit*>(control))
        kind = "a text box";
    else if (qobject_cast<const QComboBox*>(control))
        kind = "a combo box";
    else if (qobject_cast<const QTableView*>(control))
        kind = "a grid";
    else if (qobject_cast<const QAbstractItemView*>(control))
        kind = "a list box";
    else if (qobject_cast<const QAbstractButton*>(control))
        kind = "a button";
    else if (qobject_cast<const QLabel*>(control))
        kind = "a label";
    return QStringLiteral("%1 (%2)").arg(
        QLatin1String(kind), QLatin1String(control->metaObject()->className()));
}

std::optional<QString> text(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* edit = qobject_cast<const QTextEdit*>(control))
        return edit->toPlainText();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(control))
        return edit->toPlainText();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(control))
        return spin->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (const auto* bar = qobject_cast<const QStatusBar*>(control))
        return bar->currentMessage();
    // A list box's text is its current line's, as in the older desks.
    if (const auto* list = qobject_cast<const QListWidget*>(control))
        return list->currentItem() ? list->currentItem()->text() : QString();
    return std::nullopt;
}

std::optional<QStringList> lines(const QWidget* control)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(control)) {
        QStringList rows;
        if (!view->model())
            return rows;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            rows << visibleColumnsOf(view, view->model()->index(row, 0)).join(QLatin1Char('|'));
        return rows;
    }
    return std::nullopt;
}

void requireUsable(const QWidget* control, const QString& reference)
{
    if (!control->isVisible())
        throw StepFailure { QStringLiteral("expected %1 visible, found it hidden").arg(reference) };
    if (!control->isEnabled())
        throw StepFailure {
            QStringLiteral("expected %1 enabled, found it disabled").arg(reference)
        };
}

void setText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (!combo->isEditable())
            throw StepFailure { QStringLiteral(
                "expected an editable combo box, found one that only chooses (use choose)") };
        combo->setEditText(text);
    } else if (auto* edit = qobject_cast<QTextEdit*>(control)) {
        edit->setPlainText(text);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
        edit->setPlainText(text);
    } else {
        throw StepFailure {
            QStringLiteral("expected a text box or combo box, found %1").arg(describe(control))
        };
    }
}

void type(QWidget* control, const QString& text)
{
    QLineEdit* line = lineEditOf(control);
    auto* rich = qobject_cast<QTextEdit*>(control);
    auto* plain = qobject_cast<QPlainTextEdit*>(control);
    if (!line && !rich && !plain)
        throw StepFailure { QStringLiteral("expected a text box or editable combo box, found %1")
                                .arg(describe(control)) };
    if ((line && line->isReadOnly()) || (rich && rich->isReadOnly())
        || (plain && plain->isReadOnly()))
        throw StepFailure { QStringLiteral(
            "expected a text box the operator can type in, found a read-only one") };

    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is one keystroke, two halves.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        if (line) {
            line->end(false);
            line->insert(character);
        } else if (rich) {
            rich->moveCursor(QTextCursor::End);
            rich->insertPlainText(character);
        } else {
            plain->moveCursor(QTextCursor::End);
            plain->insertPlainText(character);
        }
        Scenario::settle();
    }
}

void pickFromList(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    list->setCurrentIndex(
        combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
    QTest::keyClick(list, Qt::Key_Return);
    // A list that did not take the Enter is closed as an Escape would.
    combo->hidePopup();
    Scenario::settle();
}

QModelIndex row(QAbstractItemView* view, int row)
{
    const int count = view->model() ? view->model()->rowCount() : 0;
    if (row < 0 || row >= count)
        throw StepFailure {
            QStringLiteral("expected a line %1, found %2 lines").arg(row + 1).arg(count)
        };
    return view->model()->index(row, firstColumn(view));
}

QModelIndex rowWithText(QAbstractItemView* view, const QString& text)
{
    const int count = view->model() ? view->model()->rowCount() : 0;
    const int column = firstColumn(view);
    QStringList seen;
    for (int row = 0; row < count; ++row) {
        const QModelIndex index = view->model()->index(row, column);
        if (index.data().toString() == text)
            return index;
        seen << TextCompare::quoted(index.data().toString());
    }
    throw StepFailure { QStringLiteral("expected a line %1, found only %2")
                            .arg(TextCompare::quoted(text),
                                seen.isEmpty() ? QStringLiteral("no lines")
                                               : seen.join(QStringLiteral(", "))) };
}

void clickRow(QAbstractItemView* view, const QModelIndex& index)
{
    view->scrollTo(index);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect;
    if (view->selectionMode() == QAbstractItemView::MultiSelection)
        flags = QItemSelectionModel::Toggle;
    else if (view->selectionMode() == QAbstractItemView::NoSelection)
        flags = QItemSelectionModel::NoUpdate;
    if (view->selectionBehavior() == QAbstractItemView::SelectRows)
        flags |= QItemSelectionModel::Rows;
    view->selectionModel()->setCurrentIndex(index, flags);
    // A click is a press then a release on the same line; the list and grid
    // widgets turn these into their item signals.
    emit view->pressed(index);
    emit view->clicked(index);
}

} // namespace Controls
