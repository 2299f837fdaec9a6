#pragma once

#include <QObject>

class QComboBox;

// Tells a pick from a combo box's drop-down list apart from the other ways
// the box reports "activated": an editable combo also reports it when the
// operator leaves it, or presses Enter, while its text happens to match an
// item. Only a mouse release or an Enter/Return inside the drop-down list is
// a pick; picked() is emitted for those alone.
class ComboPick : public QObject
{
    Q_OBJECT

public:
    explicit ComboPick(QComboBox* combo);

signals:
    void picked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_combo;
    bool m_picking = false;
};
