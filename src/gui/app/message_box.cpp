#include "gui/app/message_box.h"

#include <QApplication>
#include <QFileDialog>

#include "core/platform/private_exception.h"
#include "gui/app/qt_text.h"

namespace voltaro {

namespace {

QString BoxTitle() {
    return QStringLiteral(VOLTARO_PRODUCT_NAME);
}

std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton) {
    auto box =
        std::make_unique<QMessageBox>(icon, BoxTitle(), WithLineBreaks(text), buttons, parent);
    box->setDefaultButton(defaultButton);
    return box;
}

QString Trimmed(const std::string& text, std::size_t begin, std::size_t end) {
    return ToQString(text.substr(begin, end - begin)).trimmed();
}

}  // namespace

QString WithLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            out += c;
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        out += QLatin1Char('\n');
    }
    return out;
}

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& text) {
    return MakeBox(parent, text, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
}

std::unique_ptr<QMessageBox> MakeAskBox(QWidget* parent, const QString& text, AskIcon icon) {
    const auto qtIcon = icon == AskIcon::Question ? QMessageBox::Question : QMessageBox::Warning;
    return MakeBox(parent, text, qtIcon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

void ShowError(QWidget* parent, const QString& text) {
    const NormalCursor normal;
    MakeErrorBox(parent, text)->exec();
}

void ShowError(QWidget* parent, const std::string& text) {
    ShowError(parent, ToQString(text));
}

void ShowException(QWidget* parent, const CPrivateException& error) {
    ShowError(parent, error.Message());
}

void ShowInformation(QWidget* parent, const QString& text) {
    const NormalCursor normal;
    MakeBox(parent, text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok)->exec();
}

bool Ask(QWidget* parent, const QString& text, AskIcon icon) {
    const NormalCursor normal;
    return MakeAskBox(parent, text, icon)->exec() == QMessageBox::Yes;
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor() : pushed_(QApplication::overrideCursor() != nullptr) {
    if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
}

NormalCursor::~NormalCursor() {
    if (pushed_) QApplication::restoreOverrideCursor();
}

QStringList ConvertFileFilter(const std::string& filter) {
    // Split at '|' into description, pattern, description, pattern, ...; an empty
    // description (the "||" terminator) ends the list.
    std::vector<QString> parts;
    std::size_t begin = 0;
    while (begin <= filter.size()) {
        std::size_t end = filter.find('|', begin);
        if (end == std::string::npos) {
            end = filter.size();
        }
        parts.push_back(Trimmed(filter, begin, end));
        begin = end + 1;
    }
    QStringList result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.isEmpty()) {
            break;
        }
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        if (patterns.isEmpty()) {
            continue;
        }
        // Qt reads the patterns from the last parentheses, so a description that
        // already names its patterns there loses them in favour of the real ones.
        QString text = description;
        const qsizetype open = text.lastIndexOf(u'(');
        if (open > 0 && text.endsWith(u')')) {
            text = text.left(open).trimmed();
        }
        result << text + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return result;
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options, bool save) {
    dialog.setWindowTitle(options.title);
    dialog.setNameFilters(ConvertFileFilter(options.filter));
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !save);
    if (!options.initialPath.isEmpty()) {
        const QFileInfo info(options.initialPath);
        if (info.isDir()) {
            dialog.setDirectory(options.initialPath);
        } else {
            dialog.selectFile(options.initialPath);
        }
    }
}

namespace {

QString RunFileDialog(QWidget* parent, const FileDialogOptions& options, bool save) {
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, options, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString GetOpenFileName(QWidget* parent, const FileDialogOptions& options) {
    return RunFileDialog(parent, options, false);
}

QString GetSaveFileName(QWidget* parent, const FileDialogOptions& options) {
    return RunFileDialog(parent, options, true);
}

}  // namespace voltaro
