#include "tests/support/scripteddialogs.h"

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

QString ScriptedDialogs::getOpenFileName(QWidget *parent, const QString &caption,
                                         const QString &dir, const QString &filter)
{
    Question q{QStringLiteral("open"), parent, caption, filter, dir};
    asked.append(q);
    const QVariant answer = next();
    return answer.isValid() ? answer.toString() : QString();
}

QString ScriptedDialogs::getSaveFileName(QWidget *parent, const QString &caption,
                                         const QString &dir, const QString &filter)
{
    Question q{QStringLiteral("save"), parent, caption, filter, dir};
    asked.append(q);
    const QVariant answer = next();
    return answer.isValid() ? answer.toString() : QString();
}

QString ScriptedDialogs::getText(QWidget *parent, const QString &title, const QString &label,
                                 QLineEdit::EchoMode, const QString &text, bool *ok)
{
    Question q{QStringLiteral("text"), parent, title, label, QString(), text};
    asked.append(q);
    const QVariant answer = next();
    if (ok)
        *ok = answer.isValid();
    return answer.isValid() ? answer.toString() : QString();
}

int ScriptedDialogs::getInt(QWidget *parent, const QString &title, const QString &label,
                            int value, int min, int max, int step, bool *ok)
{
    Question q{QStringLiteral("int"), parent, title, label, QString(), value, min, max, step};
    asked.append(q);
    const QVariant answer = next();
    if (ok)
        *ok = answer.isValid();
    return answer.isValid() ? answer.toInt() : value;
}

QString ScriptedDialogs::getItem(QWidget *parent, const QString &title, const QString &label,
                                 const QStringList &items, int current, bool editable, bool *ok)
{
    Question q{QStringLiteral("item"), parent, title, label, QString(), current};
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
    Question q{QStringLiteral("color"), parent, QString(), QString(), QString(), initial};
    asked.append(q);
    const QVariant answer = next();
    return answer.isValid() ? answer.value<QColor>() : QColor();
}

QMessageBox::StandardButton ScriptedDialogs::message(QMessageBox::Icon icon, QWidget *parent,
                                                     const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons buttons)
{
    static const char *const kinds[] = {"none", "information", "warning", "critical", "question"};
    const int index = int(icon);
    Question q{QString::fromLatin1(index >= 0 && index <= 4 ? kinds[index] : "none"), parent,
               title, text};
    q.value = int(buttons);
    asked.append(q);
    return QMessageBox::Ok;
}
