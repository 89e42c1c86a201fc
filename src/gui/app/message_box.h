#pragma once
// Message boxes, the wait cursor and file dialogs of the desktop program. Every box carries
// the product name as its title; errors show the stop (critical) icon.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

class QFileDialog;
class QWidget;

namespace voltaro {

class CPrivateException;

// Text as labels and message boxes show it: the string table's line breaks ("\r\n" or a
// lone "\r") become "\n", and blanks in front of a break go.
QString WithLineBreaks(const QString& text);

// Builds the box without running it (tests inspect it; the Show functions run it).
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& text);

enum class AskIcon { Question, Exclamation };
// A Yes/No box; No is the default button.
std::unique_ptr<QMessageBox> MakeAskBox(QWidget* parent, const QString& text, AskIcon icon);

void ShowError(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const std::string& text);
// Shows the exception's message with the stop icon. (A Cancel is no CPrivateException:
// it travels as CCancelled and shows nothing.)
void ShowException(QWidget* parent, const CPrivateException& error);
// Shows a notice with the information icon.
void ShowInformation(QWidget* parent, const QString& text);
// True when the user answered Yes.
bool Ask(QWidget* parent, const QString& text, AskIcon icon = AskIcon::Question);

// Shows the busy cursor for the lifetime of the object.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Shows the normal arrow over a wait cursor for the lifetime of the object: a box or a
// prompt in the middle of device work waits for the user, not for the device.
class NormalCursor {
  public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool pushed_ = false;
};

// A filter string of the form "Text (*.x)|*.x|All files (*.*)|*.*||" as Qt name filters:
// one entry per description/pattern pair, the patterns in parentheses, several patterns
// separated by spaces, "*.*" as "*". Pairs without a pattern are dropped.
QStringList ConvertFileFilter(const std::string& filter);

struct FileDialogOptions {
    QString title;
    std::string filter;     // "Text (*.x)|*.x||" form
    QString defaultSuffix;  // appended when the user types a name without one
    QString initialPath;    // directory or file name to start with
};

// Applies the options to dialog; save dialogs ask before overwriting a file.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options, bool save);
// The chosen file name, or an empty string when the user cancelled.
QString GetOpenFileName(QWidget* parent, const FileDialogOptions& options);
QString GetSaveFileName(QWidget* parent, const FileDialogOptions& options);

}  // namespace voltaro
