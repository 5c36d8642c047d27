#include "tests/support/scripteddialogs.h"

#include <QDialog>

namespace {

ScriptedDialogs::Question question(const char *kind, QWidget *parent, const QString &title,
                                   const QString &label)
{
    ScriptedDialogs::Question q;
    q.kind = QString::fromLatin1(kind);
    q.parent = parent;
    q.title = title;
    q.label = label;
    return q;
}

} // namespace

QVariant ScriptedDialogs::next()
{
    return answers.isEmpty() ? QVariant() : answers.takeFirst();
}

QList<ScriptedDialogs::Question> ScriptedDialogs::askedOf(const QString &kind) const
{
    QList<Question> result;
    for (const Question &q : asked) {
        if (q.kind == kind)
            result.append(q);
    }
    return result;
}

QString ScriptedDialogs::fileName(const char *kind, QWidget *parent, const QString &caption,
                                  const QString &dir, const QString &filter)
{
    Question q = question(kind, parent, caption, filter);
    q.dir = dir;
    asked.append(q);
    const QVariant answer = next();
    return answer.isValid() ? answer.toString() : QString();
}

QString ScriptedDialogs::getOpenFileName(QWidget *parent, const QString &caption,
                                         const QString &dir, const QString &filter)
{
    return fileName("open", parent, caption, dir, filter);
}

QString ScriptedDialogs::getSaveFileName(QWidget *parent, const QString &caption,
                                         const QString &dir, const QString &filter)
{
    return fileName("save", parent, caption, dir, filter);
}

QString ScriptedDialogs::getText(QWidget *parent, const QString &title, const QString &label,
                                 QLineEdit::EchoMode, const QString &text, bool *ok)
{
    Question q = question("text", parent, title, label);
    q.value = text;
    asked.append(q);
    const QVariant answer = next();
    if (ok)
        *ok = answer.isValid();
    return answer.isValid() ? answer.toString() : QString();
}

int ScriptedDialogs::getInt(QWidget *parent, const QString &title, const QString &label, int value,
                            int min, int max, int step, bool *ok)
{
    Question q = question("int", parent, title, label);
    q.value = value;
    q.min = min;
    q.max = max;
    q.step = step;
    asked.append(q);
    const QVariant answer = next();
    if (ok)
        *ok = answer.isValid();
    return answer.isValid() ? answer.toInt() : value;
}

QString ScriptedDialogs::getItem(QWidget *parent, const QString &title, const QString &label,
                                 const QStringList &items, int current, bool editable, bool *ok)
{
    Question q = question("item", parent, title, label);
    q.value = current;
    q.items = items;
    q.editable = editable;
    asked.append(q);
    const QVariant answer = next();
    if (ok)
        *ok = answer.isValid();
    return answer.isValid() ? answer.toString() : QString();
}

QColor ScriptedDialogs::getColor(const QColor &initial, QWidget *parent)
{
    Question q = question("color", parent, QString(), QString());
    q.value = initial;
    asked.append(q);
    const QVariant answer = next();
    return answer.isValid() ? answer.value<QColor>() : QColor();
}

QMessageBox::StandardButton ScriptedDialogs::message(QMessageBox::Icon icon, QWidget *parent,
                                                     const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    static const char *const kinds[] = {"none", "information", "warning", "critical", "question"};
    const int index = int(icon);
    Question q = question(index >= 0 && index <= 4 ? kinds[index] : "none", parent, title, text);
    q.value = int(buttons);
    q.defaultButton = int(defaultButton);
    asked.append(q);
    // A question takes its answer (a StandardButton as int) from the script;
    // without one it is answered as if closed with Escape: Cancel where
    // offered, else No.
    if (icon == QMessageBox::Question) {
        const QVariant answer = next();
        if (answer.isValid())
            return QMessageBox::StandardButton(answer.toInt());
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton
ScriptedDialogs::labelledQuestion(QWidget *parent, const QString &title, const QString &text,
                                  QMessageBox::StandardButtons buttons,
                                  QMessageBox::StandardButton defaultButton,
                                  const ButtonTexts &texts)
{
    Question q = question("question", parent, title, text);
    q.value = int(buttons);
    q.defaultButton = int(defaultButton);
    q.items = texts.values();
    asked.append(q);
    const QVariant answer = next();
    if (answer.isValid())
        return QMessageBox::StandardButton(answer.toInt());
    return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
}

int ScriptedDialogs::exec(QDialog &dialog)
{
    Question q = question("exec", dialog.parentWidget(), dialog.windowTitle(), dialog.objectName());
    asked.append(q);
    const QVariant answer = next();
    return answer.isValid() ? answer.toInt() : int(QDialog::Rejected);
}
