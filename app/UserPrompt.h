#pragma once

#include <QMessageBox>
#include <QStringList>
#include <functional>

class QDialog;

// Every message box and file dialog of Segmo goes through here, so that a
// test can answer them: queued answers are taken instead of showing the box,
// and the texts that would have been shown are recorded.
namespace UserPrompt {

QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons);
void information(QWidget* parent, const QString& title, const QString& text);
void warning(QWidget* parent, const QString& title, const QString& text);
// A warning whose one button carries its own text.
void warning(QWidget* parent, const QString& title, const QString& text, const QString& buttonText);

QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                     const QString& filter);
// The framework's own save dialog (not the native one).
QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                     const QString& filter);

// Runs a modal dialog; returns its result (QDialog::Accepted or Rejected).
int exec(QDialog& dialog);

// For tests: answers given in order to the next boxes and file dialogs; a
// box without a queued answer is shown as usual, unless unattended is set:
// then it answers Ok, No or Cancel at once (writing title and text to the
// log) and a file dialog answers "".
void queueAnswer(QMessageBox::StandardButton answer);
void setUnattended(bool unattended);
// The next dialog is handed to this function instead of being run; its
// return value is the dialog's result. Unattended, a dialog without one is
// rejected at once.
void queueDialogAction(std::function<int(QDialog&)> action);
void queueFileName(const QString& path);
// The texts of the boxes answered from the queue or shown, oldest first.
QStringList messages();
void clear();

} // namespace UserPrompt
