#include "app/UserPrompt.h"

#include <QDebug>
#include <QDialog>
#include <QFileDialog>
#include <QQueue>
#include <optional>

namespace UserPrompt {

namespace {

struct Script
{
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    QQueue<std::function<int(QDialog&)>> dialogActions;
    QStringList messages;
    bool unattended = false;
};

Script& script()
{
    static Script instance; // GUI thread only
    return instance;
}

// Runs the box, or answers it from the script; nullopt when the box must be shown.
std::optional<QMessageBox::StandardButton> scripted(const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons)
{
    Script& s = script();
    s.messages.append(text);
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.unattended) {
        // A run without a user still tells what it would have asked.
        qWarning().noquote() << title + QLatin1String(": ") + text;
        for (QMessageBox::StandardButton safe :
             {QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel}) {
            if (buttons & safe)
                return safe;
        }
        return QMessageBox::NoButton;
    }
    return std::nullopt;
}

QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                 const QString& text, QMessageBox::StandardButtons buttons)
{
    if (auto answer = scripted(title, text, buttons))
        return *answer;
    QMessageBox box(icon, title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

QString fileName(const std::function<QString()>& ask)
{
    Script& s = script();
    if (!s.fileNames.isEmpty())
        return s.fileNames.dequeue();
    return s.unattended ? QString() : ask();
}

} // namespace

QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons)
{
    return show(QMessageBox::Question, parent, title, text, buttons);
}

void information(QWidget* parent, const QString& title, const QString& text)
{
    show(QMessageBox::Information, parent, title, text, QMessageBox::Ok);
}

void warning(QWidget* parent, const QString& title, const QString& text)
{
    show(QMessageBox::Warning, parent, title, text, QMessageBox::Ok);
}

void warning(QWidget* parent, const QString& title, const QString& text, const QString& buttonText)
{
    if (scripted(title, text, QMessageBox::Ok))
        return;
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.addButton(buttonText, QMessageBox::AcceptRole);
    box.exec();
}

QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                     const QString& filter)
{
    return fileName([&] { return QFileDialog::getOpenFileName(parent, title, dir, filter); });
}

QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                     const QString& filter)
{
    return fileName([&] {
        return QFileDialog::getSaveFileName(parent, title, dir, filter, nullptr,
                                            QFileDialog::DontUseNativeDialog);
    });
}

int exec(QDialog& dialog)
{
    Script& s = script();
    if (!s.dialogActions.isEmpty())
        return s.dialogActions.dequeue()(dialog);
    return s.unattended ? int(QDialog::Rejected) : dialog.exec();
}

void queueDialogAction(std::function<int(QDialog&)> action)
{
    script().dialogActions.enqueue(std::move(action));
}

void queueAnswer(QMessageBox::StandardButton answer)
{
    script().answers.enqueue(answer);
}

void setUnattended(bool unattended)
{
    script().unattended = unattended;
}

void queueFileName(const QString& path)
{
    script().fileNames.enqueue(path);
}

QStringList messages()
{
    return script().messages;
}

void clear()
{
    script() = Script();
}

} // namespace UserPrompt
